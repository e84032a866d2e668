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
    // Stores a value for the next start. False, with the reason in `notice`, when the value could
    // not be kept (the file cannot be written, the disk is full); the caller's choice then holds
    // only for the run. True when it was kept; `notice` then says what else the operator should
    // know ("" for nothing: a file that was no settings file and has been written anew).
    virtual bool save(const QString& application, const QString& section, const QString& key,
                      const QString& value, QString* notice = nullptr) = 0;
};

}  // namespace razudar
