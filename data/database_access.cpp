#include "data/database_access.h"

#include "data/configuration.h"
#include "data/database_fault_text.h"
#include "data/program_end.h"
#include "model/bas_stringa_form.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/services/prompter.h"

namespace razudar {

QString databaseErrorText(int number, const QString& description) {
    return QStringLiteral("Errore %1 %2").arg(number).arg(description);
}

QString databaseErrorText(const db::DbError& e) { return databaseErrorText(e.number(), descrizioneErroreDatabase(e)); }

void ApriDatabase(DatabaseState& state) {
    db::Workspace& ws = state.SpaziLavoro.at(static_cast<size_t>(state.IndiceDatabase));
    ws = db::Workspace::create(QString(), QStringLiteral("admin"), QString());
    state.DatabaseAperti.at(static_cast<size_t>(state.IndiceDatabase)) =
        ws.openDatabase(state.PercorsiDatabase.at(static_cast<size_t>(state.IndiceDatabase)), false,
                        false, QStringLiteral(";pwd=") + state.PasswordDatabase,
                        state.busyTimeoutMs, state.lockWaits);
}

void ControllaVersioneDatabase(const DatabaseState& state, Prompter& prompter) {
    const QString required = QString::fromUtf16(kVersioneDatabaseRichiesta);
    std::optional<QVariant> stored;
    try {
        stored = configurationDatabaseVersion(state.current());
    } catch (const db::DbError& e) {
        const QString text = databaseErrorText(e) +
                             QStringLiteral("\r\rImpossibile leggere la versione del database.") +
                             QStringLiteral("\r\rIl programma verrà terminato.");
        prompter.show(text, PromptButtons::Ok, PromptIcon::Critical, Prompter::defaultCaption());
        throw ProgramEndRequested(text);
    }
    if (!stored) return;
    const QString asRead = basic::CStr(*stored);
    if (basic::Trim(asRead) == required) return;
    const QString text = QStringLiteral("Versione del Programma: ") + TestoVersioneProgramma() +
                         QStringLiteral("\r\r") + QStringLiteral("Versione Database: ") + asRead +
                         QStringLiteral("\r\r") +
                         QStringLiteral("La versione del database trovata non è compatibile.") +
                         QStringLiteral("\r\r") +
                         QStringLiteral("Con la versione del programma corrente è necessario un "
                                        "database versione ") +
                         required + QStringLiteral("\r\r") +
                         QStringLiteral("Il programma verrà terminato.");
    prompter.show(text, PromptButtons::Ok, PromptIcon::Critical, Prompter::defaultCaption());
    throw ProgramEndRequested(text);
}

QString VersioneDatabase(const DatabaseState& state) {
    const std::optional<QVariant> stored = configurationDatabaseVersion(state.current());
    return stored ? basic::CStr(*stored) : QString();
}

void SalvaVersioneProgramma(const DatabaseState& state) {
    storeProgramVersion(state.current(), TestoVersioneProgramma());
}

qint16 TipoCampoTabella(const db::Database& database, const QString& table, const QString& field) {
    for (const db::FieldInfo& f : database.tableFields(table)) {
        if (f.name.toLower() == field.toLower()) return static_cast<qint16>(f.type);
    }
    return -1;
}

void EventoRecordset(qint16 code, const db::Recordset& recordset, const QString& query,
                     const QString& criterion) {
    Q_UNUSED(code)
    Q_UNUSED(recordset)
    Q_UNUSED(query)
    Q_UNUSED(criterion)
}

void ScriviMessaggio(const QString& text, qint16 kind, Prompter& prompter) {
    Q_UNUSED(text)
    Q_UNUSED(kind)
    bool silent = true;
    // No window is registered under a name, so there is nobody to pass the line to.
    FormDaStringa(QStringLiteral("frmMessaggi"), silent, prompter);
}

}  // namespace razudar
