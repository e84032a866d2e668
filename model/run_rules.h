#pragma once
// The rules that give a competitor's state, total time and shooting penalty after a run, from
// the race's discipline, speciality and run mode. Runs that were never created read as state 0
// and time 0. Times in and out are packed; arithmetic is done in milliseconds.
#include "model/category.h"
#include "model/competitor.h"
#include "model/race_codes.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace razudar {

// Run result fields of a competitor that may be absent (nullptr) or have no result for the run.
inline const clsRisultati* runResult(const clsConcorrente* competitor, int manche)
{
    return competitor ? competitor->existingResult(manche) : nullptr;
}
inline qint32 runState(const clsConcorrente* competitor, int manche)
{
    const clsRisultati* r = runResult(competitor, manche);
    return r ? r->StatoConcorrente() : 0;
}
inline qint32 runTime(const clsConcorrente* competitor, int manche)
{
    const clsRisultati* r = runResult(competitor, manche);
    return r ? r->Tempo() : 0;
}
inline qint32 runStart(const clsConcorrente* competitor, int manche)
{
    const clsRisultati* r = runResult(competitor, manche);
    return r ? r->OrarioPartenza() : 0;
}
qint32 runSplit(const clsConcorrente* competitor, int manche, int split);

struct RunRules {
    qint32 disciplina = 0;
    qint32 specialita = 0;
    bool sprint = false;          // MancheSprint
    bool parallel = false;        // MancheParallelo
    qint16 sfidaCorrente = 0;
    // The category of a code (first with that code); nullptr when none.
    std::function<const clsCategoria*(const QString&)> categoryOf;

    // The run alone decides (a single-run discipline or a sprint).
    bool runAloneCounts() const { return disciplina == kDisciplinaSingolaManche || sprint; }
    bool bestRunCounts() const { return specialita == kSpecialitaMiglioreManche; }
    bool withShootingPenalties() const { return disciplina == kDisciplinaBiathlon; }

    qint32 stateAfterRun(const clsConcorrente* competitor, int manche) const;
    qint32 totalTimePacked(const clsConcorrente* competitor, int manche) const;
    // The same total in milliseconds, as TempoInMillesimi(totalTimePacked(...)) reads it.
    qint32 totalTimeMs(const clsConcorrente* competitor, int manche) const;
    qint32 penaltyPacked(const clsConcorrente* competitor, int manche) const;
    qint32 penaltyMs(const clsConcorrente* competitor, int manche) const;

private:
    qint32 totalMilliseconds(const clsConcorrente* competitor, int manche) const;
};

}  // namespace razudar
