#pragma once
// Internal: the rows and cursor behind a Recordset.
#include <QString>
#include <QVariant>

#include <memory>
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
    std::vector<int> keyFields;          // fields holding the base table's primary key
    struct Row {
        std::vector<QVariant> values;
        bool deleted = false;
    };
    std::vector<Row> rows;
    int liveRows = 0;  // rows not deleted
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
