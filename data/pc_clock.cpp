#include "data/pc_clock.h"

#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "model/basic.h"
#include "model/bas_utilita.h"
#include "platform/services/clock.h"
#include "platform/services/system_clock_setter.h"

namespace razudar {

namespace {

// The time of day that a packed value's nine digits read, when it is one. A value below 0 or
// above 23:59'59.999 is no time of day, whatever its last nine digits read.
std::optional<QTime> timeOfDay(OrarioCompatto time) {
    if (time < 0 || time > kLastTimeOfDay) return std::nullopt;
    const QString digits = FormattaConZeri(double(time), 9, false);
    const int hours = digits.mid(0, 2).toInt();
    const int minutes = digits.mid(2, 2).toInt();
    const int seconds = digits.mid(4, 2).toInt();
    const int thousandths = digits.mid(6, 3).toInt();
    const QTime wanted(hours, minutes, seconds, thousandths);
    if (!wanted.isValid()) return std::nullopt;
    return wanted;
}

constexpr qint64 kMsPerDay = 86400000;
// The clock is never moved further than this from the time it shows.
constexpr qint64 kLargestMoveMs = 12 * 3600 * 1000;

// The offset from universal time, in seconds, of the wall clock `reference` runs on, at the
// universal instant `utcMs`.
int offsetAt(const QDateTime& reference, qint64 utcMs) {
    const QDateTime instant = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC);
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return reference.timeZone().offsetFromUtc(instant);
    case Qt::LocalTime:
        return instant.toLocalTime().offsetFromUtc();
    case Qt::OffsetFromUTC:
        return reference.offsetFromUtc();
    case Qt::UTC:
        break;
    }
    return 0;
}

// `utcMs` on the wall clock of `reference`.
QDateTime onWallClockOf(const QDateTime& reference, qint64 utcMs) {
    const QDateTime instant = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC);
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return instant.toTimeZone(reference.timeZone());
    case Qt::LocalTime:
        return instant.toLocalTime();
    case Qt::OffsetFromUTC:
        return instant.toOffsetFromUtc(reference.offsetFromUtc());
    case Qt::UTC:
        break;
    }
    return instant;
}

// The universal instants at which the wall clock of `reference` shows `date` and `time`: one as a
// rule, two inside the hour that is repeated when the clocks go back. Inside the hour that is
// skipped when the clocks go forward the wall clock never shows it: then the reading is taken in
// the time that was in force before the change (02:30 standard time is 03:30 summer time).
std::vector<qint64> instantsShowing(const QDateTime& reference, QDate date, QTime time) {
    const qint64 wallMs = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    // The offsets in force a day before and a day after: the one or two a day can have.
    const int before = offsetAt(reference, wallMs - kMsPerDay);
    const int after = offsetAt(reference, wallMs + kMsPerDay);
    std::vector<qint64> instants;
    for (int offset : {before, after}) {
        const qint64 utcMs = wallMs - qint64(offset) * 1000;
        const QDateTime shown = onWallClockOf(reference, utcMs);
        if (shown.date() == date && shown.time() == time &&
            std::find(instants.begin(), instants.end(), utcMs) == instants.end())
            instants.push_back(utcMs);
    }
    if (instants.empty()) instants.push_back(wallMs - qint64(before) * 1000);  // a skipped hour
    return instants;
}

// The moment at which the wall clock of `now` shows `wanted`, nearest to `now` among yesterday,
// today and tomorrow; nothing when that is more than 12 hours away.
std::optional<QDateTime> nearestMoment(const QDateTime& now, QTime wanted) {
    const qint64 nowMs = now.toMSecsSinceEpoch();
    std::optional<qint64> best;
    for (int days : std::array{0, -1, 1}) {
        for (qint64 candidate : instantsShowing(now, now.date().addDays(days), wanted)) {
            if (!best || std::llabs(candidate - nowMs) < std::llabs(*best - nowMs)) best = candidate;
        }
    }
    if (!best || std::llabs(*best - nowMs) > kLargestMoveMs) return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(*best, Qt::UTC);
}

// Floor division of a wall-clock reading, taken as if it were universal time, into hours.
qint64 wallClockHours(const QDateTime& t) {
    const qint64 seconds = QDateTime(t.date(), t.time(), Qt::UTC).toSecsSinceEpoch();
    return seconds >= 0 ? seconds / 3600 : -((-seconds + 3599) / 3600);
}

}  // namespace

void ImpostaOrarioComputer(OrarioCompatto time, QString& message, const Clock& clock,
                           SystemClockSetter& setter) {
    message = kClockNotSetText;
    const std::optional<QTime> wanted = timeOfDay(time);
    if (!wanted) return;
    const QDateTime before = clock.now();
    const std::optional<QDateTime> target = nearestMoment(before, *wanted);
    if (!target) return;
    const qint64 differenceMs = before.msecsTo(*target);
    QString error;
    if (!setter.setUtc(*target, &error)) return;
    // The difference keeps its sign when the clock went back ("-2.000"); forward it has none.
    message = QStringLiteral("Orario Computer Impostato alle ") +
              FormattaTempo(time, 12, true, false) + QStringLiteral("\n\n") +
              QStringLiteral("Differenza di ") +
              TempoInStringa(basic::narrowToLong(differenceMs), 12, false, true, differenceMs < 0) +
              QStringLiteral(" dal Precedente Orario");
}

qint16 DifferenzaOraUtc(const Clock& clock) {
    const QDateTime local = clock.now();
    const qint64 hours = wallClockHours(local.toUTC()) - wallClockHours(local);
    return basic::narrowToInteger(hours);
}

QDateTime OraSistema(const Clock& clock) { return clock.now().toUTC(); }

QDateTime OraLocale(const Clock& clock) { return clock.now(); }

}  // namespace razudar
