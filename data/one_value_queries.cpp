#include "data/one_value_queries.h"

#include <QDateTime>

#include <optional>

#include "data/database_access.h"
#include "data/loader_values.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "model/competitor.h"
#include "model/race_codes.h"
#include "platform/db/db_error.h"
#include "platform/db/field_info.h"
#include "platform/services/clock.h"

namespace razudar {

namespace {

const QString kSessionFilter = QStringLiteral(
    " WHERE se_Gara = ? AND se_TipoTurno = ? AND se_Manche = ?");

// The first column of the first row, or nothing when the query gives no row.
std::optional<QVariant> firstValue(const db::Database& database, const QString& sql,
                                   const QVariantList& params) {
    db::Recordset rs = database.openRecordset(sql, params);
    if (rs.eof())
        return std::nullopt;
    return rs.value(0);
}

QVariantList sessionParams(qint16 Gara, const QString& TipoTurno, qint16 Manche) {
    return {int(Gara), TipoTurno, int(Manche)};
}

// A field name that goes into the SQL text: a plain name, written as a quoted identifier so
// that a name that is no column is an engine error, never a literal or a keyword.
QString fieldIdentifier(const QString& field) {
    bool plain = !field.isEmpty() && (field.at(0).isLetter() || field.at(0) == QLatin1Char('_'));
    for (const QChar c : field)
        plain = plain && (c.isLetterOrNumber() || c == QLatin1Char('_'));
    if (!plain)
        throw db::DbError(db::errors::kItemNotFound,
                          QStringLiteral("Nome di campo non valido: '%1'").arg(field));
    return QLatin1Char('[') + field + QLatin1Char(']');
}

// Today's date as the program writes dates ("dd/MM/yyyy").
QString todayShortDate(const Clock& clock) {
    return DataTesto(QDateTime(clock.now().date(), QTime(0, 0)));
}

}  // namespace

QString TestoLingua(const db::Database& database, qint16 Gara, const QString& field) {
    const auto v = firstValue(database,
                              QStringLiteral("SELECT ") + fieldIdentifier(field) +
                                  QStringLiteral(" FROM Lingue LEFT JOIN Gare"
                                                 " ON Lingue.li_Lingua = Gare.ga_Lingua"
                                                 " WHERE ga_Gara = ?"),
                              {int(Gara)});
    return v ? stored::text(*v) : QString();
}

qint32 IdDisciplinaGara(const db::Database& database, qint16 Gara) {
    const auto v = firstValue(database, QStringLiteral("SELECT ds_Id FROM QGare WHERE ga_Gara = ?"),
                              {int(Gara)});
    return v ? stored::numberReadLong(*v, QStringLiteral("ds_Id")) : 0;
}

qint16 NumeroIntermedi(const db::Database& database, qint16 Gara, bool fromRace) {
    if (fromRace) {
        const auto v = firstValue(
            database, QStringLiteral("SELECT ga_Intermedi FROM Gare WHERE ga_Gara = ?"), {int(Gara)});
        return v ? stored::integer(*v, QStringLiteral("ga_Intermedi")) : 0;
    }
    const auto v = firstValue(database,
                              QStringLiteral("SELECT MAX(tp_NumeroIntermedio) AS TOTINTERMEDI"
                                             " FROM QPuntiRilevamento WHERE pr_Gara = ?"),
                              {int(Gara)});
    const qint16 numbered = v ? stored::numberReadInteger(*v, QStringLiteral("TOTINTERMEDI")) : 0;
    if (numbered != 0)
        return numbered;
    // Intermediate detection points (types 1 and 2) without numbered intermediates count as
    // the most the race can have.
    const db::Recordset points = database.openRecordset(
        QStringLiteral("SELECT * FROM QPuntiRilevamento WHERE pr_Gara = ?"
                       " AND (pr_TipoPuntoRilevamento = 1 OR pr_TipoPuntoRilevamento = 2)"),
        {int(Gara)});
    return points.eof() ? 0 : 5;
}

qint16 NumeroManche(const db::Database& database, qint16 Gara, bool fromRace) {
    if (fromRace) {
        const auto v = firstValue(
            database, QStringLiteral("SELECT ga_Manches FROM Gare WHERE ga_Gara = ?"), {int(Gara)});
        return v ? stored::integer(*v, QStringLiteral("ga_Manches")) : 0;
    }
    const auto v = firstValue(database,
                              QStringLiteral("SELECT MAX(se_Manche) AS TOTMANCHES FROM Sessioni"
                                             " WHERE se_Gara = ? AND se_TipoTurno = ?"
                                             " AND se_StatoSessione <> 3"),
                              {int(Gara), CodiceTipoTurno(database, kTipoTurnoQualificazione)});
    return v ? stored::numberReadInteger(*v, QStringLiteral("TOTMANCHES")) : 0;
}

qint32 IdDisciplina(const db::Database& database, const QString& code) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT ds_Id FROM Discipline WHERE ds_Disciplina = ?"), {code});
    return v ? stored::longValue(*v, QStringLiteral("ds_Id")) : 0;
}

qint32 IdSpecialita(const db::Database& database, const QString& code) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT sp_Id FROM Specialita WHERE sp_Specialita = ?"), {code});
    return v ? stored::longValue(*v, QStringLiteral("sp_Id")) : 0;
}

qint32 IdTipoTurno(const db::Database& database, const QString& code) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT tt_Id FROM TipiTurni WHERE tt_TipoTurno = ?"), {code});
    return v ? stored::longValue(*v, QStringLiteral("tt_Id")) : 0;
}

QString CodiceTipoTurno(const db::Database& database, qint32 id) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT tt_TipoTurno FROM TipiTurni WHERE tt_Id = ?"), {id});
    return v ? basic::UCase(stored::text(*v)) : QString();
}

QString DescrizioneSessioneTurno(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                                 qint16 Manche) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT se_Descrizione FROM QTipiTurniMancheGara") + kSessionFilter,
        sessionParams(Gara, TipoTurno, Manche));
    return v ? stored::text(*v) : QString();
}

bool GaraNelDatabase(const db::Database& database, qint16 Gara) {
    return firstValue(database, QStringLiteral("SELECT ga_Gara FROM Gare WHERE ga_Gara = ?"), {int(Gara)})
        .has_value();
}

bool GaraParallelo(const db::Database& database, qint16 Gara) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT ga_Parallelo FROM Gare WHERE ga_Gara = ?"), {int(Gara)});
    return v ? stored::boolean(*v, QStringLiteral("ga_Parallelo")) : false;
}

QString DescrizioneSessioneDb(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                              qint16 Manche) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT se_Descrizione FROM Sessioni") + kSessionFilter,
        sessionParams(Gara, TipoTurno, Manche));
    return v ? stored::text(*v) : QString();
}

qint32 StatoSessioneDb(const db::Database& database, qint16 Gara, const QString& TipoTurno,
                       qint16 Manche) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT se_StatoSessione FROM Sessioni") + kSessionFilter,
        sessionParams(Gara, TipoTurno, Manche));
    return v ? stored::longValue(*v, QStringLiteral("se_StatoSessione")) : 0;
}

QString CampoGara(const db::Database& database, qint16 Gara, const QString& field, const Clock& clock) {
    const auto v = firstValue(
        database,
        QStringLiteral("SELECT ") + fieldIdentifier(field) + QStringLiteral(" FROM Gare WHERE ga_Gara = ?"),
        {int(Gara)});
    if (!v)
        return QString();
    if (!v->isNull())
        return stored::text(*v);
    if (TipoCampoTabella(database, QStringLiteral("Gare"), field) == db::field_type::kDate)
        return todayShortDate(clock);
    return QString();
}

QStringList CategorieConcorrente(const db::Database& database, qint16 Gara, qint16 Concorrente) {
    db::Recordset rs = database.openRecordset(
        QStringLiteral("SELECT ca_Categoria FROM QConcorrentiCategorieCompleta"
                       " WHERE co_Gara = ? AND co_Concorrente = ? ORDER BY ca_Ordine"),
        {int(Gara), int(Concorrente)});
    QStringList codes;
    for (; !rs.eof(); rs.moveNext())
        codes.append(stored::text(rs.value(0)));
    return codes;
}

bool ConcorrenteInCategoria(const db::Database& database, qint16 Gara, qint16 Concorrente,
                            const QString& Categoria) {
    if (Categoria == clsConcorrente::kAllCategories)
        return true;
    const QString wanted = basic::UCase(Categoria);
    for (const QString& code : CategorieConcorrente(database, Gara, Concorrente)) {
        if (basic::UCase(code) == wanted)
            return true;
    }
    return false;
}

qint16 RoundSessione(const db::Database& database, qint16 Gara, const QString& TipoTurno, qint16 Manche) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT se_TabelloneRound FROM Sessioni") + kSessionFilter,
        sessionParams(Gara, TipoTurno, Manche));
    return v ? stored::numberReadInteger(*v, QStringLiteral("se_TabelloneRound")) : 0;
}

qint16 SfidaSessione(const db::Database& database, qint16 Gara, const QString& TipoTurno, qint16 Manche) {
    const auto v = firstValue(
        database, QStringLiteral("SELECT se_TabelloneSfida FROM Sessioni") + kSessionFilter,
        sessionParams(Gara, TipoTurno, Manche));
    return v ? stored::numberReadInteger(*v, QStringLiteral("se_TabelloneSfida")) : Manche;
}

}  // namespace razudar
