#include "platform/db/lock_waits.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>

namespace razudar::db {

namespace {

// SQLite's own busy-timeout schedule: short tries first, then one every 100 ms.
constexpr std::array<int, 12> kDelaysMs = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};

int delayOfTry(int tries) { return kDelaysMs[size_t(std::min(tries, int(kDelaysMs.size()) - 1))]; }

}  // namespace

LockWaits::LockWaits() = default;

void LockWaits::setSleeper(Sleeper sleeper) { sleeper_ = std::move(sleeper); }

LockWaits::Scope::Scope(LockWaits& waits, bool own)
    : waits_(waits),
      restores_(own || waits.depth_ == 0),
      outerBudgetMs_(waits.budgetMs_),
      outerGaveUp_(waits.gaveUp_),
      outerAnswered_(waits.answered_),
      outerFailed_(waits.failed_) {
    if (restores_) {
        waits_.budgetMs_ = -1;
        waits_.gaveUp_ = false;
        waits_.answered_ = 0;
        waits_.failed_ = false;
    }
    ++waits_.depth_;
}

LockWaits::Scope::~Scope() {
    --waits_.depth_;
    if (restores_) {
        waits_.budgetMs_ = outerBudgetMs_;
        waits_.gaveUp_ = outerGaveUp_;
        waits_.answered_ = outerAnswered_;
        waits_.failed_ = outerFailed_;
    }
}

void LockWaits::noteStatement(bool answered) {
    if (answered) {
        ++answered_;
    } else {
        failed_ = true;
    }
}

bool LockWaits::onBusy(int tries, int timeoutMs) {
    if (noWaitDepth_ > 0 || (depth_ > 0 && gaveUp_)) {
        if (tries == 0) ++refusedAtOnce_;
        if (depth_ > 0) gaveUp_ = true;
        return false;
    }
    if (tries == 0) {
        ++waitsBegun_;
        // Outside an action every lock has a whole timeout; inside one, the action shares one.
        if (depth_ == 0 || budgetMs_ < 0) budgetMs_ = std::max(timeoutMs, 0);
    }
    const int delay = std::min(delayOfTry(tries), budgetMs_);
    if (delay <= 0) {
        ++waitsGivenUp_;
        if (depth_ > 0) gaveUp_ = true;
        return false;
    }
    if (sleeper_) {
        sleeper_(delay);
    } else {
        sqlite3_sleep(delay);
    }
    budgetMs_ -= delay;
    sleptMs_ += delay;
    return true;
}

}  // namespace razudar::db
