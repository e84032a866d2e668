#pragma once
#include <QtGlobal>

#include <optional>

namespace razudar::renderer {

// The running clock of a text object. Its time is always derived from a reference time
// (never counted by ticks): while counting, time = value at the reference + (now - reference).
class RunningClock {
public:
    enum class State { Idle, Running, Held, Stopped };

    // What the object shows: a time in the run or the stop format, or (idle) its own text.
    struct Shown {
        qint64 ms = 0;
        bool stopFormat = false;
    };

    State state() const { return state_; }
    qint32 timeStart() const { return timeStart_; }
    void setTimeStart(qint32 ms) { timeStart_ = ms; }

    void start(qint64 startMs, qint64 nowMs);
    // mode 0: stop at the time reached; 1: stop at `ms`. False for another mode.
    bool stop(qint64 ms, int mode, qint64 nowMs);
    // mode 0: hold the time reached; 2: hold `ms`. A counting clock keeps counting behind the
    // held time. False for another mode.
    bool pause(qint64 ms, int mode, qint64 nowMs);
    // The clock's time now (a held clock: the count behind the held time).
    qint64 value(qint64 nowMs) const;
    // Running or held: count on from `ms`; idle or stopped: stop at `ms`.
    void setValue(qint64 ms, qint64 nowMs);
    std::optional<Shown> shown(qint64 nowMs) const;

private:
    State state_ = State::Idle;
    bool counting_ = false;
    qint32 timeStart_ = 0;
    qint64 valueAtReference_ = 0;
    qint64 referenceMs_ = 0;
    qint64 fixedValue_ = 0;  // stopped or idle time
    qint64 heldValue_ = 0;
};

}  // namespace razudar::renderer
