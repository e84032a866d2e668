#include "platform/db/recordset.h"

#include <QStringList>

#include <algorithm>
#include <optional>

#include "platform/db/db_error.h"
#include "platform/db/recordset_data.h"

namespace razudar::db {

using detail::RecordsetCursor;
using detail::RecordsetRows;

namespace detail {

namespace {

// The table every column comes from, when there is exactly one.
QString commonBaseTable(const std::vector<QString>& originTables) {
    QString base;
    for (const QString& t : originTables) {
        if (t.isEmpty()) continue;
        if (base.isEmpty()) base = t;
        else if (base.compare(t, Qt::CaseInsensitive) != 0) return {};
    }
    return base;
}

std::vector<int> findKeyFields(Connection& connection, const RecordsetRows& rs) {
    // Primary-key columns of the base table, in key order.
    Statement st(connection,
                 QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk"));
    st.bind({rs.baseTable});
    QStringList keyColumns;
    while (st.step()) keyColumns << st.value(0, field_type::kText).toString();
    std::vector<int> keys;
    for (const QString& column : keyColumns) {
        int found = -1;
        for (size_t i = 0; i < rs.fields.size(); ++i) {
            if (rs.originTables[i].compare(rs.baseTable, Qt::CaseInsensitive) == 0 &&
                rs.originColumns[i].compare(column, Qt::CaseInsensitive) == 0) {
                found = static_cast<int>(i);
                break;
            }
        }
        if (found < 0) return {};  // key not selected: rows are found by all their values
        keys.push_back(found);
    }
    return keys;
}

}  // namespace

void RecordsetRows::appendRow(std::vector<QVariant>&& rowValues) {
    values.insert(values.end(), std::make_move_iterator(rowValues.begin()),
                  std::make_move_iterator(rowValues.end()));
    deleted.push_back(false);
}

std::shared_ptr<RecordsetRows> readRows(const std::shared_ptr<Connection>& connection,
                                        const QString& sql, const QVariantList& params) {
    auto rs = std::make_shared<RecordsetRows>();
    rs->connection = connection;
    {
        Statement st(*connection, sql);
        st.bind(params);
        const int n = st.columnCount();
        std::vector<bool> computed(static_cast<size_t>(n));
        std::vector<int> types(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const QString declared = st.declaredType(i);
            computed[static_cast<size_t>(i)] = declared.isEmpty();
            rs->fields.push_back(fieldInfoFromDeclaredType(st.columnName(i), declared));
            types[static_cast<size_t>(i)] = rs->fields.back().type;
            rs->originTables.push_back(st.originTable(i));
            rs->originColumns.push_back(st.originColumn(i));
        }
        constexpr size_t kFirstRows = 16;  // the block grows by doubling from here
        rs->values.reserve(kFirstRows * static_cast<size_t>(n));
        rs->deleted.reserve(kFirstRows);
        while (st.step()) {
            for (int i = 0; i < n; ++i) rs->values.push_back(st.value(i, types[static_cast<size_t>(i)]));
            rs->deleted.push_back(false);
        }
        rs->liveRows = static_cast<int>(rs->rowCount());
        // Computed columns have no declared type: take it from the first value present.
        for (int i = 0; i < n; ++i) {
            if (!computed[static_cast<size_t>(i)]) continue;
            FieldInfo& f = rs->fields[static_cast<size_t>(i)];
            for (size_t r = 0; r < rs->rowCount(); ++r) {
                const QVariant& v = rs->row(r)[i];
                if (v.isNull()) continue;
                if (v.typeId() == QMetaType::LongLong) {
                    f.type = field_type::kLong;
                    f.size = 4;
                } else if (v.typeId() == QMetaType::Double) {
                    f.type = field_type::kDouble;
                    f.size = 8;
                }
                break;
            }
        }
    }
    rs->baseTable = commonBaseTable(rs->originTables);
    return rs;
}

}  // namespace detail

namespace {

[[noreturn]] void noCurrentRecord() {
    throw DbError(errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
}

[[noreturn]] void unknownField(const QString& name) {
    throw DbError(errors::kItemNotFound,
                  QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(name));
}

bool isDeleted(const RecordsetRows& r, qsizetype i) {
    return r.deleted[static_cast<size_t>(i)];
}

qsizetype nextLive(const RecordsetRows& r, qsizetype from) {
    qsizetype i = from;
    const auto size = static_cast<qsizetype>(r.rowCount());
    while (i < size && isDeleted(r, i)) ++i;
    return i;
}

qsizetype previousLive(const RecordsetRows& r, qsizetype from) {
    qsizetype i = from;
    while (i >= 0 && isDeleted(r, i)) --i;
    return i;
}

// Where clause finding one row of the base table and its values: by the primary key when the
// record set holds it, else by every column's value.
struct RowLocator {
    QString where;
    QVariantList params;
};

RowLocator locate(RecordsetRows& r, const QVariant* values) {
    if (!r.keyFields) r.keyFields = detail::findKeyFields(*r.connection, r);
    RowLocator loc;
    QStringList terms;
    auto add = [&](size_t i) {
        terms << detail::quoteIdentifier(r.originColumns[i]) + QStringLiteral(" IS ?");
        loc.params << values[i];
    };
    if (!r.keyFields->empty()) {
        for (int k : *r.keyFields) add(static_cast<size_t>(k));
        loc.where = terms.join(QStringLiteral(" AND "));
        return loc;
    }
    for (size_t i = 0; i < r.fields.size(); ++i) {
        if (r.originTables[i].compare(r.baseTable, Qt::CaseInsensitive) == 0) add(i);
    }
    loc.where = QStringLiteral("rowid = (SELECT rowid FROM %1 WHERE %2 LIMIT 1)")
                    .arg(detail::quoteIdentifier(r.baseTable), terms.join(QStringLiteral(" AND ")));
    return loc;
}

// The columns of the base table that the record set shows, as a select list.
QString originSelectList(const RecordsetRows& r) {
    QStringList cols;
    for (size_t i = 0; i < r.fields.size(); ++i) {
        if (r.originTables[i].compare(r.baseTable, Qt::CaseInsensitive) == 0) {
            cols << detail::quoteIdentifier(r.originColumns[i]);
        } else {
            cols << QStringLiteral("NULL");
        }
    }
    return cols.join(QStringLiteral(", "));
}

// Reads the stored values of one base-table row back into record set order; nullopt when no
// row matches.
std::optional<std::vector<QVariant>> rereadRow(RecordsetRows& r, const QString& where,
                                               const QVariantList& params) {
    detail::Statement st(*r.connection, QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                                            .arg(originSelectList(r),
                                                 detail::quoteIdentifier(r.baseTable), where));
    st.bind(params);
    if (!st.step()) return std::nullopt;
    std::vector<QVariant> values(r.fields.size());
    for (size_t i = 0; i < r.fields.size(); ++i) {
        values[i] = st.value(static_cast<int>(i), r.fields[i].type);
    }
    return values;
}

// Reads a written row back into its place in the record set. A failure (a lock held longer
// than the busy wait) leaves the row pending with the values written, to be read again when
// the row is next used: the write itself is done and is never repeated.
void readBackWritten(RecordsetRows& r, std::size_t index, qint64 rowid) {
    r.pendingReadBack[index] = rowid;
    try {
        const std::optional<std::vector<QVariant>> stored =
            rereadRow(r, QStringLiteral("rowid = ?"), {rowid});
        if (stored) {
            for (size_t i = 0; i < r.fields.size(); ++i) {
                if (r.originTables[i].compare(r.baseTable, Qt::CaseInsensitive) == 0) {
                    r.row(index)[i] = (*stored)[i];
                }
            }
        }
        r.pendingReadBack.erase(index);
    } catch (const DbError&) {
    }
}

// A row whose read-back failed is read again before it is used; a failure now is reported as
// the read error it is.
void completeReadBack(RecordsetRows& r, qsizetype position) {
    if (r.pendingReadBack.empty() || position < 0) return;
    const auto pending = r.pendingReadBack.find(static_cast<std::size_t>(position));
    if (pending == r.pendingReadBack.end()) return;
    const qint64 rowid = pending->second;
    const std::optional<std::vector<QVariant>> stored =
        rereadRow(r, QStringLiteral("rowid = ?"), {rowid});
    r.pendingReadBack.erase(pending);
    for (size_t i = 0; stored && i < r.fields.size(); ++i) {
        if (r.originTables[i].compare(r.baseTable, Qt::CaseInsensitive) == 0) {
            r.row(static_cast<size_t>(position))[i] = (*stored)[i];
        }
    }
}

}  // namespace

Recordset::Recordset() = default;

Recordset::Recordset(std::shared_ptr<RecordsetRows> rows, std::shared_ptr<RecordsetCursor> cursor)
    : rows_(std::move(rows)), cursor_(std::move(cursor)) {
    cursor_->position = nextLive(*rows_, 0);
}

bool Recordset::isOpen() const { return rows_ && cursor_ && !cursor_->closed; }

void Recordset::close() {
    if (cursor_) cursor_->closed = true;
}

RecordsetCursor& Recordset::cursor() const {
    if (!isOpen()) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il record set non è aperto."));
    }
    return *cursor_;
}

RecordsetRows& Recordset::rows() const {
    cursor();
    return *rows_;
}

bool Recordset::eof() const {
    const auto& c = cursor();
    return recordCount() == 0 || c.position >= static_cast<qsizetype>(rows().rowCount());
}

bool Recordset::bof() const { return recordCount() == 0 || cursor().position < 0; }

void Recordset::moveFirst() {
    auto& c = cursor();
    if (recordCount() == 0) noCurrentRecord();
    c.mode = EditMode::None;
    c.position = nextLive(rows(), 0);
}

void Recordset::moveLast() {
    auto& c = cursor();
    if (recordCount() == 0) noCurrentRecord();
    c.mode = EditMode::None;
    c.position = previousLive(rows(), static_cast<qsizetype>(rows().rowCount()) - 1);
}

void Recordset::moveNext() {
    auto& c = cursor();
    if (eof()) noCurrentRecord();
    c.mode = EditMode::None;
    c.position = nextLive(rows(), c.position + 1);
}

void Recordset::movePrevious() {
    auto& c = cursor();
    if (bof()) noCurrentRecord();
    c.mode = EditMode::None;
    c.position = previousLive(rows(), c.position - 1);
}

int Recordset::recordCount() const { return rows().liveRows; }

int Recordset::absolutePosition() const {
    const auto& c = cursor();
    const auto& r = rows();
    if (c.position < 0 || c.position >= static_cast<qsizetype>(r.rowCount())) return -1;
    if (isDeleted(r, c.position)) return -1;
    int n = 0;
    for (qsizetype i = 0; i < c.position; ++i) {
        if (!isDeleted(r, i)) ++n;
    }
    return n;
}

void Recordset::setAbsolutePosition(int position) {
    auto& c = cursor();
    const auto& r = rows();
    int n = 0;
    for (qsizetype i = 0; i < static_cast<qsizetype>(r.rowCount()); ++i) {
        if (isDeleted(r, i)) continue;
        if (n == position) {
            c.mode = EditMode::None;
            c.position = i;
            return;
        }
        ++n;
    }
    noCurrentRecord();
}

int Recordset::fieldCount() const { return static_cast<int>(rows().fields.size()); }

const std::vector<FieldInfo>& Recordset::fields() const { return rows().fields; }

int Recordset::fieldIndex(const QString& name) const {
    const auto& f = rows().fields;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

QVariant Recordset::value(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0) unknownField(name);
    return value(i);
}

QVariant Recordset::value(int position) const {
    const auto& c = cursor();
    const auto& r = rows();
    if (position < 0 || position >= static_cast<int>(r.fields.size())) {
        unknownField(QString::number(position));
    }
    if (c.mode != EditMode::None) return c.buffer[static_cast<size_t>(position)];
    if (c.position < 0 || c.position >= static_cast<qsizetype>(r.rowCount())) noCurrentRecord();
    if (isDeleted(r, c.position)) {
        throw DbError(errors::kRecordDeleted, QStringLiteral("Il record è stato eliminato."));
    }
    completeReadBack(rows(), c.position);
    return r.row(static_cast<size_t>(c.position))[position];
}

namespace {

bool rowMatches(const RecordsetRows& r, qsizetype i, const Criteria& criteria) {
    const QVariant* values = r.row(static_cast<size_t>(i));
    return criteria.matches([&](const QString& name) -> QVariant {
        for (size_t k = 0; k < r.fields.size(); ++k) {
            if (r.fields[k].name.compare(name, Qt::CaseInsensitive) == 0) return values[k];
        }
        unknownField(name);
    });
}

}  // namespace

namespace {

// Moves the cursor to the first live row matching `criteria` from `from` on in steps of `step`
// (+1 or -1); without a match only NoMatch changes.
bool findFrom(RecordsetRows& r, RecordsetCursor& c, const Criteria& criteria, qsizetype from,
              qsizetype step) {
    for (qsizetype i = from; i >= 0 && i < static_cast<qsizetype>(r.rowCount()); i += step) {
        if (!isDeleted(r, i) && rowMatches(r, i, criteria)) {
            c.mode = EditMode::None;
            c.position = i;
            c.noMatch = false;
            return true;
        }
    }
    c.noMatch = true;
    return false;
}

}  // namespace

bool Recordset::findFirst(const Criteria& criteria) {
    return findFrom(rows(), cursor(), criteria, 0, 1);
}

bool Recordset::findLast(const Criteria& criteria) {
    return findFrom(rows(), cursor(), criteria, static_cast<qsizetype>(rows().rowCount()) - 1, -1);
}

bool Recordset::findNext(const Criteria& criteria) {
    return findFrom(rows(), cursor(), criteria, std::max<qsizetype>(cursor().position + 1, 0), 1);
}

bool Recordset::noMatch() const { return cursor().noMatch; }

Recordset Recordset::clone() const {
    cursor();
    return Recordset(rows_, std::make_shared<RecordsetCursor>());
}

QString Recordset::baseTable() const { return rows().baseTable; }

EditMode Recordset::editMode() const { return cursor().mode; }

namespace {

void requireUpdatable(const RecordsetRows& r) {
    if (r.baseTable.isEmpty()) {
        throw DbError(errors::kReadOnly,
                      QStringLiteral("Impossibile aggiornare: il record set non è aggiornabile."));
    }
}

}  // namespace

void Recordset::edit() {
    auto& c = cursor();
    auto& r = rows();
    requireUpdatable(r);
    if (c.position < 0 || c.position >= static_cast<qsizetype>(r.rowCount())) noCurrentRecord();
    if (isDeleted(r, c.position)) {
        throw DbError(errors::kRecordDeleted, QStringLiteral("Il record è stato eliminato."));
    }
    completeReadBack(r, c.position);
    c.buffer = r.rowValues(static_cast<size_t>(c.position));
    c.changed.assign(r.fields.size(), false);
    c.mode = EditMode::Editing;
}

void Recordset::addNew() {
    auto& c = cursor();
    auto& r = rows();
    requireUpdatable(r);
    c.buffer.assign(r.fields.size(), QVariant());
    c.changed.assign(r.fields.size(), false);
    c.mode = EditMode::Adding;
}

void Recordset::setValue(const QString& name, const QVariant& value) {
    auto& c = cursor();
    auto& r = rows();
    const int i = fieldIndex(name);
    if (i < 0) unknownField(name);
    if (c.mode == EditMode::None) {
        throw DbError(errors::kUpdateWithoutEdit,
                      QStringLiteral("Aggiornamento senza AddNew o Edit."));
    }
    const auto k = static_cast<size_t>(i);
    if (r.originTables[k].compare(r.baseTable, Qt::CaseInsensitive) != 0) {
        throw DbError(errors::kFieldNotUpdatable,
                      QStringLiteral("Il campo %1 non può essere aggiornato.").arg(name));
    }
    c.buffer[k] = value;
    c.changed[k] = true;
}

void Recordset::update() {
    auto& c = cursor();
    auto& r = rows();
    if (c.mode == EditMode::None) {
        throw DbError(errors::kUpdateWithoutEdit,
                      QStringLiteral("Aggiornamento senza AddNew o Edit."));
    }
    const QString table = detail::quoteIdentifier(r.baseTable);
    QStringList columns;
    QVariantList values;
    for (size_t i = 0; i < r.fields.size(); ++i) {
        if (!c.changed[i]) continue;
        columns << detail::quoteIdentifier(r.originColumns[i]);
        values << c.buffer[i];
    }
    if (c.mode == EditMode::Adding) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
        } else {
            QStringList marks;
            for (qsizetype i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        detail::runStatement(*r.connection, sql, values);
        // The row is written: from here on the add is done, whatever the read-back meets, so
        // a retry of the operation can never write it twice.
        const qint64 rowid = sqlite3_last_insert_rowid(r.connection->handle);
        std::vector<QVariant> written(r.fields.size());
        for (size_t i = 0; i < r.fields.size(); ++i) {
            if (c.changed[i]) written[i] = c.buffer[i];
        }
        c.mode = EditMode::None;
        c.buffer.clear();
        c.changed.clear();
        const bool atEnd = c.position >= static_cast<qsizetype>(r.rowCount());
        r.appendRow(std::move(written));
        ++r.liveRows;
        if (atEnd) c.position = static_cast<qsizetype>(r.rowCount());
        readBackWritten(r, r.rowCount() - 1, rowid);
        return;
    } else {
        const auto current = static_cast<size_t>(c.position);
        if (!columns.isEmpty()) {
            const RowLocator old = locate(r, r.row(current));
            QStringList sets;
            for (const QString& col : columns) sets << col + QStringLiteral(" = ?");
            // Remember the row's identity before its key may change.
            qint64 rowid = 0;
            {
                detail::Statement find(*r.connection, QStringLiteral("SELECT rowid FROM %1 WHERE %2")
                                                          .arg(table, old.where));
                find.bind(old.params);
                if (!find.step()) {
                    throw DbError(errors::kRecordDeleted,
                                  QStringLiteral("Il record è stato eliminato da un altro utente."));
                }
                rowid = sqlite3_column_int64(find.raw(), 0);
            }
            const int changed = detail::runStatement(
                *r.connection,
                QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(QStringLiteral(", "))),
                QVariantList(values) << rowid);
            if (changed == 0) {
                throw DbError(errors::kRecordDeleted,
                              QStringLiteral("Il record è stato eliminato da un altro utente."));
            }
            // Written: the edit is done; the row shows the values written until it is read back.
            std::vector<QVariant> buffer = std::move(c.buffer);
            c.mode = EditMode::None;
            c.buffer.clear();
            c.changed.clear();
            for (size_t i = 0; i < r.fields.size(); ++i) {
                if (r.originTables[i].compare(r.baseTable, Qt::CaseInsensitive) == 0) {
                    r.row(current)[i] = buffer[i];
                }
            }
            // A changed INTEGER PRIMARY KEY moves the rowid with it: find the row again by its
            // key as written.
            try {
                if (!rereadRow(r, QStringLiteral("rowid = ?"), {rowid})) {
                    const RowLocator now = locate(r, buffer.data());
                    detail::Statement find(*r.connection, QStringLiteral("SELECT rowid FROM %1 WHERE %2")
                                                              .arg(table, now.where));
                    find.bind(now.params);
                    if (find.step()) rowid = sqlite3_column_int64(find.raw(), 0);
                }
            } catch (const DbError&) {
            }
            readBackWritten(r, current, rowid);
            return;
        }
    }
    c.mode = EditMode::None;
    c.buffer.clear();
    c.changed.clear();
}

void Recordset::cancelUpdate() {
    auto& c = cursor();
    if (c.mode == EditMode::None) {
        throw DbError(errors::kUpdateWithoutEdit,
                      QStringLiteral("Aggiornamento senza AddNew o Edit."));
    }
    c.mode = EditMode::None;
    c.buffer.clear();
    c.changed.clear();
}

void Recordset::deleteRecord() {
    auto& c = cursor();
    auto& r = rows();
    requireUpdatable(r);
    if (c.position < 0 || c.position >= static_cast<qsizetype>(r.rowCount())) noCurrentRecord();
    const auto current = static_cast<size_t>(c.position);
    if (r.deleted[current]) {
        throw DbError(errors::kRecordDeleted, QStringLiteral("Il record è stato eliminato."));
    }
    completeReadBack(r, c.position);
    const RowLocator loc = locate(r, r.row(current));
    const int changed = detail::runStatement(
        *r.connection,
        QStringLiteral("DELETE FROM %1 WHERE %2").arg(detail::quoteIdentifier(r.baseTable), loc.where),
        loc.params);
    if (changed == 0) {
        throw DbError(errors::kRecordDeleted,
                      QStringLiteral("Il record è stato eliminato da un altro utente."));
    }
    r.deleted[current] = true;
    --r.liveRows;
    c.mode = EditMode::None;
}

}  // namespace razudar::db
