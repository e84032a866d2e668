#pragma once
// The small reads of the race database that the race loader, the main window and the session
// window need: one value of one row, a competitor's categories, and the standings by summed run
// times of the parallel and knock-out formats.
//
// Every read runs on the database it is given (the open database of the current slot), with
// every value bound, never pasted into the SQL text. Engine errors (db::DbError) and stored
// values that do not fit the result (StoredValueError) go to the caller. A Null read as a number
// or truth value is 0 or false.
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "platform/db/database.h"

namespace razudar {

class Clock;

// The named field of the language row of the race's language; "" without a row. The field
// name must be a plain name (letters, digits, "_"); anything else, or a name that is no field
// of Lingue and Gare, raises db::DbError.
QString TestoLingua(const db::Database& database, qint16 Gara, const QString& field);
// ds_Id of the race's discipline (number-read); 0 without a row.
qint32 IdDisciplinaGara(const db::Database& database, qint16 Gara);
// With fromRace: ga_Intermedi of the race. Otherwise the highest numbered intermediate among the
// race's timekeeping points, or 5 when there is none but a point of type 1 or 2 exists.
qint16 NumeroIntermedi(const db::Database& database, qint16 Gara, bool fromRace);
// With fromRace: ga_Manches of the race. Otherwise the highest run number among the race's
// sessions of the qualification turn type that are not in state 3.
qint16 NumeroManche(const db::Database& database, qint16 Gara, bool fromRace);
// Ids of a discipline, speciality or turn-type code; 0 when unknown.
qint32 IdDisciplina(const db::Database& database, const QString& code);
qint32 IdSpecialita(const db::Database& database, const QString& code);
qint32 IdTipoTurno(const db::Database& database, const QString& code);
// The turn-type code of an id, in upper case; "" when unknown.
QString CodiceTipoTurno(const db::Database& database, qint32 id);
// The turn type's description of a session (QTipiTurniMancheGara); "" without a row.
QString DescrizioneSessioneTurno(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                                 qint16 Manche);
// True when the table Gare holds the race.
bool GaraNelDatabase(const db::Database& database, qint16 Gara);
// ga_Parallelo of the race; false without a row.
bool GaraParallelo(const db::Database& database, qint16 Gara);
// se_Descrizione and se_StatoSessione of a session; "" and 0 without a row.
QString DescrizioneSessioneDb(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                              qint16 Manche);
qint32 StatoSessioneDb(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                       qint16 Manche);
// Text of a field of the race's Gare row; "" without a row. A Null date field gives today's date
// (from `clock`) as the program writes dates ("dd/MM/yyyy"), a Null of any other type "". The field name
// follows the rule of TestoLingua.
QString CampoGara(const db::Database& database, qint16 Gara, const QString& field, const Clock& clock);
// Category codes of a competitor in category order; empty without categories.
QStringList CategorieConcorrente(const db::Database& database, qint16 Gara, qint16 Concorrente);
// True for "XXXXX" (all categories, no query) or when one of the competitor's codes equals the
// category in upper case.
bool ConcorrenteInCategoria(const db::Database& database, qint16 Gara, qint16 Concorrente,
                            const QString& Categoria);
// se_TabelloneRound of a session (number-read), 0 without a row; se_TabelloneSfida
// (number-read), the run number itself without a row.
qint16 RoundSessione(const db::Database& database, qint16 Gara, const QString& TipoTurno, qint16 Manche);
qint16 SfidaSessione(const db::Database& database, qint16 Gara, const QString& TipoTurno, qint16 Manche);

// Competitors of the category ("XXXXX" all) with a result in runs up to ga_NumeroDisceseTabellone
// of the turn type with that id, ordered by the sum of their run times. Competitors with a time
// in every one of those runs come first, by total; a competitor missing a run time follows them
// (more runs timed first, then by total). Equal totals keep the order of first appearance
// (by run, then competitor number).
QList<qint16> ClassificaTempiSommati(const db::Database& database, qint16 Gara,
                                     const QString& Categoria, qint32 IdTipoTurnoStandings);
// The standings of the first final turn followed by those of the second (a competitor with results in
// both is listed twice).
QList<qint16> ClassificaTempiSommatiTurni(const db::Database& database, qint16 Gara,
                                          const QString& Categoria);

}  // namespace razudar
