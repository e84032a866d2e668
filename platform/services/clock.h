#pragma once
#include <QDateTime>
#include <QtGlobal>

namespace razudar {

// Every reading of the time goes through here, so tests never depend on real time.
class Clock {
public:
    virtual ~Clock() = default;
    // Local wall time.
    virtual QDateTime now() const = 0;
    // Local time of day.
    QTime timeOfDay() const { return now().time(); }
    // Seconds since local midnight with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Milliseconds on a monotonic clock; only differences are meaningful.
    virtual qint64 monotonicMs() const = 0;
};

}  // namespace razudar
