#include "assets/database_builder.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <stdexcept>

#include "razudar_asset_paths.h"

namespace razudar::assets {

QString buildDatabaseFromSql(const QString& databasePath, const QStringList& sqlFiles) {
    QFile::remove(databasePath);
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(databasePath);
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const QString error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        return QStringLiteral("%1: %2").arg(databasePath, error);
    }
    QString error;
    auto exec = [&](const QByteArray& sql, const QString& where) {
        char* message = nullptr;
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            error = QStringLiteral("%1: %2").arg(where, QString::fromUtf8(message ? message : "error"));
            sqlite3_free(message);
            return false;
        }
        return true;
    };
    // Nothing reads the file while it is built: no need to wait for the disk.
    bool ok = exec("PRAGMA journal_mode = DELETE; PRAGMA synchronous = OFF; PRAGMA foreign_keys = ON; BEGIN;",
                   databasePath);
    for (const QString& file : sqlFiles) {
        if (!ok) break;
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1: cannot read").arg(file);
            ok = false;
            break;
        }
        ok = exec(f.readAll(), file);
    }
    if (ok) ok = exec("COMMIT;", databasePath);
    sqlite3_close(db);
    if (!ok) QFile::remove(databasePath);
    return error;
}

QString schemaSqlPath() { return QStringLiteral(RAZUDAR_SCHEMA_SQL); }
QString demoSqlPath() { return QStringLiteral(RAZUDAR_DEMO_SQL); }

QString createRaceDatabase(const QString& folder, DatabaseContent content) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("Zez.mdb"));
    QStringList files{schemaSqlPath()};
    if (content == DatabaseContent::Demo) files << demoSqlPath();
    const QString error = buildDatabaseFromSql(path, files);
    if (!error.isEmpty()) throw std::runtime_error(error.toStdString());
    return path;
}

}  // namespace razudar::assets
