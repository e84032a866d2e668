// Heat queries of parallel races, the competitor lists of the on-air pages and split times.
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/race_times.h"

#include <algorithm>

#include <QSet>

namespace razudar {

namespace {
}  // namespace

bool clsKrono::SfidaCompletata(qint16 Sfida) const
{
    const RunRules rules = runRules();
    const int run = MancheSfidaCorrente();
    for (const qint16 number : ElencoConcorrentiSfida(Sfida)) {
        if (StatoAperto(rules.stateAfterRun(findConcorrente(number), run)))
            return false;
    }
    return true;
}

int clsKrono::ConcorrenteVincitoreSfidaParallelo(qint16 Sfida) const
{
    if (!SfidaCompletata(Sfida))
        return -1;
    const qint16 a = ConcorrenteParallelo(Sfida, true);
    const qint16 b = ConcorrenteParallelo(Sfida, false);
    const qint16 run = MancheSfidaCorrente();
    const RunRules rules = runRules();
    const qint32 stateA = rules.stateAfterRun(findConcorrente(a), run);
    const qint32 stateB = rules.stateAfterRun(findConcorrente(b), run);
    qint32 gap = 0;
    if (stateA == 0 && stateB == 0)
        gap = DistaccoDaConcorrente(kOverallSlot, run, a, b);
    else if (stateA == 0)
        gap = -1;
    else if (stateB == 0)
        gap = 1;
    // Lane A wins when faster, on equal times and when neither arrived.
    return gap < 1 ? a : b;
}

bool clsKrono::CategoriaPresenteNellaSfida(qint16 Sfida, const QString& Categoria) const
{
    for (const qint16 number : ElencoConcorrentiSfida(Sfida)) {
        const clsConcorrente* c = findConcorrente(number);
        if (c && c->CategoriaCount() >= 1 && c->CategoriaPresente(Categoria))
            return true;
    }
    return false;
}

QList<std::shared_ptr<clsConcorrente>> clsKrono::ElencoConcorrentiConStato(qint16 Manche, qint32 Stato) const
{
    const QSet<qint16> declared(declaredStarters_.cbegin(), declaredStarters_.cend());
    QList<std::shared_ptr<clsConcorrente>> found;
    for (const auto& entry : competitors_.entries()) {
        const clsConcorrente* c = entry.second.get();
        if (runState(c, Manche) != Stato || !declared.contains(entry.first))
            continue;
        bool earlierRunsArrived = true;
        for (int m = 1; m < Manche && m < clsConcorrente::kRunSlots && earlierRunsArrived; ++m)
            earlierRunsArrived = runState(c, m) == 0;
        if (earlierRunsArrived)
            found.append(entry.second);
    }
    return found;
}

int clsKrono::ProbabileProssimoConcorrenteArrivo() const
{
    const RunRules rules = runRules();
    for (const qint16 number : slots_[kStartOrderSlot].order()) {
        if (rules.stateAfterRun(findConcorrente(number), mancheCorrente_) == kStatoInPista)
            return number;
    }
    return -1;
}

qint32 clsKrono::TempoIntermedioConcorrente(qint16 Manche, qint16 Concorrente, qint16 Intermedio) const
{
    const clsConcorrente* c = findConcorrente(Concorrente);
    const qint32 split = runSplit(c, Manche, Intermedio);
    if (split <= 0)
        return 0;
    // Every earlier run counts, as the total the run ends with counts it (not only the run
    // before): the split stands beside a running clock and a gap that count them all.
    const std::optional<qint64> earlier = earlierRunsMs(c, Manche);
    if (!earlier)
        return 0;
    const qint64 elapsed = *earlier + qint64(TempoInMillesimi(split)) - TempoInMillesimi(runStart(c, Manche));
    return MillesimiInTempo(static_cast<qint32>(std::clamp<qint64>(elapsed, INT32_MIN, INT32_MAX)));
}

}  // namespace razudar
