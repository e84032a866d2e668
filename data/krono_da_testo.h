#pragma once
// The decoder of a race state received from the timekeeping application (the payload of the
// message "AGGIORNACLASSE"): a complete new race state, or none at all when the payload cannot
// be read whole, so the caller keeps the race state it has.
#include <QString>
#include <QStringList>

#include <memory>

namespace razudar {

class clsKrono;
class MonitorSettingsReloader;

struct KronoDaTestoResult {
    // The new race state, owned by the caller; null when the payload is unreadable.
    std::shared_ptr<clsKrono> krono;
    // Why the payload is unreadable, in Italian (for the operator); empty when a race state was built.
    QString error;
    // Values of a readable payload that were left out (for the log): a competitor state that is
    // not a whole number from 0 to 99 keeps the result's state as it was (0).
    QStringList notices;
    explicit operator bool() const { return krono != nullptr; }
};

// Decodes `payload`. The whole payload is checked before the race state is built: markers,
// the eight sections, every value the layout reads, item sizes, counts, truth values, and the
// number of intermediates and result blocks (none negative, at most 50 results). Only then is a
// race state constructed, which reloads the monitor settings through `monitorSettings`; an
// unreadable payload reloads nothing. Keeps no state between calls.
KronoDaTestoResult KronoDaTesto(const QString& payload, MonitorSettingsReloader& monitorSettings);

}  // namespace razudar
