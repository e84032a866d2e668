#include "app/pages/race_clock.h"

#include <QString>

#include <cmath>

#include "model/bas_utilita.h"
#include "platform/services/clock.h"

namespace razudar {

qint32 OrarioAttuale(const Clock& clock) {
    // Single precision: late in the day the reading moves in steps of about 8 ms, and the race
    // clock shows it in those steps.
    const float t = float(clock.secondsSinceMidnight());
    const int h = int(std::floor(t / 3600.0f));
    const int m = int(std::floor(t / 60.0f)) - 60 * h;
    const int s = int(std::floor(t)) - 60 * m - 3600 * h;
    const double ms = std::nearbyint((double(t) - s - 60.0 * m - 3600.0 * h) * 1000.0);
    const QString digits = FormattaConZeri(h, 2, false) + FormattaConZeri(m, 2, false) +
                           FormattaConZeri(s, 2, false) + FormattaConZeri(ms, 3, false);
    return digits.toInt();
}

}  // namespace razudar
