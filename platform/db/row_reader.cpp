#include "platform/db/row_reader.h"

#include "platform/db/connection.h"
#include "platform/db/db_error.h"

namespace razudar::db {

RowReader::RowReader() = default;
RowReader::RowReader(RowReader&&) noexcept = default;
RowReader& RowReader::operator=(RowReader&&) noexcept = default;
RowReader::~RowReader() = default;

RowReader::RowReader(std::shared_ptr<detail::Connection> connection, const QString& sql,
                     const QVariantList& params)
    : connection_(std::move(connection)) {
    statement_ = std::make_unique<detail::Statement>(*connection_, sql);
    statement_->bind(params);
    const int n = statement_->columnCount();
    fields_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        fields_.push_back(fieldInfoFromDeclaredType(statement_->columnName(i), statement_->declaredType(i)));
    }
    step();
}

void RowReader::step() {
    // Past the last row the statement is finalised at once, which ends its read.
    if (!statement_->step()) statement_.reset();
}

void RowReader::requireCurrentRow() const {
    if (atEnd()) throw DbError(errors::kNoCurrentRecord, QStringLiteral("Nessun record corrente."));
    connection_->requireOpen();  // the database was closed under the reader
}

bool RowReader::atEnd() const { return !statement_; }

void RowReader::next() {
    requireCurrentRow();
    step();
}

int RowReader::fieldIndex(const QString& name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

void RowReader::requireField(int position) const {
    if (position < 0 || position >= static_cast<int>(fields_.size())) {
        throw DbError(errors::kItemNotFound,
                      QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(position));
    }
}

QVariant RowReader::value(int position) const {
    requireField(position);
    requireCurrentRow();
    return statement_->value(position, fields_[static_cast<std::size_t>(position)].type);
}

sqlite3_stmt* RowReader::storedAs(int position, int storageClass) const {
    requireField(position);
    requireCurrentRow();
    // value() makes truth values of numbers in yes/no columns and dates of texts in date columns.
    const int convertingType = storageClass == SQLITE_TEXT ? field_type::kDate : field_type::kBoolean;
    if (fields_[static_cast<std::size_t>(position)].type == convertingType) return nullptr;
    sqlite3_stmt* stmt = statement_->raw();
    return sqlite3_column_type(stmt, position) == storageClass ? stmt : nullptr;
}

std::optional<qint64> RowReader::wholeNumber(int position) const {
    sqlite3_stmt* stmt = storedAs(position, SQLITE_INTEGER);
    if (!stmt) return std::nullopt;
    return sqlite3_column_int64(stmt, position);
}

std::optional<QString> RowReader::text(int position) const {
    sqlite3_stmt* stmt = storedAs(position, SQLITE_TEXT);
    if (!stmt) return std::nullopt;
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt, position));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(stmt, position));
}

bool RowReader::isNull(int position) const {
    requireField(position);
    requireCurrentRow();
    return sqlite3_column_type(statement_->raw(), position) == SQLITE_NULL;
}

}  // namespace razudar::db
