#pragma once
#include <QDateTime>
#include <QString>

namespace razudar {

// Sets the PC clock. Failure (typically a missing CAP_SYS_TIME capability) is reported with a
// reason, never ignored.
class SystemClockSetter {
public:
    virtual ~SystemClockSetter() = default;
    virtual bool setUtc(const QDateTime& utc, QString* error) = 0;
};

}  // namespace razudar
