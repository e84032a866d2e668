#include "tables/record_source.h"

#include <algorithm>

#include "platform/db/db_error.h"

namespace razudar::tables {

CompiledSql RecordSource::selectSql() const {
    CompiledSql where = compileWhere(conditions_);
    return {baseQuery_ + where.text + compileOrderBy(order_), where.params};
}

void RecordSource::readFirstPageAndCount(const CompiledSql& sql) {
    // The first page alone (the engine sorts only the rows it returns) and, when the page is
    // full, a count of the rows.
    QVariantList params = sql.params;
    params << kPageRows << 0;
    db::RowReader reader = database_.openReader(sql.text + QStringLiteral(" LIMIT ? OFFSET ?"), params);
    fields_ = reader.fields();
    std::vector<QVariant> first;
    for (; !reader.atEnd(); reader.next()) {
        for (std::size_t f = 0; f < fields_.size(); ++f) first.push_back(reader.value(static_cast<int>(f)));
        ++rowsRead_;
    }
    const int firstRows = fields_.empty() ? 0 : static_cast<int>(first.size() / fields_.size());
    if (firstRows < kPageRows) {
        rowCount_ = firstRows;
    } else {
        const CompiledSql where = compileWhere(conditions_);
        db::RowReader count = database_.openReader(
            QStringLiteral("SELECT COUNT(*) FROM (") + baseQuery_ + where.text + u')', where.params);
        rowCount_ = count.atEnd() ? 0 : static_cast<int>(count.value(0).toLongLong());
    }
    pages_[0] = std::move(first);
    pageUse_.push_back(0);
    open_ = true;
    position_ = rowCount_ > 0 ? 0 : rowCount_;
    if (onRefreshed) onRefreshed();
    moved();
}

void RecordSource::close() {
    pages_.clear();
    pageUse_.clear();
    fields_.clear();
    rowsRead_ = 0;
    open_ = false;
    rowCount_ = 0;
    position_ = -1;
    noMatch_ = false;
}

bool RecordSource::refresh(const db::Criteria* locate) {
    pages_.clear();
    pageUse_.clear();
    rowsRead_ = 0;
    noMatch_ = false;
    const CompiledSql sql = selectSql();
    if (!locate) {
        readFirstPageAndCount(sql);
        return false;
    }
    // One pass over the result: the first page is kept, the rows are counted and the first row
    // matching `locate` is found on the way. The other rows are stepped over without reading
    // their values.
    db::RowReader reader = database_.openReader(sql.text, sql.params);
    fields_ = reader.fields();
    const auto read = [&](const QString& name) {
        const int f = reader.fieldIndex(name);
        if (f < 0) {
            throw db::DbError(db::errors::kItemNotFound,
                              QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(name));
        }
        return reader.value(f);
    };
    std::vector<QVariant> first;
    int rows = 0;
    int found = -1;
    for (; !reader.atEnd(); reader.next(), ++rows) {
        if (rows < kPageRows) {
            for (std::size_t f = 0; f < fields_.size(); ++f) first.push_back(reader.value(static_cast<int>(f)));
            ++rowsRead_;
        }
        if (locate && found < 0 && locate->matches(read)) found = rows;
    }
    rowCount_ = rows;
    pages_[0] = std::move(first);
    pageUse_.push_back(0);
    open_ = true;
    if (onRefreshed) onRefreshed();
    if (found >= 0) {
        position_ = found;
        moved();
        return true;
    }
    position_ = rowCount_ > 0 ? 0 : rowCount_;
    moved();
    noMatch_ = locate != nullptr;
    return false;
}

void RecordSource::moved() {
    // A move makes the row it reaches current whatever the last find said.
    noMatch_ = false;
    if (onReposition) onReposition();
}

void RecordSource::setAbsolutePosition(int position) {
    if (position < 0 || position >= rowCount_) {
        throw db::DbError(db::errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
    }
    position_ = position;
    moved();
}

void RecordSource::moveFirst() {
    position_ = rowCount_ > 0 ? 0 : rowCount_;
    moved();
}

void RecordSource::moveLast() {
    position_ = rowCount_ > 0 ? rowCount_ - 1 : rowCount_;
    moved();
}

void RecordSource::moveNext() {
    if (eof()) throw db::DbError(db::errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
    ++position_;
    moved();
}

void RecordSource::movePrevious() {
    if (bof()) throw db::DbError(db::errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
    --position_;
    moved();
}

int RecordSource::fieldIndex(const QString& name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

int RecordSource::fieldType(const QString& name) const {
    const int i = fieldIndex(name);
    return i < 0 ? -1 : fields_[static_cast<std::size_t>(i)].type;
}

QVariant RecordSource::value(const QString& name) const {
    const int f = fieldIndex(name);
    if (f < 0) {
        throw db::DbError(db::errors::kItemNotFound,
                          QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(name));
    }
    if (absolutePosition() < 0) {
        throw db::DbError(db::errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
    }
    return valueAt(position_, f);
}

QVariant RecordSource::valueAt(int row, int field) const {
    if (row < 0 || row >= rowCount_ || field < 0 || field >= static_cast<int>(fields_.size())) return {};
    const std::vector<QVariant>& rows = page(row / kPageRows);
    const std::size_t at = static_cast<std::size_t>(row % kPageRows) * fields_.size() + static_cast<std::size_t>(field);
    return at < rows.size() ? rows[at] : QVariant();
}

const std::vector<QVariant>& RecordSource::page(int pageNumber) const {
    auto use = std::find(pageUse_.begin(), pageUse_.end(), pageNumber);
    if (use != pageUse_.end()) pageUse_.erase(use);
    pageUse_.push_back(pageNumber);
    if (auto it = pages_.find(pageNumber); it != pages_.end()) return it->second;
    while (pages_.size() >= kKeptPages && pageUse_.size() > 1) {
        pages_.erase(pageUse_.front());
        pageUse_.erase(pageUse_.begin());
    }
    const CompiledSql sql = selectSql();
    QVariantList params = sql.params;
    params << kPageRows << pageNumber * kPageRows;
    std::vector<QVariant> rows;
    rows.reserve(static_cast<std::size_t>(kPageRows) * fields_.size());
    db::RowReader reader = database_.openReader(sql.text + QStringLiteral(" LIMIT ? OFFSET ?"), params);
    for (; !reader.atEnd(); reader.next()) {
        for (std::size_t f = 0; f < fields_.size(); ++f) rows.push_back(reader.value(static_cast<int>(f)));
        ++rowsRead_;
    }
    return pages_[pageNumber] = std::move(rows);
}

bool RecordSource::findFirst(const db::Criteria& criteria, int from) {
    const CompiledSql sql = selectSql();
    db::RowReader reader = database_.openReader(sql.text, sql.params);
    const auto read = [&](const QString& name) {
        const int f = reader.fieldIndex(name);
        if (f < 0) {
            throw db::DbError(db::errors::kItemNotFound,
                              QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(name));
        }
        return reader.value(f);
    };
    for (int row = 0; !reader.atEnd(); reader.next(), ++row) {
        if (row >= from && criteria.matches(read)) {
            noMatch_ = false;
            position_ = row;
            moved();
            return true;
        }
    }
    noMatch_ = true;
    return false;
}

}  // namespace razudar::tables
