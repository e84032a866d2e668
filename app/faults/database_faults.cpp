#include "app/faults/database_faults.h"

#include "app/program_log.h"
#include "data/database_fault_text.h"
#include "platform/db/db_error.h"
#include "platform/services/prompter.h"

namespace razudar {

DatabaseFaults::DatabaseFaults(Prompter& prompter, ProgramLog& log, std::function<void(const QString&)> statusBar,
                               db::LockWaits* lockWaits)
    : prompter_(prompter), log_(log), statusBar_(std::move(statusBar)), lockWaits_(lockWaits) {}

DatabaseFaults::Action::Action(DatabaseFaults& faults, FaultChannel channel)
    : faults_(faults),
      outerChannel_(faults.channel_),
      outerTold_(faults.toldInAction_),
      outerAirChanged_(faults.airChanged_) {
    // Inside a link event or a tick everything joins it: nothing may open a box there.
    const bool joins = faults_.depth_ > 0 && (faults_.channel_ == channel || faults_.channel_ == FaultChannel::StatusBar);
    own_ = !joins;
    if (own_) {
        faults_.channel_ = channel;
        faults_.toldInAction_ = false;
        faults_.airChanged_ = false;
    }
    if (faults_.lockWaits_) lockScope_.emplace(*faults_.lockWaits_, own_);
    ++faults_.depth_;
}

DatabaseFaults::Action::~Action() {
    --faults_.depth_;
    if (own_ && !faults_.toldInAction_) faults_.withdrawIfAnswered();
    if (own_) {
        faults_.toldInAction_ = outerTold_;
        faults_.airChanged_ = outerAirChanged_;
    }
    faults_.channel_ = faults_.depth_ == 0 ? FaultChannel::StatusBar : outerChannel_;
}

void DatabaseFaults::airChanged() {
    if (depth_ > 0) airChanged_ = true;
}

void DatabaseFaults::report(const QString& azione, const db::DbError& e) {
    if (depth_ > 0 && toldInAction_) return;
    toldInAction_ = depth_ > 0;
    ++reported_;
    const QString text = testoErroreDatabase(azione, e);
    log_.line(text + u' ' + testoMotoreDatabase(e));
    if (depth_ > 0 && channel_ == FaultChannel::MessageBox && !airChanged_) {
        prompter_.show(text, PromptButtons::Ok, PromptIcon::Critical);
    } else if (statusBar_) {
        statusBar_(text);
        noticeShown_ = true;
    }
}

void DatabaseFaults::withdrawIfAnswered() {
    // Read while the action's lock scope still holds what its statements did.
    if (!noticeShown_ || !lockWaits_ || !lockWaits_->actionAnswered()) return;
    noticeShown_ = false;
    if (withdrawNotice_) withdrawNotice_();
}

bool DatabaseFaults::guard(const QString& azione, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const db::DbError& e) {
        report(azione, e);
        return false;
    }
}

}  // namespace razudar
