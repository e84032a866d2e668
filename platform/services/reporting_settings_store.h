#pragma once
// The settings store the program uses: every value goes to the real store, and the first value
// that cannot be kept for the next start (or a settings file that had to be written anew) is
// told to the operator, once for the whole run: a settings file that cannot be written fails
// every save after the first one too. A value that could not be kept is still read back for
// the rest of the run, so what the operator chose holds until the program ends (the session
// window's choice is read back from the store as soon as it is made).
#include <QHash>
#include <QString>

#include <functional>

#include "platform/services/settings_store.h"

namespace razudar {

class ReportingSettingsStore : public SettingsStore {
public:
    // `tell` receives the Italian notice for the operator.
    ReportingSettingsStore(SettingsStore& store, std::function<void(const QString&)> tell);

    QString value(const QString& application, const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const override;
    bool save(const QString& application, const QString& section, const QString& key, const QString& value,
              QString* notice = nullptr) override;

    // The notice for a save that failed for `reason`.
    static QString failureNotice(const QString& reason);
    // The notice for a save that was kept with `what` to say (a file written anew).
    static QString rewrittenNotice(const QString& what);

private:
    static QString keyOf(const QString& application, const QString& section, const QString& key);

    SettingsStore& store_;
    QHash<QString, QString> unsaved_;  // values the store could not keep, for this run
    std::function<void(const QString&)> tell_;
    bool told_ = false;
};

}  // namespace razudar
