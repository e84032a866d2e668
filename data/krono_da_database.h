#pragma once
// The race loader: a complete new race state for one session (race, turn-type code, run) built
// from the race database, ranked, with the monitor settings reloaded for it. The caller installs
// the result as the current race state; on failure it keeps the race state it has.
#include <QString>
#include <QtGlobal>

#include <memory>

namespace razudar {

class Clock;
class clsKrono;
struct DatabaseState;
struct MonitorState;

struct KronoDaDatabaseResult {
    // The new race state; null when the load failed.
    std::shared_ptr<clsKrono> krono;
    // What stopped the load, for the operator ("" on success): the database's own message
    // ("Errore <n> <text>") or the field whose stored value could not be used.
    QString error;
    // What the monitor-settings load found missing on a successful load (an empty Monitor table,
    // a Null setting), for the operator; "" when everything was there.
    QString warning;
    // Seconds the load took (timer readings carried past midnight).
    float TempoCaricamento = 0;
    explicit operator bool() const { return krono != nullptr; }
};

// Reads the session (Gara, TipoTurno, Manche) from the database of the current slot: session
// header, race record, detection points, categories, competitors, start list and heats, open
// states, results, penalties, intermediate times and state abbreviations; then loads the
// monitor settings (the layout with an on-course block when the race has intermediate points)
// and ranks every classification slot. Nothing is written to the database.
//
// Any error ends the load and is returned in `error`: then no race state is returned and
// `monitor` is left exactly as it was. On success `monitor` holds the settings and layout loaded
// for this race, and `warning` says what of the monitor settings was missing.
KronoDaDatabaseResult KronoDaDatabase(const DatabaseState& database, MonitorState& monitor,
                                      const Clock& clock, qint16 Gara, const QString& TipoTurno,
                                      qint16 Manche);

}  // namespace razudar
