#include "platform/services/reporting_settings_store.h"

namespace razudar {

ReportingSettingsStore::ReportingSettingsStore(SettingsStore& store, std::function<void(const QString&)> tell)
    : store_(store), tell_(std::move(tell)) {}

QString ReportingSettingsStore::value(const QString& application, const QString& section, const QString& key,
                                      const QString& defaultValue) const {
    const auto unsaved = unsaved_.constFind(keyOf(application, section, key));
    if (unsaved != unsaved_.cend()) return *unsaved;
    return store_.value(application, section, key, defaultValue);
}

QString ReportingSettingsStore::keyOf(const QString& application, const QString& section, const QString& key) {
    return application + QChar(0x1F) + section + QChar(0x1F) + key;
}

bool ReportingSettingsStore::save(const QString& application, const QString& section, const QString& key,
                                  const QString& value, QString* notice) {
    QString said;
    const bool kept = store_.save(application, section, key, value, &said);
    if (kept) unsaved_.remove(keyOf(application, section, key));
    else unsaved_.insert(keyOf(application, section, key), value);
    if (notice) *notice = said;
    if (!said.isEmpty() && !told_) {
        told_ = true;
        if (tell_) tell_(kept ? rewrittenNotice(said) : failureNotice(said));
    }
    return kept;
}

QString ReportingSettingsStore::failureNotice(const QString& reason) {
    return QStringLiteral("Impossibile salvare le impostazioni: %1.\r"
                          "Le scelte fatte valgono fino alla chiusura del programma e non saranno riprese al "
                          "prossimo avvio.")
        .arg(reason);
}

QString ReportingSettingsStore::rewrittenNotice(const QString& what) {
    return QStringLiteral("Impostazioni: %1.\rLe scelte fatte da ora sono salvate.").arg(what);
}

}  // namespace razudar
