#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include "db_test_support.h"

namespace razudar::db {
namespace {

using testing::errorNumberOf;
using testing::FreshDatabase;

TEST(DatabaseOpen, MissingFileIsReportedAndNeverCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zez.mdb"));
    try {
        Database::open(path);
        FAIL() << "opened a missing file";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), errors::kFileNotFound);
        EXPECT_EQ(e.description(), QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(DatabaseOpen, FileThatIsNotADatabaseKeepsSqlitesNumber) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zez.mdb"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_EQ(errorNumberOf([&] { Database::open(path); }), SQLITE_NOTADB);
}

TEST(DatabaseOpen, UsesRollbackJournalFullSyncAndForeignKeys) {
    FreshDatabase fresh;
    Database db = fresh.open();
    EXPECT_EQ(db.openRecordset(QStringLiteral("PRAGMA journal_mode")).value(0).toString(),
              QStringLiteral("delete"));
    EXPECT_EQ(db.openRecordset(QStringLiteral("PRAGMA synchronous")).value(0).toLongLong(), 2);
    EXPECT_EQ(db.openRecordset(QStringLiteral("PRAGMA foreign_keys")).value(0).toLongLong(), 1);
}

TEST(DatabaseOpen, ReadOnlyRefusesWrites) {
    FreshDatabase fresh;
    OpenOptions options;
    options.readOnly = true;
    Database db = Database::open(fresh.path, options);
    EXPECT_EQ(errorNumberOf([&] {
                  db.execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 1"));
              }),
              SQLITE_READONLY);
}

TEST(DatabaseExecute, BoundValuesKeepApostrophes) {
    FreshDatabase fresh;
    Database db = fresh.open();
    db.execute(QStringLiteral("INSERT INTO Societa (ss_Societa, ss_Descrizione) VALUES (?, ?)"),
               {QStringLiteral("SCEGA"), QStringLiteral("Sci Club Val d'Ega")});
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Societa WHERE ss_Descrizione = ?"),
                                    {QStringLiteral("sci club val d'ega")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("ss_Descrizione")).toString(), QStringLiteral("Sci Club Val d'Ega"));
}

TEST(DatabaseExecute, ReturnsRowsChanged) {
    FreshDatabase fresh;
    Database db = fresh.open();
    EXPECT_EQ(db.execute(QStringLiteral("UPDATE Configurazione SET cf_VersioneProgramma = ?"),
                         {QStringLiteral("1.0")}),
              1);
}

TEST(DatabaseExecute, DuplicateKeyIs3022AndChangesNothing) {
    FreshDatabase fresh;
    Database db = fresh.open();
    db.execute(QStringLiteral("INSERT INTO TipiTurni (tt_Id, tt_TipoTurno) VALUES (2, 'GA')"));
    try {
        db.execute(QStringLiteral("INSERT INTO TipiTurni (tt_Id, tt_TipoTurno) VALUES (3, 'ga')"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), errors::kDuplicateKey);
        EXPECT_EQ(e.sqliteCode(), SQLITE_CONSTRAINT_UNIQUE);
    }
    EXPECT_EQ(db.openRecordset(QStringLiteral("TipiTurni")).recordCount(), 1);
}

TEST(DatabaseExecute, UnknownTableKeepsSqlitesNumberAndText) {
    FreshDatabase fresh;
    Database db = fresh.open();
    try {
        db.openRecordset(QStringLiteral("SELECT * FROM Nessuna"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), SQLITE_ERROR);
        EXPECT_EQ(e.description(), QStringLiteral("no such table: Nessuna"));
    }
}

TEST(DatabaseExecute, RefusesASecondStatementInOneText) {
    FreshDatabase fresh;
    Database db = fresh.open();
    EXPECT_NE(errorNumberOf([&] {
                  db.execute(QStringLiteral("UPDATE Monitor SET mo_FontSize = 1; DELETE FROM Monitor"));
              }),
              0);
    EXPECT_EQ(db.openRecordset(QStringLiteral("Monitor")).recordCount(), 1);
}

TEST(DatabaseExecute, WrongNumberOfValuesIsAnError) {
    FreshDatabase fresh;
    Database db = fresh.open();
    EXPECT_EQ(errorNumberOf([&] {
                  db.execute(QStringLiteral("UPDATE Monitor SET mo_FontSize = ?"), {});
              }),
              SQLITE_RANGE);
}

TEST(DatabaseFields, TableFieldsCarryTypeCodesAndSizes) {
    FreshDatabase fresh;
    Database db = fresh.open();
    const std::vector<FieldInfo> fields = db.tableFields(QStringLiteral("gare"));
    auto find = [&](const QString& name) {
        for (const FieldInfo& f : fields) {
            if (f.name == name) return f;
        }
        return FieldInfo{};
    };
    EXPECT_EQ(find(QStringLiteral("ga_Gara")).type, field_type::kInteger);
    EXPECT_EQ(find(QStringLiteral("ga_Gara")).size, 2);
    EXPECT_EQ(find(QStringLiteral("ga_TipoFederazione")).type, field_type::kLong);
    EXPECT_EQ(find(QStringLiteral("ga_Descrizione")).type, field_type::kText);
    EXPECT_EQ(find(QStringLiteral("ga_Descrizione")).size, 100);
    EXPECT_EQ(find(QStringLiteral("ga_Data")).type, field_type::kDate);
    EXPECT_EQ(find(QStringLiteral("ga_Parallelo")).type, field_type::kBoolean);
    EXPECT_EQ(fields.front().name, QStringLiteral("ga_Gara"));
}

TEST(DatabaseFields, ViewFieldsFollowTheirColumns) {
    FreshDatabase fresh;
    Database db = fresh.open();
    const std::vector<FieldInfo> fields = db.tableFields(QStringLiteral("QSessioni"));
    ASSERT_GE(fields.size(), 9u);
    EXPECT_EQ(fields[0].name, QStringLiteral("se_Gara"));
    EXPECT_EQ(fields[0].type, field_type::kInteger);
    EXPECT_EQ(fields[4].name, QStringLiteral("se_Orario"));
    EXPECT_EQ(fields[4].type, field_type::kDate);
    EXPECT_EQ(fields[8].name, QStringLiteral("sn_Descrizione"));
    EXPECT_EQ(fields[8].type, field_type::kText);
}

TEST(DatabaseFields, UnknownTableIs3265) {
    FreshDatabase fresh;
    Database db = fresh.open();
    EXPECT_EQ(errorNumberOf([&] { db.tableFields(QStringLiteral("Nessuna")); }),
              errors::kItemNotFound);
}

TEST(DatabaseFields, DeclaredTypesMapToEngineCodes) {
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("LONGTEXT")).type, field_type::kMemo);
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("DOUBLE")).type, field_type::kDouble);
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("TEXT(5)")).size, 5);
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("DATETIME")).type, field_type::kDate);
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("BOOLEAN")).type, field_type::kBoolean);
    EXPECT_EQ(fieldInfoFromDeclaredType(QStringLiteral("a"), QStringLiteral("TINYINT")).type, field_type::kByte);
}

TEST(ErrorMapping, LockCodesBecomeLockNumbers) {
    EXPECT_EQ(jetErrorNumber(SQLITE_BUSY), errors::kRecordLocked);
    EXPECT_EQ(jetErrorNumber(SQLITE_BUSY_SNAPSHOT), errors::kRecordLocked);
    EXPECT_EQ(jetErrorNumber(SQLITE_LOCKED), errors::kSaveLocked);
    EXPECT_EQ(jetErrorNumber(SQLITE_LOCKED_SHAREDCACHE), errors::kReadLocked);
    EXPECT_TRUE(isLockError(3260));
    EXPECT_TRUE(isLockError(3186));
    EXPECT_TRUE(isLockError(3187));
    EXPECT_TRUE(isLockError(3624));
    EXPECT_FALSE(isLockError(3022));
}

TEST(ErrorMapping, KeyDiskAndOtherCodes) {
    EXPECT_EQ(jetErrorNumber(SQLITE_CONSTRAINT_PRIMARYKEY), errors::kDuplicateKey);
    EXPECT_EQ(jetErrorNumber(SQLITE_CONSTRAINT_UNIQUE), errors::kDuplicateKey);
    EXPECT_EQ(jetErrorNumber(SQLITE_CONSTRAINT_NOTNULL), SQLITE_CONSTRAINT_NOTNULL);
    EXPECT_EQ(jetErrorNumber(SQLITE_CONSTRAINT_FOREIGNKEY), SQLITE_CONSTRAINT_FOREIGNKEY);
    EXPECT_EQ(jetErrorNumber(SQLITE_IOERR_WRITE), errors::kDiskOrNetwork);
    EXPECT_EQ(jetErrorNumber(SQLITE_IOERR), errors::kDiskOrNetwork);
    EXPECT_EQ(jetErrorNumber(SQLITE_FULL), errors::kDiskOrNetwork);
    EXPECT_EQ(jetErrorNumber(SQLITE_CANTOPEN), errors::kDiskOrNetwork);
    EXPECT_EQ(jetErrorNumber(SQLITE_ERROR), SQLITE_ERROR);
}

TEST(Transactions, RollbackUndoesAndCommitKeeps) {
    FreshDatabase fresh;
    Workspace ws = Workspace::create(QString(), QStringLiteral("admin"), QString());
    Database db = ws.openDatabase(fresh.path, false, false, QStringLiteral(";pwd=x"), 0);
    ws.beginTrans();
    EXPECT_TRUE(db.inTransaction());
    db.execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 7"));
    ws.rollback();
    EXPECT_FALSE(db.inTransaction());
    EXPECT_TRUE(db.openRecordset(QStringLiteral("Configurazione")).isNull(QStringLiteral("cf_GaraAttiva")));
    ws.beginTrans();
    db.execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 8"));
    ws.commitTrans(true);
    Database other = fresh.open();
    EXPECT_EQ(other.openRecordset(QStringLiteral("Configurazione")).value(QStringLiteral("cf_GaraAttiva")).toLongLong(), 8);
}

TEST(Transactions, BeginImmediateTakesTheWriteLockAtOnce) {
    FreshDatabase fresh;
    Workspace ws = Workspace::create(QString(), QString(), QString());
    ws.openDatabase(fresh.path, false, false, QString(), 0);
    ws.beginTrans();
    Database other = fresh.open(0);
    EXPECT_EQ(errorNumberOf([&] { other.execute(QStringLiteral("BEGIN IMMEDIATE")); }),
              errors::kRecordLocked);
    // Readers are not blocked by a pending writer.
    EXPECT_EQ(other.openRecordset(QStringLiteral("Monitor")).recordCount(), 1);
    ws.rollback();
}

TEST(Transactions, WorkspaceNotCreatedIsAnError) {
    Workspace ws;
    EXPECT_EQ(errorNumberOf([&] { ws.beginTrans(); }), errors::kNotOpen);
}

}  // namespace
}  // namespace razudar::db
