#pragma once
// Setting this PC's clock to the timekeeping application's time of day, so the running times the
// graphics compute from the local clock agree with the timekeeper's. Also the readings of
// universal and local time and their offset in hours.
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include "model/race_times.h"

namespace razudar {

class Clock;
class SystemClockSetter;

// The largest packed time of day, 23:59'59.999.
inline constexpr OrarioCompatto kLastTimeOfDay = 235959999;

// The operator text written when the clock cannot be set.
inline const QString kClockNotSetText = QStringLiteral("Errore Nell'Impostare l'Orario del Computer");

// Sets the PC clock to the packed time of day `time` (hhmmssttt) and writes into `message` the
// operator text: the new time and how far the clock moved, or kClockNotSetText.
//
// The received value is a time of day only. It is placed on the local date that puts it nearest
// the PC's current time (so a reading just before or after midnight lands on the right day) and
// turned into universal time by the time-zone rules of the PC's local time: inside the hour
// repeated in autumn the nearer of its two moments is taken, inside the hour skipped in spring
// the time in force before the change (02:30 standard time is 03:30 summer time). A value that is
// no time of day (below 0, above 235959999, hours above 23, minutes or seconds above 59), or one
// that would move the clock by more than 12 hours, is not set. The difference reported is the
// new time minus the old one, "-" in front when the clock moved back.
void ImpostaOrarioComputer(OrarioCompatto time, QString& message, const Clock& clock,
                           SystemClockSetter& setter);

// Universal time minus local time as the number of hour boundaries between the two wall-clock
// readings (one hour east of Greenwich gives -1). Both readings come from one instant.
qint16 DifferenzaOraUtc(const Clock& clock);
// Universal time now, milliseconds included.
QDateTime OraSistema(const Clock& clock);
// Local time now, milliseconds included.
QDateTime OraLocale(const Clock& clock);

}  // namespace razudar
