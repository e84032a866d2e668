#include "platform/db/connection.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>

#include "platform/db/db_error.h"

namespace razudar::db::detail {

Connection::~Connection() { close(); }

void Connection::close() {
    if (handle) {
        sqlite3_close_v2(handle);
        handle = nullptr;
    }
}

void Connection::raise(int resultCode) const {
    if (!handle) throw DbError(resultCode, QString::fromUtf8(sqlite3_errstr(resultCode)), resultCode);
    const int extended = sqlite3_extended_errcode(handle);
    const int code = (extended & 0xFF) == (resultCode & 0xFF) ? extended : resultCode;
    throw DbError::fromSqlite(code, QString::fromUtf8(sqlite3_errmsg(handle)));
}

void Connection::requireOpen() const {
    if (!handle) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    }
}

void Connection::requireFileInPlace() const {
    int moved = 0;
    if (sqlite3_file_control(handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || !moved) return;
    // SQLite's own code for a write to such a file, so that reads and writes tell the same.
    throw DbError::fromSqlite(SQLITE_READONLY_DBMOVED,
                              QStringLiteral("database file '%1' was deleted, moved or replaced").arg(path));
}

QString quoteIdentifier(const QString& name) {
    QString inner = name;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

void bindValue(sqlite3_stmt* stmt, int index1, const QVariant& value) {
    if (value.isNull() || !value.isValid()) {
        sqlite3_bind_null(stmt, index1);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt, index1, value.toBool() ? -1 : 0);
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        sqlite3_bind_int64(stmt, index1, value.toLongLong());
        return;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        sqlite3_bind_int64(stmt, index1, static_cast<sqlite3_int64>(value.toULongLong()));
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index1, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, index1, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                            SQLITE_TRANSIENT);
        return;
    }
    case QMetaType::QDate: {
        const QByteArray text = value.toDate().toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text64(stmt, index1, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        return;
    }
    case QMetaType::QDateTime: {
        const QByteArray text =
            value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        sqlite3_bind_text64(stmt, index1, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        return;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index1, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        return;
    }
    }
}

Statement::Statement(Connection& connection, const QString& sql) : connection_(connection) {
    try {
        prepare(sql);
    } catch (const DbError&) {
        connection_.noteStatement(false);
        throw;
    }
}

void Statement::prepare(const QString& sql) {
    Connection& connection = connection_;
    connection.requireOpen();
    connection.requireFileInPlace();
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(connection.handle, text.constData(),
                                      static_cast<int>(text.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) connection.raise(rc);
    if (!stmt_) {
        throw DbError(SQLITE_MISUSE, QStringLiteral("Istruzione SQL vuota."), SQLITE_MISUSE);
    }
    // One statement per call: anything after it but blanks and a semicolon is refused.
    if (tail) {
        const QString rest = QString::fromUtf8(tail).trimmed();
        if (!rest.isEmpty() && rest != QStringLiteral(";")) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw DbError(SQLITE_MISUSE, QStringLiteral("Una sola istruzione SQL per volta."),
                          SQLITE_MISUSE);
        }
    }
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

void Statement::bind(const QVariantList& params) {
    const int expected = sqlite3_bind_parameter_count(stmt_);
    if (expected != params.size()) {
        throw DbError(SQLITE_RANGE,
                      QStringLiteral("L'istruzione attende %1 valori, ne ha ricevuti %2.")
                          .arg(expected)
                          .arg(params.size()),
                      SQLITE_RANGE);
    }
    for (int i = 0; i < params.size(); ++i) bindValue(stmt_, i + 1, params[i]);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    const bool ran = rc == SQLITE_ROW || rc == SQLITE_DONE;
    // The database answered once the first step ran; any failed step is a failure.
    if (!stepped_ || !ran) connection_.noteStatement(ran);
    stepped_ = true;
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    connection_.raise(rc);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, i));
}

QString Statement::declaredType(int i) const {
    const char* t = sqlite3_column_decltype(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QString Statement::originTable(int i) const {
    const char* t = sqlite3_column_table_name(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QString Statement::originColumn(int i) const {
    const char* t = sqlite3_column_origin_name(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QVariant Statement::value(int i, int fieldType) const {
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(stmt_, i);
        if (fieldType == field_type::kBoolean) return QVariant(v != 0);
        return QVariant(v);
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(stmt_, i);
        if (fieldType == field_type::kBoolean) return QVariant(v != 0.0);
        return QVariant(v);
    }
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(stmt_, i);
        const int size = sqlite3_column_bytes(stmt_, i);
        return QVariant(QByteArray(static_cast<const char*>(data), size));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        const int size = sqlite3_column_bytes(stmt_, i);
        const QString s = QString::fromUtf8(text, size);
        if (fieldType == field_type::kDate) {
            QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!dt.isValid()) dt = QDateTime::fromString(s, Qt::ISODate);
            if (!dt.isValid()) {
                const QDate d = QDate::fromString(s, Qt::ISODate);
                if (d.isValid()) dt = QDateTime(d, QTime(0, 0));
            }
            if (dt.isValid()) return QVariant(dt);
        }
        return QVariant(s);
    }
    }
}

int runStatement(Connection& connection, const QString& sql, const QVariantList& params) {
    Statement st(connection, sql);
    st.bind(params);
    while (st.step()) {
    }
    return sqlite3_changes(connection.handle);
}

}  // namespace razudar::db::detail
