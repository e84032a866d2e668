#include "platform/renderer/running_clock.h"

namespace razudar::renderer {

void RunningClock::start(qint64 startMs, qint64 nowMs) {
    timeStart_ = qint32(startMs);
    valueAtReference_ = startMs;
    referenceMs_ = nowMs;
    counting_ = true;
    state_ = State::Running;
}

qint64 RunningClock::value(qint64 nowMs) const {
    if (counting_) return valueAtReference_ + (nowMs - referenceMs_);
    return state_ == State::Held ? heldValue_ : fixedValue_;
}

bool RunningClock::stop(qint64 ms, int mode, qint64 nowMs) {
    if (mode != 0 && mode != 1) return false;
    fixedValue_ = mode == 1 ? ms : value(nowMs);
    counting_ = false;
    state_ = State::Stopped;
    return true;
}

bool RunningClock::pause(qint64 ms, int mode, qint64 nowMs) {
    if (mode != 0 && mode != 2) return false;
    heldValue_ = mode == 2 ? ms : (state_ == State::Held ? heldValue_ : value(nowMs));
    state_ = State::Held;
    return true;
}

void RunningClock::setValue(qint64 ms, qint64 nowMs) {
    if (counting_) {
        valueAtReference_ = ms;
        referenceMs_ = nowMs;
        return;
    }
    if (state_ == State::Held) {
        heldValue_ = ms;
        return;
    }
    fixedValue_ = ms;
    state_ = State::Stopped;
}

std::optional<RunningClock::Shown> RunningClock::shown(qint64 nowMs) const {
    switch (state_) {
    case State::Idle: return std::nullopt;
    case State::Running: return Shown{value(nowMs), false};
    case State::Held: return Shown{heldValue_, false};
    case State::Stopped: return Shown{fixedValue_, true};
    }
    return std::nullopt;
}

}  // namespace razudar::renderer
