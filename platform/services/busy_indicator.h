#pragma once
// The wait pointer while the program works: one indicator for the whole program, shown through
// a scoped guard so that the normal pointer comes back on every way out.

namespace razudar {

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    // Shows the wait pointer. Calls nest: each begin is undone by one end.
    virtual void begin() = 0;
    // Undoes one begin; the normal pointer is back when none is left. An end without a begin
    // does nothing.
    virtual void end() = 0;
};

// The wait pointer from construction until release() or destruction. A null indicator shows
// nothing.
class BusyGuard {
public:
    explicit BusyGuard(BusyIndicator* indicator) : indicator_(indicator) {
        if (indicator_) indicator_->begin();
    }
    ~BusyGuard() { release(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

    // The normal pointer again before the scope ends (before a message to the operator).
    void release() {
        if (indicator_) indicator_->end();
        indicator_ = nullptr;
    }

private:
    BusyIndicator* indicator_;
};

}  // namespace razudar
