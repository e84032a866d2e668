#include "platform/db/db_error.h"

#include <sqlite3.h>

namespace razudar::db {

namespace {

struct CodeMapping {
    int sqliteCode;  // a primary code matches every extended code of its class
    int jetNumber;
};

// The one table from SQLite's result codes to the engine numbers the callers compare.
// Extended codes are listed before their primary class.
constexpr CodeMapping kMapping[] = {
    {SQLITE_CONSTRAINT_PRIMARYKEY, errors::kDuplicateKey},
    {SQLITE_CONSTRAINT_UNIQUE, errors::kDuplicateKey},
    {SQLITE_LOCKED_SHAREDCACHE, errors::kReadLocked},
    {SQLITE_BUSY, errors::kRecordLocked},
    {SQLITE_LOCKED, errors::kSaveLocked},
    {SQLITE_IOERR, errors::kDiskOrNetwork},
    {SQLITE_FULL, errors::kDiskOrNetwork},
    {SQLITE_CANTOPEN, errors::kDiskOrNetwork},
};

}  // namespace

bool isLockError(int number) {
    return number == errors::kRecordLocked || number == errors::kSaveLocked ||
           number == errors::kReadLocked || number == errors::kRecordReadLocked;
}

int jetErrorNumber(int sqliteExtendedCode) {
    for (const CodeMapping& m : kMapping) {
        if (m.sqliteCode == sqliteExtendedCode) return m.jetNumber;
    }
    const int primary = sqliteExtendedCode & 0xFF;
    for (const CodeMapping& m : kMapping) {
        if (m.sqliteCode == primary) return m.jetNumber;
    }
    return sqliteExtendedCode;
}

DbError::DbError(int number, const QString& description, int sqliteCode)
    : std::runtime_error(QStringLiteral("%1 %2").arg(number).arg(description).toStdString()),
      number_(number),
      description_(description),
      sqliteCode_(sqliteCode) {}

DbError DbError::fromSqlite(int extendedCode, const QString& sqliteMessage) {
    return DbError(jetErrorNumber(extendedCode), sqliteMessage, extendedCode);
}

}  // namespace razudar::db
