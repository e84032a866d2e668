// Race loader: open states, stored results, shooting penalties, intermediate times and the
// state abbreviations of the race language.
#include <vector>

#include "data/loader_rows.h"
#include "data/loader_steps.h"
#include "data/one_value_queries.h"
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/race_codes.h"

namespace razudar {

namespace {
constexpr qint32 kFirstRun = 0;
constexpr qint32 kLastRun = clsConcorrente::kRunSlots - 1;
constexpr int kShootingSeries = 4;

// What a result row of an ordinary or sprint turn gives (the heat is read in parallel turns
// only, where it is the run index).
const QString kResultFields = QStringLiteral(
    "SELECT sc_Manche, sc_Concorrente, sc_OrarioPartenza, sc_OrarioArrivo, sc_Tempo,"
    " sc_StatoConcorrente");

// The run time without its thousandths (cut, not rounded): the first-run time of the
// speciality that counts the first run in whole seconds once later runs are on.
qint32 withoutThousandths(qint32 packed) { return packed - packed % 1000; }
}  // namespace

clsRisultati& RaceLoader::resultOf(qint16 competitor, qint16 run, const QString& runField) {
    if (!lastResult_ || competitor != lastCompetitor_ || run != lastRun_) {
        stored::inRange(run, kFirstRun, kLastRun, runField);
        lastResult_ = k_.ConcorrenteItem(competitor)->Risultati(run);
        lastCompetitor_ = competitor;
        lastRun_ = run;
    }
    return *lastResult_;
}

void RaceLoader::loadResults() {
    k_.ImpostaStatoConcorrenti(kStatoAperto);

    const bool parallel = k_.MancheParallelo();
    db::RowReader rs;
    if (parallel) {
        rs = db_.openReader(
            QStringLiteral("SELECT * FROM (Sessioni"
                           " LEFT JOIN OrdinePartenza"
                           " ON Sessioni.se_Gara = OrdinePartenza.op_Gara"
                           " AND Sessioni.se_TipoTurno = OrdinePartenza.op_TipoTurno"
                           " AND Sessioni.se_Manche = OrdinePartenza.op_Manche)"
                           " LEFT JOIN SessioniConcorrenti"
                           " ON OrdinePartenza.op_Gara = SessioniConcorrenti.sc_Gara"
                           " AND OrdinePartenza.op_TipoTurno = SessioniConcorrenti.sc_TipoTurno"
                           " AND OrdinePartenza.op_Manche = SessioniConcorrenti.sc_Manche"
                           " AND OrdinePartenza.op_Concorrente = SessioniConcorrenti.sc_Concorrente"
                           " WHERE Sessioni.se_Gara = ? AND Sessioni.se_TipoTurno = ?"
                           " AND Sessioni.se_Manche <= ?"),
            {int(gara_), tipoTurno_, int(k_.RoundCorrente())});
    } else if (k_.MancheSprint()) {
        rs = db_.openReader(
            kResultFields + QStringLiteral(" FROM QSessioniConcorrenti"
                                           " WHERE sc_Gara = ? AND sc_TipoTurno = ? AND sc_Manche = ?"),
            {int(gara_), tipoTurno_, int(manche_)});
    } else {
        // Each row sets one competitor's run and removes that competitor from the expected
        // starters, so the order of the rows changes nothing: read them in the key's order
        // (run, competitor) rather than by bib, which saves a join and a sort.
        rs = db_.openReader(
            kResultFields + QStringLiteral(" FROM QSessioniConcorrenti"
                                           " WHERE sc_Gara = ? AND sc_TipoTurno = ? AND sc_Manche <= ?"
                                           " ORDER BY sc_Manche, sc_Concorrente"),
            {int(gara_), tipoTurno_, int(manche_)});
    }
    LoaderRows row(std::move(rs));
    const int run = row.column(QStringLiteral("sc_Manche"));
    const int id = row.column(QStringLiteral("sc_Concorrente"));
    const int start = row.column(QStringLiteral("sc_OrarioPartenza"));
    const int finish = row.column(QStringLiteral("sc_OrarioArrivo"));
    const int time = row.column(QStringLiteral("sc_Tempo"));
    const int state = row.column(QStringLiteral("sc_StatoConcorrente"));
    const int runIndexColumn = parallel ? row.column(QStringLiteral("se_TabelloneSfida")) : run;
    const QString runIndexField = row.name(runIndexColumn);
    const bool cutFirstRun =
        k_.cGara.Specialita() == kSpecialitaPrimaMancheSecondiInteri && k_.MancheCorrente() != 1;
    std::vector<LoaderRows::KeyPart> key{{QStringLiteral("gara"), QString::number(gara_)},
                                         {QStringLiteral("turno"), tipoTurno_, -1, true},
                                         {QStringLiteral("manche"), {}, run}};
    if (parallel)
        key.push_back({QStringLiteral("sfida"), {}, runIndexColumn});
    key.push_back({QStringLiteral("concorrente"), {}, id});
    row.keyedBy(std::move(key));

    for (; !row.atEnd(); row.next()) {
        // The run index must hold a value on every row: the heat in a parallel turn (where the
        // run may be Null), the run otherwise.
        const qint16 m = row.integer(runIndexColumn);
        // A start position without a stored result has no competitor (Null): skipped.
        if (row.isNull(id))
            continue;
        const qint16 competitor = row.integer(id);
        if (competitor <= 0)
            continue;
        clsRisultati& result = resultOf(competitor, m, runIndexField);
        result.setOrarioPartenza(row.longValue(start));
        result.setOrarioArrivo(row.longValue(finish));
        const qint32 runTime = row.longValue(time);
        result.setTempo(cutFirstRun && m == 1 ? withoutThousandths(runTime) : runTime);
        const qint32 stateCode = row.longValue(state);
        result.setStatoConcorrente(stateCode);
        // Whoever has started or is out in the current run is no longer expected at the start.
        const bool currentRun = !row.isNull(run) && row.integer(run) == manche_;
        if (currentRun && stateCode != kStatoInPista && stateCode != kStatoAperto)
            k_.PartenteRimuovi(competitor);
    }
}

void RaceLoader::loadPenalties() {
    if (IdDisciplinaGara(db_, gara_) != kDisciplinaBiathlon)
        return;
    LoaderRows row(db_.openReader(
        QStringLiteral("SELECT * FROM QSessioniConcorrentiPenalita"
                       " WHERE sp_Gara = ? AND sp_TipoTurno = ? AND sp_Manche <= ?"
                       " ORDER BY sp_Manche, co_Pettorale"),
        {int(gara_), tipoTurno_, int(manche_)}));
    const int id = row.column(QStringLiteral("co_Concorrente"));
    const int run = row.column(QStringLiteral("sp_Manche"));
    int series[kShootingSeries];
    for (int i = 0; i < kShootingSeries; ++i)
        series[i] = row.column(QStringLiteral("sp_PenalitaTiro%1").arg(i + 1));
    const QString runField = row.name(run);
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("turno"), tipoTurno_, -1, true},
                 {QStringLiteral("manche"), {}, run},
                 {QStringLiteral("concorrente"), {}, id}});
    // The competitor may be Null (the row is skipped); the run and the misses must hold values.
    for (; !row.atEnd(); row.next()) {
        if (row.isNull(id))
            continue;
        clsRisultati& result = resultOf(row.integer(id), row.integer(run), runField);
        for (int column : series)
            result.PenalitaAdd(row.integer(column));
    }
}

void RaceLoader::loadIntermediateTimes() {
    // A competitor's times of a run are appended in point order; the order between
    // competitors changes no list, so the rows follow the key (run, competitor, point) rather
    // than the bib, which saves a join and a sort.
    LoaderRows row(db_.openReader(
        QStringLiteral("SELECT si_Concorrente, si_Manche, si_Orario, si_Intermedio FROM QSessioniConcorrentiIntermedi"
                       " WHERE si_Gara = ? AND si_TipoTurno = ? AND si_Manche <= ? AND si_Orario <> 0"
                       " ORDER BY si_Manche, si_Concorrente, si_Intermedio"),
        {int(gara_), tipoTurno_, int(manche_)}));
    const int id = row.column(QStringLiteral("si_Concorrente"));
    const int run = row.column(QStringLiteral("si_Manche"));
    const int time = row.column(QStringLiteral("si_Orario"));
    const QString runField = row.name(run);
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("turno"), tipoTurno_, -1, true},
                 {QStringLiteral("manche"), {}, run},
                 {QStringLiteral("concorrente"), {}, id},
                 {QStringLiteral("intermedio"), {}, row.column(QStringLiteral("si_Intermedio"))}});
    for (; !row.atEnd(); row.next())
        resultOf(row.integer(id), row.integer(run), runField).OrarioIntermedioAdd(row.longValue(time));
}

void RaceLoader::loadStateAbbreviations() {
    k_.setSiglaStatoEscluso(TestoLingua(db_, gara_, QStringLiteral("li_SiglaEscluso")));
    k_.setSiglaStatoFTM(TestoLingua(db_, gara_, QStringLiteral("li_SiglaFTM")));
    k_.setSiglaStatoNonArrivato(TestoLingua(db_, gara_, QStringLiteral("li_SiglaNonArrivato")));
    k_.setSiglaStatoNonPartito(TestoLingua(db_, gara_, QStringLiteral("li_SiglaNonPartito")));
    k_.setSiglaStatoPartito(TestoLingua(db_, gara_, QStringLiteral("li_SiglaPartito")));
}

}  // namespace razudar
