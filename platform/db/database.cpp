#include "platform/db/database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "platform/db/connection.h"
#include "platform/db/recordset_data.h"
#include "platform/db/text_folding.h"

namespace razudar::db {

using detail::Connection;

Database::Database() = default;

Database::Database(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

namespace {

int busyHandler(void* context, int tries) {
    const auto* connection = static_cast<const Connection*>(context);
    return connection->lockWaits->onBusy(tries, connection->busyTimeoutMs) ? 1 : 0;
}

}  // namespace

Database Database::open(const QString& path, const OpenOptions& options, std::shared_ptr<LockWaits> lockWaits) {
    if (!QFileInfo(path).isFile()) {
        throw DbError(errors::kFileNotFound,
                      QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    }
    auto connection = std::make_shared<Connection>();
    connection->path = path;
    // One connection per thread: SQLite's own locking of every call is not needed.
    const int flags =
        (options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &connection->handle, flags, nullptr);
    if (rc != SQLITE_OK) connection->raise(rc);
    sqlite3_extended_result_codes(connection->handle, 1);
    // Texts compare without regard to case for every letter, as the record sets' finds do.
    if (const int folding = registerTextFolding(connection->handle); folding != SQLITE_OK) connection->raise(folding);
    connection->busyTimeoutMs = options.busyTimeoutMs;
    connection->lockWaits = std::move(lockWaits);
    if (connection->lockWaits) {
        sqlite3_busy_handler(connection->handle, &busyHandler, connection.get());
    } else {
        sqlite3_busy_timeout(connection->handle, options.busyTimeoutMs);
    }
    detail::runStatement(*connection, QStringLiteral("PRAGMA foreign_keys = ON"));
    detail::runStatement(*connection, QStringLiteral("PRAGMA synchronous = FULL"));
    if (options.exclusive) {
        detail::runStatement(*connection, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    }
    // Reading the schema proves the file is a database (a foreign file fails here).
    detail::runStatement(*connection, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!options.readOnly) {
        detail::runStatement(*connection, QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    return Database(std::move(connection));
}

bool Database::isOpen() const { return connection_ && connection_->handle; }

sqlite3* Database::nativeHandle() const { return connection_ ? connection_->handle : nullptr; }

QString Database::path() const { return connection_ ? connection_->path : QString(); }

void Database::close() {
    if (connection_) connection_->close();
}

namespace {

// The SQL of a query or of a bare table or view name (all of it).
QString querySql(const QString& sqlOrName) {
    static const QRegularExpression kBareName(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*$"));
    const QRegularExpressionMatch m = kBareName.match(sqlOrName);
    return m.hasMatch() ? QStringLiteral("SELECT * FROM ") + detail::quoteIdentifier(m.captured(1))
                        : sqlOrName;
}

}  // namespace

Recordset Database::openRecordset(const QString& sqlOrName, const QVariantList& params) const {
    if (!connection_) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    }
    return Recordset(detail::readRows(connection_, querySql(sqlOrName), params),
                     std::make_shared<detail::RecordsetCursor>());
}

RowReader Database::openReader(const QString& sqlOrName, const QVariantList& params) const {
    if (!connection_) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    }
    return RowReader(connection_, querySql(sqlOrName), params);
}

int Database::execute(const QString& sql, const QVariantList& params) const {
    if (!connection_) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    }
    // One statement is atomic in SQLite: a failing statement leaves none of its changes.
    return detail::runStatement(*connection_, sql, params);
}

std::vector<FieldInfo> Database::tableFields(const QString& tableOrView) const {
    if (!connection_) {
        throw DbError(errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    }
    detail::Statement st(*connection_,
                         QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"));
    st.bind({tableOrView});
    std::vector<FieldInfo> fields;
    while (st.step()) {
        fields.push_back(fieldInfoFromDeclaredType(st.value(0, field_type::kText).toString(),
                                                   st.value(1, field_type::kText).toString()));
    }
    if (fields.empty()) {
        throw DbError(errors::kItemNotFound,
                      QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(tableOrView));
    }
    return fields;
}

bool Database::inTransaction() const {
    return isOpen() && sqlite3_get_autocommit(connection_->handle) == 0;
}

struct Workspace::State {
    QString name;
    QString user;
    // The databases opened here stay open with the workspace, as its collection holds them.
    std::vector<std::shared_ptr<Connection>> connections;

    std::vector<std::shared_ptr<Connection>> open() {
        std::vector<std::shared_ptr<Connection>> live;
        for (const auto& c : connections) {
            if (c->handle) live.push_back(c);
        }
        return live;
    }
};

Workspace::Workspace() = default;

Workspace Workspace::create(const QString& name, const QString& user, const QString& password) {
    Q_UNUSED(password)
    Workspace ws;
    ws.state_ = std::make_shared<State>();
    ws.state_->name = name;
    ws.state_->user = user;
    return ws;
}

bool Workspace::isValid() const { return state_ != nullptr; }

namespace {

[[noreturn]] void noWorkspace() {
    throw DbError(errors::kNotOpen, QStringLiteral("Lo spazio di lavoro non è stato creato."));
}

}  // namespace

Database Workspace::openDatabase(const QString& path, bool exclusive, bool readOnly,
                                 const QString& connect, int busyTimeoutMs,
                                 std::shared_ptr<LockWaits> lockWaits) {
    Q_UNUSED(connect)
    if (!state_) noWorkspace();
    OpenOptions options;
    options.exclusive = exclusive;
    options.readOnly = readOnly;
    options.busyTimeoutMs = busyTimeoutMs;
    Database db = Database::open(path, options, std::move(lockWaits));
    state_->connections.push_back(db.connection_);
    return db;
}

void Workspace::beginTrans() {
    if (!state_) noWorkspace();
    for (const auto& c : state_->open()) detail::runStatement(*c, QStringLiteral("BEGIN IMMEDIATE"));
}

void Workspace::commitTrans(bool forceOsFlush) {
    Q_UNUSED(forceOsFlush)  // synchronous=FULL flushes every commit
    if (!state_) noWorkspace();
    for (const auto& c : state_->open()) {
        if (sqlite3_get_autocommit(c->handle) == 0) detail::runStatement(*c, QStringLiteral("COMMIT"));
    }
}

void Workspace::rollback() {
    if (!state_) noWorkspace();
    for (const auto& c : state_->open()) {
        if (sqlite3_get_autocommit(c->handle) == 0) {
            detail::runStatement(*c, QStringLiteral("ROLLBACK"));
        }
    }
}

void Workspace::idleRefreshCache() {}

}  // namespace razudar::db
