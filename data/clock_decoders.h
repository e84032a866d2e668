#pragma once
// Decoders of the timekeeping application's clock message ("AGGIORNAORARIO") and of its reply to
// the session-key request ("RICHIESTACHIAVESESSIONE"). Both read section 0 of the object text
// only and set this PC's clock from its value 0. A payload that cannot be read (no object
// markers, too few values, a clock message whose time is not a number) is ignored: nothing
// changes. A session key whose time alone cannot be used still sets the session; only the clock
// is left as it was.
#include <QString>
#include <QtGlobal>

#include "model/session_key.h"

namespace razudar {

class Clock;
class SystemClockSetter;

// Sets the PC clock from the packed time of day in value 0 and returns the operator text of
// ImpostaOrarioComputer (the new time and the difference, or the failure text); "" when the
// payload is ignored.
QString OrarioDaTesto(const QString& payload, const Clock& clock, SystemClockSetter& setter);

// How much of a session-key reply was used.
enum class SessionKeyReply {
    Ignored,      // not read: neither the clock nor the key changed
    Read,         // the clock was given the time (its setting may still refuse it) and the key set
    TimeUnusable  // the key was set; the time is no time of day, so the clock was not touched
};

// Sets the PC clock from value 0 (its operator text is not used), then writes the race number
// (value 1), the turn-type code (value 2, spaces removed at both ends) and the run number (value
// 3) into the three variables. A race or run that is empty, not numeric or out of range becomes
// 0. A time that is not a number or no time of day leaves the clock alone, and the key is still
// written.
SessionKeyReply ChiaveSessioneDaTesto(const QString& payload, qint16& race, QString& turnType, qint16& run,
                                      const Clock& clock, SystemClockSetter& setter);
// The same, writing the active session.
inline SessionKeyReply ChiaveSessioneDaTesto(const QString& payload, SessionKey& session, const Clock& clock,
                                             SystemClockSetter& setter) {
    return ChiaveSessioneDaTesto(payload, session.SessioneGara, session.SessioneTipoTurno,
                                 session.SessioneManche, clock, setter);
}

}  // namespace razudar
