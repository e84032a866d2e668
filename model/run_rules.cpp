#include "model/run_rules.h"

#include "model/competitor_states.h"
#include "model/race_times.h"

#include <algorithm>

namespace razudar {

namespace {
// Highest run the results hold.
constexpr int kLastRun = clsConcorrente::kRunSlots - 1;
// The millisecond value that stands for "no time" inside the best-run search.
constexpr qint64 kNoBestTimeMs = 240000000;
// Millisecond counts below this (100 hours) survive the packed form unchanged.
constexpr qint32 kExactRoundTripMs = 360000000;

qint32 clampToLong(qint64 value)
{
    return static_cast<qint32>(std::clamp<qint64>(value, INT32_MIN, INT32_MAX));
}
}  // namespace

qint32 runSplit(const clsConcorrente* competitor, int manche, int split)
{
    const clsRisultati* r = runResult(competitor, manche);
    if (!r || split < 1 || split > 32767)
        return 0;
    return r->OrarioIntermedioItem(static_cast<qint16>(split));
}

qint32 RunRules::stateAfterRun(const clsConcorrente* competitor, int manche) const
{
    if (runAloneCounts())
        return runState(competitor, manche);
    const int last = std::min(manche, kLastRun);
    if (bestRunCounts()) {
        for (int m = 1; m <= last; ++m) {
            if (runState(competitor, m) == kStatoArrivato)
                return kStatoArrivato;
        }
        return kStatoNonArrivato;
    }
    // Runs add up: the first run not arrived decides.
    for (int m = 1; m <= last; ++m) {
        const qint32 state = runState(competitor, m);
        if (state != kStatoArrivato)
            return state;
    }
    return kStatoArrivato;
}

qint32 RunRules::totalTimePacked(const clsConcorrente* competitor, int manche) const
{
    return MillesimiInTempo(totalMilliseconds(competitor, manche));
}

qint32 RunRules::totalTimeMs(const clsConcorrente* competitor, int manche) const
{
    // The packed form reads back exactly below 100 hours; beyond, go through it.
    const qint32 ms = totalMilliseconds(competitor, manche);
    if (ms > -kExactRoundTripMs && ms < kExactRoundTripMs)
        return ms;
    return TempoInMillesimi(MillesimiInTempo(ms));
}

qint32 RunRules::totalMilliseconds(const clsConcorrente* competitor, int manche) const
{
    if (runAloneCounts())
        return TempoInMillesimi(runTime(competitor, manche));
    const int runs = std::min({manche, parallel ? int(sfidaCorrente) : manche, kLastRun});
    if (bestRunCounts()) {
        // Only a run that itself arrived with a time counts: a disqualified or unfinished run
        // that still carries a time is never the best run.
        // The state after run m is 0 once any run up to m has state 0.
        qint64 candidate = 0;
        qint64 best = 0;
        bool anyArrived = false;
        for (int m = 1; m <= runs; ++m) {
            const qint32 state = runState(competitor, m);
            anyArrived = anyArrived || state == kStatoArrivato;
            if (anyArrived) {
                const qint32 time = runTime(competitor, m);
                candidate = (state == kStatoArrivato && time > 0) ? TempoInMillesimi(time) : kNoBestTimeMs;
            }
            best = std::min(candidate, best == 0 ? kNoBestTimeMs : best);
        }
        return clampToLong(best);
    }
    // Runs add up; the state after run m is not 0 as soon as one run up to m is not 0.
    qint64 total = 0;
    const bool withPenalties = withShootingPenalties();
    for (int m = 1; m <= runs; ++m) {
        const clsRisultati* r = runResult(competitor, m);
        if (!r)
            continue;  // a run never created: state 0, no time
        if (r->StatoConcorrente() != kStatoArrivato)
            return 0;
        total += TempoInMillesimi(r->Tempo());
        if (withPenalties)
            total += penaltyMs(competitor, m);
    }
    return clampToLong(total);
}

qint32 RunRules::penaltyMs(const clsConcorrente* competitor, int manche) const
{
    if (!withShootingPenalties() || !competitor)
        return 0;
    const clsRisultati* r = runResult(competitor, manche);
    if (!r || r->PenalitaCount() == 0)
        return 0;
    const clsCategoria* category = categoryOf ? categoryOf(competitor->CategoriaItem(1)) : nullptr;
    const qint32 perMissPacked = category ? qint32(category->BiathlonPenalitaTiro()) * 1000 : 0;
    // The penalty per miss is a packed time (100 = one minute); misses multiply its
    // milliseconds, never its packed digits.
    const qint64 perMissMs = TempoInMillesimi(perMissPacked);
    qint64 total = 0;
    // A wider index than the 16-bit count, which saturates at 32767: the loop always ends.
    const int count = r->PenalitaCount();
    for (int i = 1; i <= count; ++i)
        total += qint64(r->PenalitaItem(qint16(i))) * perMissMs;
    return clampToLong(total);
}

qint32 RunRules::penaltyPacked(const clsConcorrente* competitor, int manche) const
{
    return MillesimiInTempo(penaltyMs(competitor, manche));
}

}  // namespace razudar
