#pragma once
// Errors of the race database layer. Callers compare the database error numbers (3260 lock, 3022
// duplicate key, disk), so every SQLite failure is mapped to such a number in one table
// (jetErrorNumber); anything the table does not name keeps SQLite's own extended code and text.
#include <QString>

#include <stdexcept>

namespace razudar::db {

// The error numbers the program's callers compare or that this layer raises itself.
namespace errors {
inline constexpr int kRecordLocked = 3260;         // record or table locked by another user
inline constexpr int kSaveLocked = 3186;           // could not save: locked by another user
inline constexpr int kReadLocked = 3187;           // could not read: locked by another user
inline constexpr int kRecordReadLocked = 3624;     // could not read the record: locked
inline constexpr int kDuplicateKey = 3022;         // duplicate value in a unique index or key
inline constexpr int kDiskOrNetwork = 3043;        // disk or network error
inline constexpr int kUpdateWithoutEdit = 3020;    // Update or CancelUpdate without AddNew or Edit
inline constexpr int kNoCurrentRecord = 3021;      // no current record
inline constexpr int kFileNotFound = 3024;         // the database file does not exist
inline constexpr int kReadOnly = 3027;             // the record set cannot be updated
inline constexpr int kRecordDeleted = 3167;        // the record was deleted
inline constexpr int kFieldNotUpdatable = 3164;    // the field cannot be updated
inline constexpr int kItemNotFound = 3265;         // no field or table of that name
inline constexpr int kNotOpen = 3420;              // the object is no longer set (closed database)
}  // namespace errors

// True for the four lock numbers that the guarded record operation retries silently.
bool isLockError(int number);

// The engine number for an SQLite extended result code (the one table of the mapping).
int jetErrorNumber(int sqliteExtendedCode);

class DbError : public std::runtime_error {
public:
    DbError(int number, const QString& description, int sqliteCode = 0);
    // Builds the error of a failed SQLite call from its extended code and message.
    static DbError fromSqlite(int extendedCode, const QString& sqliteMessage);
    int number() const { return number_; }
    const QString& description() const { return description_; }
    int sqliteCode() const { return sqliteCode_; }  // 0 when the layer raised it itself

private:
    int number_;
    QString description_;
    int sqliteCode_;
};

}  // namespace razudar::db
