#include "data/configuration.h"

#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar {

namespace {

QString optionField(GruppoOpzioni gruppo) {
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: return QStringLiteral("cf_GraficaNazionalita");
    case GruppoOpzioni::Nominativi: return QStringLiteral("cf_GraficaNominativi");
    case GruppoOpzioni::Risultato: return QStringLiteral("cf_GraficaRisultato");
    }
    return {};
}

// The named field of the first row; nullopt without a row.
std::optional<QVariant> firstRowValue(const db::Recordset& rs, const QString& field) {
    if (rs.eof()) return std::nullopt;
    return rs.value(field);
}

}  // namespace

db::Recordset RecordsetConfigurazione(const db::Database& database) {
    return database.openRecordset(QStringLiteral("SELECT * FROM Configurazione LIMIT 1"));
}

std::optional<QVariant> configurationActiveRace(const db::Database& database) {
    return firstRowValue(RecordsetConfigurazione(database), QStringLiteral("cf_GaraAttiva"));
}

std::optional<QVariant> configurationDatabaseVersion(const db::Database& database) {
    return firstRowValue(database.openRecordset(QStringLiteral("SELECT cf_VersioneDatabase FROM Configurazione")),
                         QStringLiteral("cf_VersioneDatabase"));
}

void storeProgramVersion(const db::Database& database, const QString& version) {
    database.execute(QStringLiteral("UPDATE Configurazione SET cf_VersioneProgramma = ?"), {version});
}

std::optional<DisplayOptions> configurationDisplayOptions(const db::Database& database) {
    const db::Recordset rs = RecordsetConfigurazione(database);
    if (rs.eof()) return std::nullopt;
    const auto option = [&](GruppoOpzioni gruppo) { return ValoreIntero(rs.value(optionField(gruppo)), 0); };
    return DisplayOptions{option(GruppoOpzioni::Nazionalita), option(GruppoOpzioni::Nominativi),
                          option(GruppoOpzioni::Risultato)};
}

void storeDisplayOption(const db::Database& database, GruppoOpzioni gruppo, int index) {
    database.execute(QStringLiteral("UPDATE Configurazione SET ") + optionField(gruppo) + QStringLiteral(" = ?"),
                     {index});
}

FirstPaintSettings configurationFirstPaint(const db::Database& database) {
    FirstPaintSettings s;
    const db::Recordset rs = RecordsetConfigurazione(database);
    if (rs.eof()) return s;
    s.hasRow = true;
    const auto truth = [&](const char* field) {
        const QVariant v = rs.value(QString::fromLatin1(field));
        return !v.isNull() && basic::numberOf(v).value_or(0) != 0;
    };
    if (truth("cf_GraficaOmettiNazionalita")) {
        s.nazionalita = 2;
    } else if (truth("cf_GraficaUsaImmaginiNazionalita")) {
        s.nazionalita = 1;
    } else {
        s.nazionalita = 0;
    }
    s.nominativi = ValoreIntero(rs.value(QStringLiteral("cf_GraficaNominativi")), 0);
    s.risultato = ValoreIntero(rs.value(QStringLiteral("cf_GraficaRisultato")), 0);
    const QVariant server = rs.value(QStringLiteral("cf_GraficaServer"));
    s.serverRemoto = server.isNull() ? QString() : server.toString();
    return s;
}

void storeGraphicsServer(const db::Database& database, const QString& name) {
    database.execute(QStringLiteral("UPDATE Configurazione SET cf_GraficaServer = ?"), {name});
}

}  // namespace razudar
