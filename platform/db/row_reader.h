#pragma once
// A forward-only reader of one query's rows, for reading many rows once from first to last.
// Unlike a record set it copies nothing: each value is read from the engine when asked for,
// with the record sets' conversions (Null a null QVariant, numbers qint64 or double, texts
// QString, yes/no columns bool, date columns QDateTime). The statement stays open, and holds the
// file's shared lock, only until the reader passes its last row or is destroyed: read the rows
// in one go. Other statements may run on the same database meanwhile.
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

#include "platform/db/field_info.h"

struct sqlite3_stmt;

namespace razudar::db {

namespace detail {
struct Connection;
class Statement;
}  // namespace detail

class RowReader {
public:
    RowReader();  // a reader at its end, without fields
    RowReader(RowReader&&) noexcept;
    RowReader& operator=(RowReader&&) noexcept;
    ~RowReader();

    // True once every row has been passed (at once for a query without rows).
    bool atEnd() const;
    // Moves to the next row; an engine error raises its mapped error, and at the end 3021.
    void next();

    // The query's fields; a computed column (no declared type) reads as text here.
    const std::vector<FieldInfo>& fields() const { return fields_; }
    // Position of a field by name ignoring case, or -1.
    int fieldIndex(const QString& name) const;
    // The current row's value; an unknown position raises 3265, no current row 3021.
    QVariant value(int position) const;
    // The current row's value when it is a whole number of a column that is not yes/no (what
    // value() gives as qint64), read without making a QVariant; nullopt for any other value.
    // Raises as value() does.
    std::optional<qint64> wholeNumber(int position) const;
    // The current row's value when it is a text of a column that is not a date column (what
    // value() gives as QString), read without making a QVariant; nullopt for any other value.
    std::optional<QString> text(int position) const;
    // True when the current row's value is Null. Both raise as value() does.
    bool isNull(int position) const;

private:
    friend class Database;
    RowReader(std::shared_ptr<detail::Connection> connection, const QString& sql,
              const QVariantList& params);
    void step();
    void requireField(int position) const;
    void requireCurrentRow() const;
    // The statement when the current row's value at the position is stored in the engine's
    // storage class and its column does not convert it; else nullptr.
    sqlite3_stmt* storedAs(int position, int storageClass) const;

    std::shared_ptr<detail::Connection> connection_;
    std::unique_ptr<detail::Statement> statement_;  // null once past the last row
    std::vector<FieldInfo> fields_;
};

}  // namespace razudar::db
