#pragma once
#include <QString>

namespace razudar {

// The per-user settings store: a value by application, section and key. A section whose name
// contains "\" is one section (it is not split into groups).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& application, const QString& section, const QString& key,
                          const QString& defaultValue = QString()) const = 0;
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

}  // namespace razudar
