#pragma once
// The race clock: the local time of day in the packed race-time form, which the running-clock
// pages and the link's start times count from.
#include <QtGlobal>

namespace razudar {

class Clock;

// The local time of day as hhmmssttt (09:05:07.250 gives 90507250).
qint32 OrarioAttuale(const Clock& clock);

}  // namespace razudar
