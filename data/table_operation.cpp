#include "data/table_operation.h"

#include "data/database_access.h"
#include "data/database_fault_text.h"

namespace razudar {

namespace {

// Raised for a record-set code without a record set, or a workspace code without a workspace.
db::DbError objectNotSet() {
    return db::DbError(91, QStringLiteral("Variabile oggetto non impostata."));
}

void perform(db::Recordset* rs, qint16 operation, db::Workspace* ws) {
    namespace op = operazione_tabella;
    switch (operation) {
    case op::kEdit:
    case op::kUpdate:
    case op::kAddNew:
    case op::kDelete:
    case op::kCancelUpdate:
        if (!rs) throw objectNotSet();
        break;
    case op::kCommitTrans:
    case op::kBeginTrans:
    case op::kCommitTransFlush:
    case op::kRollback:
        if (!ws) throw objectNotSet();
        break;
    default:
        return;  // any other code does nothing
    }
    switch (operation) {
    case op::kEdit: rs->edit(); break;
    case op::kUpdate: rs->update(); break;
    case op::kAddNew: rs->addNew(); break;
    case op::kDelete: rs->deleteRecord(); break;
    case op::kCancelUpdate: rs->cancelUpdate(); break;
    case op::kCommitTrans: ws->commitTrans(false); break;
    case op::kBeginTrans: ws->beginTrans(); break;
    case op::kCommitTransFlush: ws->commitTrans(true); break;
    case op::kRollback: ws->rollback(); break;
    default: break;
    }
}

}  // namespace

bool EseguiOperazioneTabella(db::Recordset* recordset, qint16 operation, bool noWait,
                             int ignoredError, int& errorOut, db::Workspace* workspace,
                             const Services& services) {
    qint64 lockWaitStartMs = services.clock->monotonicMs();
    for (;;) {
        int number = 0;
        QString description;
        try {
            perform(recordset, operation, workspace);
            return true;
        } catch (const db::DbError& e) {
            number = e.number();
            description = descrizioneErroreDatabase(e);
        }
        if (!noWait && db::isLockError(number) &&
            services.clock->monotonicMs() - lockWaitStartMs < kLockRetryLimitMs) {
            if (workspace) workspace->idleRefreshCache();
            services.waiter->sleepMs(kLockRetryIntervalMs);
            continue;
        }
        if ((number == ignoredError && ignoredError != 0) || ignoredError == kIgnoraTuttiGliErrori) {
            return true;
        }
        errorOut = number;
        if (number == db::errors::kDuplicateKey || number == db::errors::kDiskOrNetwork) {
            return false;
        }
        const QString text =
            databaseErrorText(number, description) + QStringLiteral("\r") + QStringLiteral(" Riprovi ?");
        const QString caption = QStringLiteral("Operazione Database %1").arg(operation);
        if (services.prompter->show(text, PromptButtons::YesNo, PromptIcon::None, caption) !=
            PromptAnswer::Yes) {
            return false;
        }
        // A lock that outlasted the silent retries gets another silent round after Yes.
        lockWaitStartMs = services.clock->monotonicMs();
    }
}

}  // namespace razudar
