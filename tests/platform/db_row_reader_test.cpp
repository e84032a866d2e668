// The forward-only reader: the record sets' values, one pass, and the file's lock released as
// soon as the last row is passed.
#include <gtest/gtest.h>

#include <QDateTime>

#include <sqlite3.h>

#include "db_test_support.h"

namespace razudar::db {
namespace {

using testing::errorNumberOf;
using testing::FreshDatabase;

class RowReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = fresh.open();
        db.execute(QStringLiteral("INSERT INTO Gare (ga_Gara, ga_Descrizione, ga_Parallelo, ga_Data) "
                                  "VALUES (5, 'Gigante', -1, '2024-02-18 09:30:00')"));
        for (int run = 1; run <= 3; ++run) {
            db.execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, "
                                      "se_Descrizione) VALUES (5, 'GA', ?, ?)"),
                       {run, run == 2 ? QVariant() : QVariant(QStringLiteral("Manche %1").arg(run))});
        }
    }
    FreshDatabase fresh;
    Database db;
};

TEST_F(RowReaderTest, GivesTheRecordSetsValuesRowByRow) {
    const QString sql = QStringLiteral(
        "SELECT se_Manche, se_Descrizione, ga_Parallelo, ga_Data, se_Manche * 2 AS Doppia"
        " FROM Sessioni JOIN Gare ON ga_Gara = se_Gara WHERE se_Gara = ? ORDER BY se_Manche");
    RowReader reader = db.openReader(sql, {5});
    Recordset rs = db.openRecordset(sql, {5});
    ASSERT_EQ(reader.fields().size(), 5u);
    EXPECT_EQ(reader.fieldIndex(QStringLiteral("SE_DESCRIZIONE")), 1);
    EXPECT_EQ(reader.fieldIndex(QStringLiteral("se_Nessuno")), -1);
    int rows = 0;
    for (; !reader.atEnd(); reader.next(), rs.moveNext()) {
        ++rows;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(reader.value(i), rs.value(i)) << "row " << rows << " field " << i;
            EXPECT_EQ(reader.value(i).typeId(), rs.value(i).typeId()) << "row " << rows << " field " << i;
        }
    }
    EXPECT_EQ(rows, 3);
    EXPECT_TRUE(rs.eof());
}

TEST_F(RowReaderTest, TypedValuesAndNull) {
    RowReader reader = db.openReader(QStringLiteral("Gare"));
    ASSERT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.value(reader.fieldIndex(QStringLiteral("ga_Parallelo"))), QVariant(true));
    EXPECT_EQ(reader.value(reader.fieldIndex(QStringLiteral("ga_Data"))).toDateTime(),
              QDateTime(QDate(2024, 2, 18), QTime(9, 30)));
    EXPECT_EQ(reader.value(reader.fieldIndex(QStringLiteral("ga_Gara"))).typeId(), QMetaType::LongLong);
    EXPECT_TRUE(reader.value(reader.fieldIndex(QStringLiteral("ga_Lingua"))).isNull());
    EXPECT_EQ(errorNumberOf([&] { reader.value(99); }), errors::kItemNotFound);
    reader.next();
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(errorNumberOf([&] { reader.value(0); }), errors::kNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { reader.next(); }), errors::kNoCurrentRecord);
}

TEST_F(RowReaderTest, DirectReadsGiveWhatValueGivesOrNothing) {
    db.execute(QStringLiteral("UPDATE Gare SET ga_Anno = 2024.5, ga_Risoluzione = '3' || 'x'"));
    RowReader r = db.openReader(QStringLiteral(
        "SELECT ga_Gara, ga_Parallelo, ga_Anno, ga_Descrizione, ga_Data, ga_Lingua, ga_Risoluzione"
        " FROM Gare"));
    // A whole number of a number column; a yes/no column and a fraction are left to value().
    EXPECT_EQ(r.wholeNumber(0), std::optional<qint64>(5));
    EXPECT_EQ(r.wholeNumber(1), std::nullopt);
    EXPECT_EQ(r.value(1), QVariant(true));
    EXPECT_EQ(r.wholeNumber(2), std::nullopt);
    EXPECT_EQ(r.value(2), QVariant(2024.5));
    // A text; a date column's text is left to value(), which makes it a date.
    EXPECT_EQ(r.text(3), std::optional<QString>(QStringLiteral("Gigante")));
    EXPECT_EQ(r.text(4), std::nullopt);
    EXPECT_EQ(r.text(0), std::nullopt);
    // Null is neither, and says so.
    EXPECT_TRUE(r.isNull(5));
    EXPECT_EQ(r.text(5), std::nullopt);
    EXPECT_EQ(r.wholeNumber(5), std::nullopt);
    EXPECT_FALSE(r.isNull(3));
    // A text stored in a number column is a text.
    EXPECT_EQ(r.wholeNumber(6), std::nullopt);
    EXPECT_EQ(r.text(6), std::optional<QString>(QStringLiteral("3x")));
    EXPECT_EQ(errorNumberOf([&] { r.wholeNumber(7); }), errors::kItemNotFound);
    r.next();
    EXPECT_EQ(errorNumberOf([&] { r.text(3); }), errors::kNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { r.isNull(3); }), errors::kNoCurrentRecord);
}

TEST_F(RowReaderTest, QueryWithoutRowsIsAtItsEndWithItsFields) {
    RowReader reader = db.openReader(QStringLiteral("SELECT * FROM Sessioni WHERE se_Gara = ?"), {99});
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.fields().size(), 8u);
    EXPECT_EQ(reader.fields()[2].name, QStringLiteral("se_Manche"));
}

TEST_F(RowReaderTest, ErrorsOfTheStatementAreRaisedAtOpen) {
    EXPECT_EQ(errorNumberOf([&] { db.openReader(QStringLiteral("SELECT * FROM Nessuna")); }), SQLITE_ERROR);
    EXPECT_EQ(errorNumberOf([&] { db.openReader(QStringLiteral("SELECT ?"), {}); }), SQLITE_RANGE);
    EXPECT_EQ(errorNumberOf([&] { Database().openReader(QStringLiteral("Gare")); }), errors::kNotOpen);
}

TEST_F(RowReaderTest, LockIsHeldOnlyUntilTheLastRowIsPassed) {
    Database other = fresh.open();
    RowReader reader = db.openReader(QStringLiteral("SELECT se_Manche FROM Sessioni ORDER BY se_Manche"));
    // While rows remain the reader holds the shared lock: a writer cannot commit.
    EXPECT_EQ(errorNumberOf([&] { other.execute(QStringLiteral("DELETE FROM Sessioni")); }),
              errors::kRecordLocked);
    EXPECT_EQ(reader.value(0).toLongLong(), 1);
    reader.next();
    reader.next();
    EXPECT_EQ(reader.value(0).toLongLong(), 3);
    reader.next();
    ASSERT_TRUE(reader.atEnd());
    EXPECT_EQ(other.execute(QStringLiteral("DELETE FROM Sessioni")), 3);
}

TEST_F(RowReaderTest, OtherStatementsRunWhileReading) {
    RowReader reader = db.openReader(QStringLiteral("SELECT se_Manche FROM Sessioni ORDER BY se_Manche"));
    Recordset races = db.openRecordset(QStringLiteral("SELECT ga_Descrizione FROM Gare"));
    EXPECT_EQ(races.value(0).toString(), QStringLiteral("Gigante"));
    EXPECT_EQ(reader.value(0).toLongLong(), 1);
}

TEST_F(RowReaderTest, ClosedDatabaseStopsAnOpenReader) {
    RowReader reader = db.openReader(QStringLiteral("SELECT se_Manche FROM Sessioni"));
    db.close();
    EXPECT_EQ(errorNumberOf([&] { reader.value(0); }), errors::kNotOpen);
    EXPECT_EQ(errorNumberOf([&] { reader.next(); }), errors::kNotOpen);
}

}  // namespace
}  // namespace razudar::db
