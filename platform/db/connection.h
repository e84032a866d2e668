#pragma once
// Internal: one SQLite connection and the statement helpers the record sets and databases share.
// Not part of the layer's interface.
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <sqlite3.h>

#include <memory>
#include <vector>

#include "platform/db/field_info.h"
#include "platform/db/lock_waits.h"

namespace razudar::db::detail {

struct Connection {
    sqlite3* handle = nullptr;
    QString path;
    // The program's lock waits (null: SQLite's own busy timeout) and this connection's timeout.
    std::shared_ptr<LockWaits> lockWaits;
    int busyTimeoutMs = 0;
    ~Connection();
    void close();
    // Raises the mapped error of the last failure on this connection.
    [[noreturn]] void raise(int resultCode) const;
    void requireOpen() const;
    // Notes with the lock waits whether a statement ran or failed (see lock_waits.h).
    void noteStatement(bool answered) const {
        if (lockWaits) lockWaits->noteStatement(answered);
    }
    // Raises 3024 when the file was deleted, moved or replaced since it was opened: the
    // connection would otherwise go on reading the old file while nobody else sees it.
    void requireFileInPlace() const;
};

// A prepared statement finalised on scope exit.
class Statement {
public:
    Statement(Connection& connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    void bind(const QVariantList& params);
    // Steps once: true while a row is available.
    bool step();
    int columnCount() const;
    QString columnName(int i) const;
    QString declaredType(int i) const;
    QString originTable(int i) const;
    QString originColumn(int i) const;
    // The column's value as stored, converted for the column's declared type (yes/no to bool,
    // dates to QDateTime).
    QVariant value(int i, int fieldType) const;
    sqlite3_stmt* raw() const { return stmt_; }

private:
    void prepare(const QString& sql);

    Connection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
    bool stepped_ = false;
};

// Runs a statement without rows; returns the rows changed.
int runStatement(Connection& connection, const QString& sql, const QVariantList& params = {});

// Binds one value: Null, bool (-1/0), whole numbers, doubles, texts, bytes, dates (ISO text).
void bindValue(sqlite3_stmt* stmt, int index1, const QVariant& value);

// Quotes an identifier for SQL text ("name" with inner quotes doubled).
QString quoteIdentifier(const QString& name);

}  // namespace razudar::db::detail
