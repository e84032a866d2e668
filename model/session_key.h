#pragma once
// The active session (race, turn type, run) that the program works on. One object, owned by the
// program and passed to whoever reads or changes it.
#include <QString>
#include <QtGlobal>

namespace razudar {

struct SessionKey {
    qint16 SessioneGara = -1;      // race number; -1 = none
    QString SessioneTipoTurno;     // turn-type code, upper case; "" = none
    qint16 SessioneManche = -1;    // run number; -1 = none
};

}  // namespace razudar
