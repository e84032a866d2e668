#pragma once
// How long the program waits for a lock that another program holds on the database file.
//
// SQLite calls a busy handler while a lock it needs is held elsewhere; this object is that
// handler's state, shared by the connections that were opened with it. One action of the program
// (an operator command, a link message, a timer tick) opens a Scope; the action as a whole may
// wait up to one busy timeout. Once its waiting gave up, every later query of the same action
// meets the lock at once (SQLITE_BUSY without a wait): the action ends with one wait and one
// message instead of a wait per query. Outside any action (the start-up) each query may wait up
// to the busy timeout, as SQLite's own timeout does.
//
// Some work must not wait at all: a race state received over the link is applied while the air
// goes on, and what it reads keeps its last value when the database is held. Inside a NoWait a
// lock is refused at once (SQLITE_BUSY without a wait), and the action it belongs to counts as
// having given up its wait.
//
// The waits between tries follow SQLite's own schedule (1, 2, 5, 10 ... 100 ms) and go through
// the sleeper, so the program's waiter service can be replaced in tests.
//
// The same connections also note here whether each statement ran or failed, so that the program
// knows when an action found the database answering again (it then takes down the notice of an
// earlier fault).
#include <QtGlobal>

#include <functional>

namespace razudar::db {

class LockWaits {
public:
    using Sleeper = std::function<void(int durationMs)>;

    LockWaits();
    // Waits between tries through `sleeper` (SQLite's own sleep when it is empty).
    void setSleeper(Sleeper sleeper);

    // One action. `own`: an action of its own even inside another one (a link message handled
    // while an operator command waits in a dialog), with a wait of its own; the outer action's
    // state comes back when it ends. Otherwise a scope inside another joins it.
    class Scope {
    public:
        explicit Scope(LockWaits& waits, bool own = false);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        LockWaits& waits_;
        bool restores_;
        int outerBudgetMs_;
        bool outerGaveUp_;
        int outerAnswered_;
        bool outerFailed_;
    };

    // While it lives, no lock is waited on.
    class NoWait {
    public:
        explicit NoWait(LockWaits& waits) : waits_(waits) { ++waits_.noWaitDepth_; }
        ~NoWait() { --waits_.noWaitDepth_; }
        NoWait(const NoWait&) = delete;
        NoWait& operator=(const NoWait&) = delete;

    private:
        LockWaits& waits_;
    };

    // The busy handler's decision for a lock met by a connection whose busy timeout is
    // `timeoutMs`; `tries` counts the earlier calls for the same lock. Sleeps and returns true to
    // try again, or returns false to give up (the statement then fails with SQLITE_BUSY).
    bool onBusy(int tries, int timeoutMs);

    // A statement of a connection opened with this object ran (`answered`) or failed.
    void noteStatement(bool answered);

    bool inAction() const { return depth_ > 0; }
    // The action in progress ran at least one statement, and none of its statements failed.
    bool actionAnswered() const { return depth_ > 0 && answered_ > 0 && !failed_; }
    // The action in progress already gave up a wait: its queries meet a lock at once.
    bool actionGaveUp() const { return depth_ > 0 && gaveUp_; }

    // Counters since the object was made (tests and diagnostics).
    int waitsBegun() const { return waitsBegun_; }        // locks waited on (each may take several tries)
    int waitsGivenUp() const { return waitsGivenUp_; }    // waits that ran out of time
    int refusedAtOnce() const { return refusedAtOnce_; }  // locks met after the action gave up or in a NoWait
    qint64 sleptMs() const { return sleptMs_; }

private:
    Sleeper sleeper_;
    int depth_ = 0;
    int noWaitDepth_ = 0;
    bool gaveUp_ = false;
    int budgetMs_ = -1;  // what the action may still wait; -1 until its first lock
    int answered_ = 0;     // statements of the action that ran
    bool failed_ = false;  // a statement of the action failed
    int waitsBegun_ = 0;
    int waitsGivenUp_ = 0;
    int refusedAtOnce_ = 0;
    qint64 sleptMs_ = 0;
};

}  // namespace razudar::db
