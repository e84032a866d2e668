#pragma once
// The database slots of the program: the workspace, open database and file path of slots 0 and
// 1, the current slot and the database password. Every query uses the database of the current
// slot. One object, owned by the program and passed to whoever opens or queries the database.
#include <QString>
#include <QtGlobal>

#include <array>
#include <memory>

#include "platform/db/database.h"

namespace razudar {

struct DatabaseState {
    std::array<db::Workspace, 2> SpaziLavoro;
    std::array<db::Database, 2> DatabaseAperti;
    std::array<QString, 2> PercorsiDatabase;
    qint16 IndiceDatabase = 0;
    // Kept as the program sets it; the SQLite file is not encrypted, so nothing reads it.
    QString PasswordDatabase;
    // How long SQLite itself waits on a lock before an operation reports it (tests lower it).
    int busyTimeoutMs = db::kDefaultBusyTimeoutMs;
    // The waits on locks of the program's actions: one busy timeout an action (lock_waits.h).
    // The connections opened by ApriDatabase share it; an action opens a LockWaits::Scope on it.
    std::shared_ptr<db::LockWaits> lockWaits = std::make_shared<db::LockWaits>();

    // The database and workspace of the current slot; a slot outside 0..1 throws
    // std::out_of_range (a programming error).
    db::Database& current() { return DatabaseAperti.at(slot()); }
    const db::Database& current() const { return DatabaseAperti.at(slot()); }
    db::Workspace& currentWorkspace() { return SpaziLavoro.at(slot()); }

private:
    // A negative slot converts to a huge index, which at() refuses as well.
    size_t slot() const { return static_cast<size_t>(IndiceDatabase); }
};

}  // namespace razudar
