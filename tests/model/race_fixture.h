#pragma once
// Small helpers that fill a race state for the race-model tests.
#include "model/krono.h"

#include <QString>

#include <initializer_list>
#include <memory>

namespace razudar::test {

inline const QString kAll = QStringLiteral("XXXXX");

// Registers a competitor with its number, bib and category codes.
inline std::shared_ptr<clsConcorrente> addCompetitor(clsKrono& k, qint16 number, qint16 bib,
                                                     std::initializer_list<QString> categories = {})
{
    auto c = std::make_shared<clsConcorrente>();
    c->setConcorrente(number);
    c->setPettorale(bib);
    c->setPettoraleStampa(bib);
    for (const QString& code : categories)
        c->CategoriaAdd(code);
    k.ConcorrenteAdd(c, number);
    return c;
}

// A race of `runs` runs of discipline 2 at that resolution, in run `currentRun`.
inline void setRace(clsKrono& k, qint16 runs, qint32 resolution, qint16 currentRun)
{
    k.cGara.setManches(runs);
    k.cGara.setDisciplina(2);
    k.cGara.setRisoluzione(resolution);
    k.setMancheCorrente(currentRun);
}

// Sets the state and time (packed) of one run.
inline void setRun(clsKrono& k, qint16 number, qint16 run, qint32 state, qint32 time, qint32 start = 0)
{
    auto r = k.ConcorrenteItem(number)->Risultati(run);
    r->setStatoConcorrente(state);
    r->setTempo(time);
    r->setOrarioPartenza(start);
}

inline std::vector<qint16> slot(const clsKrono& k, int classifica) { return k.slotOrder(classifica); }

}  // namespace razudar::test
