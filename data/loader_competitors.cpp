// Race loader: competitors with their categories, start list and heat pairs.
#include <memory>

#include "data/loader_rows.h"
#include "data/loader_steps.h"
#include "model/basic.h"
#include "model/krono.h"
#include "model/race_codes.h"

namespace razudar {

namespace {
constexpr qint32 kFirstRun = 0;
constexpr qint32 kLastRun = clsConcorrente::kRunSlots - 1;
constexpr qint32 kLastStartPosition = 32767;  // start positions are kept in 16 bits
}  // namespace

void RaceLoader::loadCompetitors() {
    LoaderRows row(db_.openReader(
        QStringLiteral("SELECT QConcorrenti.co_Concorrente, QConcorrenti.co_Pettorale,"
                       " QConcorrenti.co_PettoraleStampa, QConcorrenti.co_Cognome, QConcorrenti.co_Nome,"
                       " QConcorrenti.co_Squadra, QConcorrenti.co_Nazionalita, QConcorrenti.co_Societa,"
                       " QConcorrenti.ss_Descrizione, QConcorrentiCategorie.ca_Categoria FROM QConcorrenti"
                       " LEFT JOIN QConcorrentiCategorie"
                       " ON QConcorrenti.co_Gara = QConcorrentiCategorie.co_Gara"
                       " AND QConcorrenti.co_Concorrente = QConcorrentiCategorie.co_Concorrente"
                       " WHERE QConcorrenti.co_Gara = ?"
                       " ORDER BY QConcorrenti.co_Concorrente, QConcorrentiCategorie.ca_Categoria"),
        {int(gara_)}));
    const int id = row.column(QStringLiteral("co_Concorrente"));
    const int bib = row.column(QStringLiteral("co_Pettorale"));
    const int printedBib = row.column(QStringLiteral("co_PettoraleStampa"));
    const int surname = row.column(QStringLiteral("co_Cognome"));
    const int name = row.column(QStringLiteral("co_Nome"));
    const int team = row.column(QStringLiteral("co_Squadra"));
    const int nation = row.column(QStringLiteral("co_Nazionalita"));
    const int club = row.column(QStringLiteral("co_Societa"));
    const int clubName = row.column(QStringLiteral("ss_Descrizione"));
    const int category = row.column(QStringLiteral("ca_Categoria"));
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("concorrente"), {}, id}});

    // One competitor per group of consecutive rows with the same id, one category per row.
    // The rows of a group repeat the competitor's own fields, so these are read from the first.
    // The id and the bib must hold a value; the printed bib (0) and the texts ("") may be Null.
    while (!row.atEnd()) {
        auto competitor = std::make_shared<clsConcorrente>();
        const qint16 number = row.integer(id);
        competitor->setConcorrente(number);
        competitor->setPettorale(row.integer(bib));
        competitor->setPettoraleStampa(row.numberReadInteger(printedBib));
        competitor->setCognome(basic::UCase(row.textOrEmpty(surname)));
        competitor->setNome(row.textOrEmpty(name));
        competitor->setSquadra(row.textOrEmpty(team));
        competitor->setNazionalita(basic::UCase(row.textOrEmpty(nation)));
        competitor->setSocieta(row.textOrEmpty(club));
        competitor->setSocietaDescrizione(row.textOrEmpty(clubName));
        do {
            competitor->CategoriaAdd(row.textOrEmpty(category));
            row.next();
        } while (!row.atEnd() && row.integer(id) == number);
        k_.ConcorrenteAdd(std::move(competitor), number);
    }
}

void RaceLoader::loadStartList() {
    const QString sortField = DisciplinaPartenzaAOrario(k_.cGara.Disciplina())
                                  ? QStringLiteral("op_OrarioPartenzaTeorico")
                                  : QStringLiteral("op_OrdinePartenza");
    // The session's heat is the run index of a parallel turn only; other turns do not read it.
    const bool parallel = k_.MancheParallelo();
    LoaderRows row(db_.openReader(
        QStringLiteral("SELECT co_Concorrente") +
            (parallel ? QStringLiteral(", se_TabelloneSfida") : QString()) +
            QStringLiteral(" FROM QOrdinePartenza"
                           " WHERE op_Gara = ? AND op_TipoTurno = ? AND op_Manche = ?"
                           " ORDER BY ") + sortField + QStringLiteral(", co_Pettorale"),
        {int(gara_), tipoTurno_, int(manche_)}));
    const int id = row.column(QStringLiteral("co_Concorrente"));
    const int heat = parallel ? row.column(QStringLiteral("se_TabelloneSfida")) : -1;
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("turno"), tipoTurno_, -1, true},
                 {QStringLiteral("manche"), QString::number(manche_)},
                 {QStringLiteral("concorrente"), {}, id}});
    // Positions count every row, empty positions (a Null competitor) included. The session's
    // heat may be Null here (heat 0).
    qint32 position = 0;
    for (; !row.atEnd(); row.next()) {
        ++position;
        if (row.isNull(id))
            continue;
        const qint16 number = row.integer(id);
        k_.PartenteAggiungi(number);
        const auto run = qint16(parallel ? stored::inRange(row.numberReadInteger(heat), kFirstRun, kLastRun,
                                                           row.name(heat))
                                         : stored::inRange(manche_, kFirstRun, kLastRun,
                                                           QStringLiteral("Manche")));
        k_.setOrdinePartenza(run, number,
                             stored::inRange(position, 1, kLastStartPosition,
                                             QStringLiteral("op_OrdinePartenza")));
    }

    if (!parallel)
        return;
    LoaderRows pair(db_.openReader(
        QStringLiteral("SELECT * FROM TabelloneParallelo"
                       " WHERE tp_Gara = ? AND tp_TipoTurno = ? AND tp_Manche = ?"
                       " ORDER BY tp_Sfida"),
        {int(gara_), tipoTurno_, int(manche_)}));
    const int heatNumber = pair.column(QStringLiteral("tp_Sfida"));
    const int laneA = pair.column(QStringLiteral("tp_ConcorrenteA"));
    const int laneB = pair.column(QStringLiteral("tp_ConcorrenteB"));
    pair.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                  {QStringLiteral("turno"), tipoTurno_, -1, true},
                  {QStringLiteral("manche"), QString::number(manche_)},
                  {QStringLiteral("sfida"), {}, heatNumber}});
    for (; !pair.atEnd(); pair.next()) {
        const qint16 h = pair.integer(heatNumber);
        k_.ElencoCoppieSfideAdd(h, pair.integer(laneA));
        k_.ElencoCoppieSfideAdd(h, pair.integer(laneB));
    }
}

}  // namespace razudar
