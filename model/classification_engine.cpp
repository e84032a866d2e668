// The classification engine of the race state: run rules, ranking keys and slot rebuilds.
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/race_codes.h"
#include "model/race_times.h"
#include "model/ranking_key.h"
#include "model/ranking_sort.h"

#include <algorithm>
#include <unordered_map>

namespace razudar {

namespace {
// Packed 24:00'00.000: no time inside a ranking key.
constexpr qint32 kNoTimeKey = kMissingTimePacked;

// What the keys of one rebuild share.
struct KeyContext {
    const RunRules& rules;
    int currentRun;  // overall standing: the current run (the heat run in parallel)
    int runningRun;  // splits and start order: MancheCorrente
    bool descending; // ties by descending bib
};

// The ranking key builder: the fields of a competitor's key in a slot of type `type`. A null
// competitor reads as an empty one (state 0, no times, bib 0).
RankingFields keyFields(int type, int slotNumber, const clsConcorrente* c, qint16 number,
                        const KeyContext& context)
{
    RankingFields f;
    f.type = type;
    f.competitor = number;
    f.tie = rankingTie(c ? c->Pettorale() : qint16(0), context.descending);
    switch (type) {
    case 0:
        f.state = context.rules.stateAfterRun(c, context.currentRun);
        f.value = context.rules.totalTimePacked(c, context.currentRun);
        break;
    case 1: {
        f.state = runState(c, slotNumber);
        const qint32 time = runTime(c, slotNumber);
        f.value = (time == 0 || f.state != kStatoArrivato) ? kNoTimeKey : time;
        break;
    }
    case 2: {
        // The state does not take part: elapsed time at the split of the running run.
        const qint32 split = runSplit(c, context.runningRun, slotNumber - 5);
        f.value = kNoTimeKey;
        if (split > 0) {
            const qint32 elapsed = MillesimiInTempo(qint64(TempoInMillesimi(split)) -
                                                    TempoInMillesimi(runStart(c, context.runningRun)));
            if (elapsed > 0)
                f.value = elapsed;
        }
        break;
    }
    case 3: {
        // Without a start order the competitor has 0 and sorts first.
        const clsRisultati* r = runResult(c, context.runningRun);
        f.value = r ? r->OrdinePartenza() : 0;
        break;
    }
    default:
        break;
    }
    return f;
}
}  // namespace

RunRules clsKrono::runRules() const
{
    RunRules rules;
    rules.disciplina = cGara.Disciplina();
    rules.specialita = cGara.Specialita();
    rules.sprint = MancheSprint();
    rules.parallel = MancheParallelo();
    rules.sfidaCorrente = sfidaCorrente_;
    rules.categoryOf = [this](const QString& code) -> const clsCategoria* {
        const qint16 position = CategoriaOrdine(code);
        return position > 0 ? categories_[static_cast<std::size_t>(position - 1)].get() : nullptr;
    };
    return rules;
}

qint16 clsKrono::MancheSfidaCorrente() const { return MancheParallelo() ? sfidaCorrente_ : mancheCorrente_; }

bool clsKrono::UtilizzaSingolaManche() const
{
    return (sfidaCorrente_ == 1 && MancheParallelo()) || cGara.Disciplina() == kDisciplinaSingolaManche ||
           turnoCorrenteTipo_ == kTipoTurnoSingolaManche || mancheCorrente_ == 1;
}

bool clsKrono::OrdinamentoExAequoDescrescente() const
{
    return DisciplinaExAequoDescrescente(cGara.Disciplina());
}

void clsKrono::ImpostaStatoConcorrenti(qint32 Stato)
{
    const int lastRun = std::min<int>(MancheSfidaCorrente(), clsConcorrente::kRunSlots - 1);
    for (const auto& entry : competitors_.entries()) {
        for (int m = 1; m <= lastRun; ++m)
            entry.second->Risultati(static_cast<qint16>(m))->setStatoConcorrente(Stato);
    }
}

qint32 clsKrono::StatoConcorrenteDopoManche(qint16 Manche, qint16 Concorrente) const
{
    return runRules().stateAfterRun(findConcorrente(Concorrente), Manche);
}

qint32 clsKrono::TempoTotaleConcorrente(qint16 Manche, qint16 Concorrente) const
{
    return runRules().totalTimePacked(findConcorrente(Concorrente), Manche);
}

qint32 clsKrono::TempoPenalita(qint16 Manche, qint16 Concorrente) const
{
    return runRules().penaltyPacked(findConcorrente(Concorrente), Manche);
}

QString clsKrono::StatoSigla(qint32 Stato) const
{
    switch (Stato) {
    case kStatoNonArrivato:
        return QStringLiteral("DNF");
    case kStatoNonPartito:
        return QStringLiteral("DNS");
    case kStatoEscluso:
        return QStringLiteral("DSQ");
    default:
        return QString();
    }
}

void clsKrono::rankSlots(std::span<const int> slotNumbers)
{
    // Rules whose category lookup is indexed once for the whole rebuild.
    std::unordered_map<QString, const clsCategoria*> firstCategoryByCode;
    RunRules rules = runRules();
    if (rules.withShootingPenalties()) {
        for (const auto& category : categories_)
            firstCategoryByCode.try_emplace(category->Categoria(), category.get());
        rules.categoryOf = [&firstCategoryByCode](const QString& code) -> const clsCategoria* {
            const auto found = firstCategoryByCode.find(code);
            return found == firstCategoryByCode.end() ? nullptr : found->second;
        };
    }
    const KeyContext context{rules, MancheSfidaCorrente(), mancheCorrente_, OrdinamentoExAequoDescrescente()};
    const std::size_t n = competitors_.size();
    const std::size_t slotCount = slotNumbers.size();

    // One pass over the competitors fills every slot's columns, so each competitor's results
    // are read while they are at hand.
    std::vector<qint32> tie(n);
    std::vector<qint16> number(n);
    std::vector<int> types(slotCount);
    std::vector<std::vector<qint32>> states(slotCount, std::vector<qint32>(n));
    std::vector<std::vector<qint32>> values(slotCount, std::vector<qint32>(n));
    for (std::size_t s = 0; s < slotCount; ++s)
        types[s] = slotTypes_[static_cast<std::size_t>(slotNumbers[s])];

    std::size_t i = 0;
    for (const auto& entry : competitors_.entries()) {
        const clsConcorrente* c = entry.second.get();
        number[i] = entry.first;
        tie[i] = rankingTie(c->Pettorale(), context.descending);
        for (std::size_t s = 0; s < slotCount; ++s) {
            const RankingFields f = keyFields(types[s], slotNumbers[s], c, entry.first, context);
            states[s][i] = f.state;
            values[s][i] = f.value;
        }
        ++i;
    }

    for (std::size_t s = 0; s < slotCount; ++s) {
        SlotRankingColumns columns;
        columns.type = types[s];
        columns.state = states[s];
        columns.value = values[s];
        columns.tie = tie;
        columns.competitor = number;
        std::vector<qint16> order = rankedOrder(columns);
        std::vector<int> registryIndex(order.size());
        for (std::size_t p = 0; p < order.size(); ++p)
            registryIndex[p] = competitors_.indexOf(order[p]);
        slots_[static_cast<std::size_t>(slotNumbers[s])].assign(std::move(order), registryIndex, n);
    }
}

RankingFields clsKrono::rankingFields(qint32 Classifica, qint16 Concorrente) const
{
    const RunRules rules = runRules();
    const KeyContext context{rules, MancheSfidaCorrente(), mancheCorrente_, OrdinamentoExAequoDescrescente()};
    return keyFields(TipoClassifica(Classifica), Classifica, findConcorrente(Concorrente), Concorrente, context);
}

void clsKrono::QuickSortClassifica(qint32 Classifica)
{
    if (Classifica < 0 || Classifica >= kSlotCount)
        return;
    const int slotNumber = Classifica;
    rankSlots(std::span<const int>(&slotNumber, 1));
}

void clsKrono::ElaboraClassifiche()
{
    // Runs and intermediate points come from the race record, which a peer may have sent: only
    // the slots the layout has room for (runs 1-5, points 1-5) are rebuilt.
    // All slots are ranked in one pass over the competitors: overall, runs, splits, start order.
    std::vector<int> slotNumbers{kOverallSlot};
    const int runs = std::clamp<int>(cGara.Manches(), 0, kMaxRankedRuns);
    for (int i = 1; i <= runs; ++i)
        slotNumbers.push_back(i);
    const int splits = std::clamp<int>(cGara.Intermedi(), 0, kMaxRankedSplits);
    for (int i = kFirstSplitSlot; i < kFirstSplitSlot + splits; ++i)
        slotNumbers.push_back(i);
    slotNumbers.push_back(kStartOrderSlot);
    rankSlots(slotNumbers);
    ElaborazioneClassificaCompletata.raise();
}

}  // namespace razudar
