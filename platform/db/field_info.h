#pragma once
// Field descriptions of a table, view or record set, with numbered type codes
// (callers test 8 for a date, 10/12 for text, 1 for a yes/no flag).
#include <QString>

namespace razudar::db {

namespace field_type {
inline constexpr int kBoolean = 1;
inline constexpr int kByte = 2;
inline constexpr int kInteger = 3;  // 16-bit
inline constexpr int kLong = 4;     // 32-bit
inline constexpr int kCurrency = 5;
inline constexpr int kSingle = 6;
inline constexpr int kDouble = 7;
inline constexpr int kDate = 8;
inline constexpr int kText = 10;
inline constexpr int kLongBinary = 11;
inline constexpr int kMemo = 12;
}  // namespace field_type

struct FieldInfo {
    QString name;
    int type = field_type::kText;
    int size = 0;  // bytes for numbers, characters for text (0 for memo)
};

// Type code and size from a column's declared type in the schema: BOOLEAN, TINYINT, SMALLINT,
// INTEGER, CURRENCY, REAL/SINGLE, DOUBLE/FLOAT, DATETIME, TEXT(n)/VARCHAR(n), LONGTEXT (memo),
// BLOB. An empty declared type (an expression column) reads as text.
FieldInfo fieldInfoFromDeclaredType(const QString& name, const QString& declaredType);

}  // namespace razudar::db
