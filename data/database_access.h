#pragma once
// Opening the race database, its version check and version record, and the small services of
// the database module (field type lookup, record-set hook, message window).
#include <QString>
#include <QtGlobal>

#include "data/database_state.h"

namespace razudar {

class Prompter;

// The database layout this program needs.
inline constexpr char16_t kVersioneDatabaseRichiesta[] = u"1.25";

// Opens the file PercorsiDatabase(IndiceDatabase) shared and read-write in a new workspace of
// the current slot. An engine error (missing file, not a database, locked) is thrown as
// db::DbError to the caller.
void ApriDatabase(DatabaseState& state);

// Checks cf_VersioneDatabase of Configurazione: no row, or "1.25" after trimming, passes.
// Another version shows the five-paragraph message and throws ProgramEndRequested; so does a
// query that fails (no Configurazione table or field), after a message naming the error.
void ControllaVersioneDatabase(const DatabaseState& state, Prompter& prompter);

// The stored database version as text (Null and no row give "").
QString VersioneDatabase(const DatabaseState& state);

// Writes the program version into cf_VersioneProgramma of every Configurazione row.
void SalvaVersioneProgramma(const DatabaseState& state);

// The field's type code (8 = date, db::field_type), or -1 when the table has no such field
// (names compared without case). An unknown table throws db::DbError 3265.
qint16 TipoCampoTabella(const db::Database& database, const QString& table, const QString& field);

// Record-set hook of the table engine: does nothing.
void EventoRecordset(qint16 code, const db::Recordset& recordset, const QString& query,
                     const QString& criterion);

// Passes a line to the message window "frmMessaggi" when one exists; this program has none,
// so the call has no effect.
void ScriviMessaggio(const QString& text, qint16 kind, Prompter& prompter);

// "Errore " + number + " " + description: how an engine error is shown to the operator.
QString databaseErrorText(int number, const QString& description);
// The same for a database error, its description in Italian (descrizioneErroreDatabase).
QString databaseErrorText(const db::DbError& e);

}  // namespace razudar
