#pragma once

namespace razudar {

// Blocking waits and "let pending events run once". Tests use a fake that returns at once
// and advances the fake clock by the requested time.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void sleepMs(int durationMs) = 0;
    virtual void processEvents() = 0;
};

}  // namespace razudar
