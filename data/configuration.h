#pragma once
// The configuration record of the race database (table Configurazione, one row): every read and
// write of it. Values are bound, never pasted into the SQL text; engine errors (db::DbError) go
// to the caller. A field the table lacks raises db::DbError as well.
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <optional>

#include "platform/db/database.h"

namespace razudar {

// The three display options of the graphics, one field each.
enum class GruppoOpzioni { Nazionalita, Nominativi, Risultato };

// The configuration record set, on its first row (empty when the table has no row).
db::Recordset RecordsetConfigurazione(const db::Database& database);

// cf_GaraAttiva as stored (Null included); nullopt when the table has no row.
std::optional<QVariant> configurationActiveRace(const db::Database& database);

// cf_VersioneDatabase as stored; nullopt when the table has no row. A table or field that is
// missing makes the query itself fail.
std::optional<QVariant> configurationDatabaseVersion(const db::Database& database);
// Writes `version` into cf_VersioneProgramma of every row.
void storeProgramVersion(const db::Database& database, const QString& version);

// The display options as the option globals hold them (Null or no number reads 0).
struct DisplayOptions {
    qint16 nazionalita = 0;
    qint16 nominativi = 0;
    qint16 risultato = 0;
};
// nullopt when the table has no row.
std::optional<DisplayOptions> configurationDisplayOptions(const db::Database& database);
// Stores the chosen item of one option group in every row.
void storeDisplayOption(const db::Database& database, GruppoOpzioni gruppo, int index);

// What the first paint takes from the configuration: the checked item of the three option
// menus (-1 none) and the link control's server name.
struct FirstPaintSettings {
    bool hasRow = false;
    int nazionalita = -1;
    int nominativi = -1;
    int risultato = -1;
    QString serverRemoto;
};
// Nationality item 2 when cf_GraficaOmettiNazionalita is true, else 1 when
// cf_GraficaUsaImmaginiNazionalita is true, else 0; a Null server name reads "".
FirstPaintSettings configurationFirstPaint(const db::Database& database);

// Stores the name of the timekeeping server the link connected to (cf_GraficaServer).
void storeGraphicsServer(const db::Database& database, const QString& name);

}  // namespace razudar
