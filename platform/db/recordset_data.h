#pragma once
// Internal: the rows and cursor behind a Recordset.
#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/db/connection.h"
#include "platform/db/field_info.h"
#include "platform/db/recordset.h"

namespace razudar::db::detail {

struct RecordsetRows {
    std::shared_ptr<Connection> connection;
    std::vector<FieldInfo> fields;
    std::vector<QString> originTables;   // per field; empty for computed columns
    std::vector<QString> originColumns;  // per field
    QString baseTable;                   // empty: the record set cannot be updated
    // Fields holding the base table's primary key; looked up when a row is first written.
    std::optional<std::vector<int>> keyFields;
    // The values row after row, fields.size() values per row, in one block.
    std::vector<QVariant> values;
    std::vector<bool> deleted;  // per row
    int liveRows = 0;           // rows not deleted
    // Rows written to the file whose stored values could not be read back yet (row index to
    // the row's rowid): they hold the values written until a later read-back succeeds.
    std::map<std::size_t, qint64> pendingReadBack;

    std::size_t rowCount() const { return deleted.size(); }
    QVariant* row(std::size_t i) { return values.data() + i * fields.size(); }
    const QVariant* row(std::size_t i) const { return values.data() + i * fields.size(); }
    std::vector<QVariant> rowValues(std::size_t i) const {
        return std::vector<QVariant>(row(i), row(i) + fields.size());
    }
    // Appends a row of fields.size() values.
    void appendRow(std::vector<QVariant>&& rowValues);
};

struct RecordsetCursor {
    qsizetype position = -1;  // index into rows; -1 before the first, rows.size() after the last
    bool noMatch = false;
    bool closed = false;
    EditMode mode = EditMode::None;
    std::vector<QVariant> buffer;
    std::vector<bool> changed;
};

// Reads a whole query into new rows (the statement is finalised before this returns).
std::shared_ptr<RecordsetRows> readRows(const std::shared_ptr<Connection>& connection,
                                        const QString& sql, const QVariantList& params);

}  // namespace razudar::db::detail
