#pragma once
// The competitor state codes of a run result (`StatoConcorrente`). Classifications rank them in
// numeric order: an arrived competitor first, then the open states, then the closed ones.
#include <QtGlobal>

namespace razudar {

inline constexpr qint32 kStatoArrivato = 0;            // finished with a valid time
inline constexpr qint32 kStatoApertoUno = 1;           // open: not finished
inline constexpr qint32 kStatoAperto = 10;             // open: every result starts here on a load
inline constexpr qint32 kStatoInPista = 20;            // started and on course (still open)
inline constexpr qint32 kStatoNonArrivato = 30;        // did not finish
inline constexpr qint32 kStatoNonPartito = 40;         // did not start
inline constexpr qint32 kStatoFuoriTempoMassimo = 50;  // closed, keeps its time in the printed lists
inline constexpr qint32 kStatoEscluso = 60;            // disqualified

// The competitor has not finished the run: 1, 10 or 20.
constexpr bool StatoAperto(qint32 stato) {
    return stato == kStatoApertoUno || stato == kStatoAperto || stato == kStatoInPista;
}

}  // namespace razudar
