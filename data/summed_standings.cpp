// Standings by summed run times (parallel and knock-out formats).
#include <QHash>

#include <algorithm>
#include <vector>

#include "data/loader_values.h"
#include "data/one_value_queries.h"
#include "data/summed_standings_table.h"
#include "model/basic.h"
#include "model/race_codes.h"
#include "model/race_times.h"

namespace razudar {

namespace {

struct Entry {
    qint16 competitor = 0;
    qint64 totalMs = 0;
    int timedRuns = 0;  // runs 1..counted runs with a time
};

enum Column { kCompetitor = 0, kTotal = 1, kMissingRuns = 2, kColumns = 3 };

// The number of runs that count, read from "0" + the race's ga_NumeroDisceseTabellone.
double countedRuns(const db::Database& database, qint16 Gara) {
    db::Recordset rs = database.openRecordset(
        QStringLiteral("SELECT ga_NumeroDisceseTabellone FROM Gare WHERE ga_Gara = ?"), {int(Gara)});
    return rs.eof() ? 0 : stored::numberRead(rs.value(0));
}

}  // namespace

QList<qint16> ClassificaTempiSommati(const db::Database& database, qint16 Gara,
                                     const QString& Categoria, qint32 IdTipoTurnoStandings) {
    const QString turnType = CodiceTipoTurno(database, IdTipoTurnoStandings);
    const double runs = countedRuns(database, Gara);
    // The runs are 16-bit numbers: a stored count beyond them counts every run.
    const int wholeRuns = int(std::clamp(basic::Int(runs), 0.0, 32767.0));

    db::Recordset rs = database.openRecordset(
        QStringLiteral("SELECT sc_Concorrente, sc_Tempo, sc_Manche FROM SessioniConcorrenti"
                       " WHERE sc_Gara = ? AND sc_TipoTurno = ? AND sc_Manche <= ?"
                       " ORDER BY sc_Manche, sc_Concorrente"),
        {int(Gara), turnType, runs});

    std::vector<Entry> entries;
    QHash<qint16, qsizetype> entryOf;
    QHash<qint16, bool> inCategory;  // the category query once per competitor
    for (; !rs.eof(); rs.moveNext()) {
        const qint16 competitor = stored::integer(rs.value(0), QStringLiteral("sc_Concorrente"));
        auto member = inCategory.constFind(competitor);
        if (member == inCategory.constEnd())
            member = inCategory.insert(competitor,
                                       ConcorrenteInCategoria(database, Gara, competitor, Categoria));
        if (!member.value())
            continue;
        const qint32 ms = TempoInMillesimi(rs.value(1));
        const qint16 run = stored::integer(rs.value(2), QStringLiteral("sc_Manche"));
        auto at = entryOf.constFind(competitor);
        if (at == entryOf.constEnd()) {
            at = entryOf.insert(competitor, qsizetype(entries.size()));
            entries.push_back(Entry{competitor, 0, 0});
        }
        Entry& entry = entries[std::size_t(at.value())];
        entry.totalMs += ms;
        if (ms > 0 && run >= 1 && run <= wholeRuns)
            ++entry.timedRuns;
    }
    if (entries.empty())
        return {};

    NumberTable table(int(entries.size()), kColumns);
    for (int row = 0; row < int(entries.size()); ++row) {
        const Entry& e = entries[std::size_t(row)];
        table.set(row, kCompetitor, e.competitor);
        table.set(row, kTotal, e.totalMs);
        table.set(row, kMissingRuns, std::max(wholeRuns - e.timedRuns, 0));
    }
    // By total, then (stable) by missing runs: complete totals first.
    table.sortByColumn(kTotal);
    table.sortByColumn(kMissingRuns);

    QList<qint16> order;
    order.reserve(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row)
        order.append(qint16(table.get(row, kCompetitor)));
    return order;
}

QList<qint16> ClassificaTempiSommatiTurni(const db::Database& database, qint16 Gara,
                                          const QString& Categoria) {
    QList<qint16> order = ClassificaTempiSommati(database, Gara, Categoria, kTipoTurnoFinalePrima);
    order.append(ClassificaTempiSommati(database, Gara, Categoria, kTipoTurnoFinaleSeconda));
    return order;
}

}  // namespace razudar
