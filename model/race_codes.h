#pragma once
// The codes of the race record that change how a race is classified, loaded and shown: the
// discipline id (`clsGara::Disciplina`), the speciality id (`clsGara::Specialita`) and the turn
// type id of the current session (`clsKrono::TurnoCorrenteTipo`). The values are the ids the
// race database gives them; every rule that tests one of them names it here.
#include <QtGlobal>

#include <algorithm>
#include <array>

namespace razudar {

// ---- disciplines (clsGara::Disciplina) -------------------------------------------------------

// Raced without a clock on show: the parallel running clock and its background stay hidden, and
// a parallel heat's gap is given even before both lanes have a time.
inline constexpr qint32 kDisciplinaSenzaOrologio = 1;
// Started at set times: the start list follows the theoretical start times.
inline constexpr qint32 kDisciplinaPartenzaAOrario = 2;
// Shooting: the shooting penalties are loaded and added to the run times; started at set times.
inline constexpr qint32 kDisciplinaBiathlon = 5;
// Classified on a single run: the run alone gives state and time, and the console stays on the
// run's own tab.
inline constexpr qint32 kDisciplinaSingolaManche = 15;
// Disciplines whose ties (same state, same time) put the higher bib first.
inline constexpr std::array<qint32, 5> kDisciplineExAequoDescrescente = {kDisciplinaSenzaOrologio, 6, 10, 12,
                                                                         kDisciplinaSingolaManche};

constexpr bool DisciplinaExAequoDescrescente(qint32 disciplina) {
    return std::ranges::find(kDisciplineExAequoDescrescente, disciplina) != kDisciplineExAequoDescrescente.end();
}
// The start list follows the theoretical start times rather than the start order.
constexpr bool DisciplinaPartenzaAOrario(qint32 disciplina) {
    return disciplina == kDisciplinaPartenzaAOrario || disciplina == kDisciplinaBiathlon;
}

// ---- specialities (clsGara::Specialita) ------------------------------------------------------

// Ranked on the best run: arrived once is arrived.
inline constexpr qint32 kSpecialitaMiglioreManche = 5;
// A team event: lists name the team instead of the competitor.
inline constexpr qint32 kSpecialitaSquadre = 6;
// Sprint runs (`MancheSprint`): the run alone decides, outside the timed turns.
inline constexpr qint32 kSpecialitaSprint = 7;
// The first run counts in whole seconds once later runs are on: the loader drops its thousandths.
inline constexpr qint32 kSpecialitaPrimaMancheSecondiInteri = 9;

// ---- turn types (clsKrono::TurnoCorrenteTipo, the TipiTurni ids) ------------------------------

// A timed turn classified on its current run alone; the console offers no overall tab.
inline constexpr qint32 kTipoTurnoSingolaManche = 1;
// The timed turn of the race's runs: its sessions count the runs, and a parallel race shows its
// standings pages only in this turn.
inline constexpr qint32 kTipoTurnoQualificazione = 2;
// The two final turns of a bracket: their summed times give the final standings, 10 first.
inline constexpr qint32 kTipoTurnoFinalePrima = 10;
inline constexpr qint32 kTipoTurnoFinaleSeconda = 11;

// Turn types 1 and 2 run one competitor at a time against the clock: they switch off the
// parallel heats and the sprint runs of the race.
constexpr bool TipoTurnoCronometrato(qint32 tipoTurno) {
    return tipoTurno == kTipoTurnoSingolaManche || tipoTurno == kTipoTurnoQualificazione;
}
constexpr bool TipoTurnoFinale(qint32 tipoTurno) {
    return tipoTurno == kTipoTurnoFinalePrima || tipoTurno == kTipoTurnoFinaleSeconda;
}

}  // namespace razudar
