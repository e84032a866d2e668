#pragma once
// The race database file (SQLite 3) as the program uses it: a workspace that opens databases
// and runs transactions, and open databases that run queries into record sets, execute
// statements and describe tables. Every value reaches SQL as a bound parameter ("?" in the
// text, values in order), never pasted into the text.
//
// A file is opened only if it exists (never created), read-write unless asked otherwise, with a
// rollback journal (journal_mode=DELETE, no WAL: the file may sit in a shared folder),
// synchronous=FULL, foreign keys on and a busy timeout.
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

#include "platform/db/db_error.h"
#include "platform/db/field_info.h"
#include "platform/db/lock_waits.h"
#include "platform/db/recordset.h"
#include "platform/db/row_reader.h"

struct sqlite3;

namespace razudar::db {

inline constexpr int kDefaultBusyTimeoutMs = 2000;

struct OpenOptions {
    bool exclusive = false;   // keep the file locked for this connection alone
    bool readOnly = false;
    int busyTimeoutMs = kDefaultBusyTimeoutMs;  // how long SQLite itself waits on a lock
};

class Database {
public:
    Database();  // not open

    // Opens an existing file; a missing file raises 3024, any SQLite failure its mapped error.
    // With `lockWaits` the waits on other programs' locks are the program's actions' (see
    // lock_waits.h); without it every query may wait the whole busy timeout.
    static Database open(const QString& path, const OpenOptions& options = {},
                         std::shared_ptr<LockWaits> lockWaits = nullptr);

    bool isOpen() const;
    QString path() const;
    void close();

    // Runs a query into a record set. A bare table or view name reads all of it. Raises the
    // mapped error of the statement.
    Recordset openRecordset(const QString& sqlOrName, const QVariantList& params = {}) const;
    // Runs a query for one pass from the first row to the last (see row_reader.h): for reading
    // many rows without a record set's copy. Raises as openRecordset does.
    RowReader openReader(const QString& sqlOrName, const QVariantList& params = {}) const;
    // Runs a statement that returns no rows and returns the number of rows it changed. A
    // failing statement leaves no partial change (fail-on-error) and raises its mapped error.
    int execute(const QString& sql, const QVariantList& params = {}) const;
    // Fields of a table or view from the declared column types; an unknown name raises 3265.
    std::vector<FieldInfo> tableFields(const QString& tableOrView) const;
    bool inTransaction() const;
    // The SQLite connection underneath (null when not open), for what only SQLite itself offers,
    // such as an authoriser that makes a test's statement meet another user's lock.
    sqlite3* nativeHandle() const;

private:
    friend class Workspace;
    explicit Database(std::shared_ptr<detail::Connection> connection);
    std::shared_ptr<detail::Connection> connection_;
};

// A workspace: opens databases and runs one transaction over the databases it opened.
class Workspace {
public:
    Workspace();  // not created

    // User and password are accepted for the record; SQLite has no users.
    static Workspace create(const QString& name, const QString& user, const QString& password);
    bool isValid() const;

    // The connect text (";pwd=...") is accepted and ignored: the file is not encrypted.
    Database openDatabase(const QString& path, bool exclusive, bool readOnly,
                          const QString& connect,
                          int busyTimeoutMs = kDefaultBusyTimeoutMs,
                          std::shared_ptr<LockWaits> lockWaits = nullptr);

    void beginTrans();                          // BEGIN IMMEDIATE on every open database
    void commitTrans(bool forceOsFlush = false);  // COMMIT (synchronous=FULL flushes anyway)
    void rollback();
    // The engine's "refresh cache" before a retry: record sets are snapshots read at open, and
    // SQLite reads changed pages itself, so there is nothing to refresh.
    void idleRefreshCache();

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace razudar::db
