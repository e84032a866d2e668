#include "data/pc_clock.h"

#include <QTimeZone>

#include <array>
#include <cstdlib>
#include <optional>

#include "model/basic.h"
#include "model/bas_utilita.h"
#include "platform/services/clock.h"
#include "platform/services/system_clock_setter.h"

namespace razudar {

namespace {

// The time of day that a packed value's nine digits read, when it is one.
std::optional<QTime> timeOfDay(OrarioCompatto time) {
    const QString digits = FormattaConZeri(double(time), 9, false);
    const int hours = digits.mid(0, 2).toInt();
    const int minutes = digits.mid(2, 2).toInt();
    const int seconds = digits.mid(4, 2).toInt();
    const int thousandths = digits.mid(6, 3).toInt();
    const QTime wanted(hours, minutes, seconds, thousandths);
    if (!wanted.isValid()) return std::nullopt;
    return wanted;
}

// `date` and `time` on the wall clock of `reference` (same zone, offset or local time).
QDateTime onWallClockOf(QDate date, QTime time, const QDateTime& reference) {
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return QDateTime(date, time, reference.timeZone());
    case Qt::OffsetFromUTC:
        return QDateTime(date, time, Qt::OffsetFromUTC, reference.offsetFromUtc());
    case Qt::UTC:
        return QDateTime(date, time, Qt::UTC);
    case Qt::LocalTime:
        break;
    }
    return QDateTime(date, time, Qt::LocalTime);
}

// The moment at which the wall clock of `now` shows `wanted`, on the day (yesterday, today or
// tomorrow) nearest to `now`.
std::optional<QDateTime> nearestMoment(const QDateTime& now, QTime wanted) {
    std::optional<QDateTime> best;
    qint64 bestDistanceMs = 0;
    for (int days : std::array{0, -1, 1}) {
        const QDateTime candidate = onWallClockOf(now.date().addDays(days), wanted, now);
        if (!candidate.isValid() || candidate.time() != wanted) continue;  // a skipped hour
        const qint64 distanceMs = std::llabs(now.msecsTo(candidate));
        if (!best || distanceMs < bestDistanceMs) {
            best = candidate;
            bestDistanceMs = distanceMs;
        }
    }
    return best;
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
    if (!setter.setUtc(target->toUTC(), &error)) return;
    message = QStringLiteral("Orario Computer Impostato alle ") +
              FormattaTempo(time, 12, true, false) + QStringLiteral("\n\n") +
              QStringLiteral("Differenza di ") +
              TempoInStringa(basic::narrowToLong(differenceMs), 12, false, true, false) +
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
