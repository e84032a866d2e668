#include "app/faults/database_faults.h"

#include "app/program_log.h"
#include "data/database_fault_text.h"
#include "platform/db/db_error.h"
#include "platform/services/prompter.h"

namespace razudar {

DatabaseFaults::DatabaseFaults(Prompter& prompter, ProgramLog& log, std::function<void(const QString&)> statusBar)
    : prompter_(prompter), log_(log), statusBar_(std::move(statusBar)) {}

DatabaseFaults::Action::Action(DatabaseFaults& faults, FaultChannel channel)
    : faults_(faults), outerChannel_(faults.channel_), outerTold_(faults.toldInAction_) {
    if (faults_.depth_ == 0 || faults_.channel_ != channel) {
        faults_.channel_ = channel;
        faults_.toldInAction_ = false;
    }
    ++faults_.depth_;
}

DatabaseFaults::Action::~Action() {
    --faults_.depth_;
    if (faults_.channel_ != outerChannel_) faults_.toldInAction_ = outerTold_;
    faults_.channel_ = faults_.depth_ == 0 ? FaultChannel::StatusBar : outerChannel_;
}

void DatabaseFaults::report(const QString& azione, const db::DbError& e) {
    if (depth_ > 0 && toldInAction_) return;
    toldInAction_ = depth_ > 0;
    ++reported_;
    const QString text = testoErroreDatabase(azione, e);
    log_.line(text);
    if (depth_ > 0 && channel_ == FaultChannel::MessageBox) {
        prompter_.show(text, PromptButtons::Ok, PromptIcon::Critical);
    } else if (statusBar_) {
        statusBar_(text);
    }
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
