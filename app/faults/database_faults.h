#pragma once
// How the program reacts when the database cannot answer while it handles an event (another
// program holds it locked, a table or view is missing, the disk is full): the failed step is
// dropped, what the program holds stays as it was, and the operator is told once per action.
// An operator's command (a menu, the category list) is answered with a message box; a link
// event, a timer or a page button only writes the status bar and the log, so a burst of messages
// never stacks boxes and no box holds the air while it waits for a page. A command that changed
// the air (cleared it or loaded a page) tells from then on through the status bar too. The log
// keeps the database engine's own text beside the operator's.
//
// An action is also the unit of waiting on a lock: it waits at most one busy timeout in all
// (db::LockWaits), and once that wait gave up its later queries fail at once.
//
// A notice on the status bar tells a fault that held when it was shown. The next action of the
// program that ran statements on the database, every one of them answered, shows that the fault
// is over: the notice is withdrawn then (the operator was told in time; the log keeps it). An
// action that needed no database proves nothing and leaves the notice up.
#include <QString>

#include <functional>
#include <optional>

#include "platform/db/lock_waits.h"

namespace razudar {

namespace db {
class DbError;
}
class Prompter;
class ProgramLog;

enum class FaultChannel { MessageBox, StatusBar };

class DatabaseFaults {
public:
    // `lockWaits` (may be null) is the database's lock-wait state that the actions scope.
    DatabaseFaults(Prompter& prompter, ProgramLog& log, std::function<void(const QString&)> statusBar,
                   db::LockWaits* lockWaits = nullptr);

    // One action of the program (a menu command, a button, a link message, a timer tick).
    // Failures inside it are reported through its channel, only the first one. An action inside
    // another of the same channel joins it, and so does anything inside a link event or a tick
    // (a check box the event ticks); a link message that arrives while a menu command waits in
    // a dialog or on the link is an action of its own.
    class Action {
    public:
        Action(DatabaseFaults& faults, FaultChannel channel);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        DatabaseFaults& faults_;
        FaultChannel outerChannel_;
        bool outerTold_;
        bool outerAirChanged_;
        bool own_ = true;
        std::optional<db::LockWaits::Scope> lockScope_;
    };

    // How a notice this object put on the status bar is taken down (see above).
    void setNoticeWithdrawal(std::function<void()> withdraw) { withdrawNotice_ = std::move(withdraw); }

    // The action in progress changed the air: its later failures go to the status bar.
    void airChanged();

    // Reports a failed step (outside any action: on the status bar and in the log).
    void report(const QString& azione, const db::DbError& e);
    // Runs `step`; a database error is reported and false returned.
    bool guard(const QString& azione, const std::function<void()>& step);
    // Reads a value with `read`; on a database error it is reported and `fallback` returned.
    template <class T, class Read>
    T readOr(const QString& azione, T fallback, Read read) {
        guard(azione, [&] { fallback = read(); });
        return fallback;
    }

    // How many failures were reported (tests).
    int reportedCount() const { return reported_; }

private:
    // At the end of an own action that told nothing: withdraws the notice when every statement
    // of the action was answered.
    void withdrawIfAnswered();

    Prompter& prompter_;
    ProgramLog& log_;
    std::function<void(const QString&)> statusBar_;
    std::function<void()> withdrawNotice_;
    db::LockWaits* lockWaits_;
    int depth_ = 0;
    FaultChannel channel_ = FaultChannel::StatusBar;
    bool toldInAction_ = false;
    bool airChanged_ = false;
    bool noticeShown_ = false;  // a notice of this object is on the status bar
    int reported_ = 0;
};

}  // namespace razudar
