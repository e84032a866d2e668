#include <gtest/gtest.h>

#include <QDateTime>

#include <sqlite3.h>

#include "db_test_support.h"

namespace razudar::db {
namespace {

using testing::errorNumberOf;
using testing::FreshDatabase;

// A small table of sessions to walk, find and edit.
class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = fresh.open();
        db.execute(QStringLiteral("INSERT INTO Gare (ga_Gara, ga_Descrizione, ga_Parallelo, ga_Data) "
                                  "VALUES (5, 'Gigante', -1, '2024-02-18 09:30:00')"));
        const QVariantList rows[] = {
            {5, QStringLiteral("GA"), 1, QStringLiteral("1a Manche"), 2},
            {5, QStringLiteral("GA"), 2, QStringLiteral("2a Manche"), 0},
            {5, QStringLiteral("PR"), 1, QVariant(), 1},
        };
        for (const QVariantList& r : rows) {
            db.execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, "
                                      "se_Descrizione, se_StatoSessione) VALUES (?, ?, ?, ?, ?)"),
                       r);
        }
    }
    Recordset sessions() const {
        return db.openRecordset(QStringLiteral("SELECT * FROM Sessioni ORDER BY se_TipoTurno, se_Manche"));
    }
    FreshDatabase fresh;
    Database db;
};

TEST_F(RecordsetTest, WalksRowsAndReportsEnds) {
    Recordset rs = sessions();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.absolutePosition(), 0);
    QStringList seen;
    while (!rs.eof()) {
        seen << rs.value(QStringLiteral("se_TipoTurno")).toString() + rs.value(2).toString();
        rs.moveNext();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("GA1"), QStringLiteral("GA2"), QStringLiteral("PR1")}));
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_EQ(errorNumberOf([&] { rs.moveNext(); }), errors::kNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs.value(0); }), errors::kNoCurrentRecord);
    rs.moveLast();
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.movePrevious();
    EXPECT_EQ(rs.value(QStringLiteral("SE_MANCHE")).toLongLong(), 2);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    rs.setAbsolutePosition(1);
    EXPECT_EQ(rs.value(QStringLiteral("se_Descrizione")).toString(), QStringLiteral("2a Manche"));
    EXPECT_EQ(errorNumberOf([&] { rs.setAbsolutePosition(3); }), errors::kNoCurrentRecord);
}

TEST_F(RecordsetTest, EmptyRecordSetIsAtBothEnds) {
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Sessioni WHERE se_Gara = ?"), {99});
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_EQ(errorNumberOf([&] { rs.moveFirst(); }), errors::kNoCurrentRecord);
    EXPECT_EQ(rs.fieldCount(), 8);
}

TEST_F(RecordsetTest, ValuesComeTypedAndNullIsEmpty) {
    Recordset rs = db.openRecordset(QStringLiteral("Gare"));
    EXPECT_EQ(rs.value(QStringLiteral("ga_Parallelo")).typeId(), QMetaType::Bool);
    EXPECT_TRUE(rs.value(QStringLiteral("ga_Parallelo")).toBool());
    EXPECT_FALSE(rs.value(QStringLiteral("ga_KO")).toBool());  // column default 0
    EXPECT_EQ(rs.value(QStringLiteral("ga_Data")).toDateTime(),
              QDateTime(QDate(2024, 2, 18), QTime(9, 30)));
    EXPECT_EQ(rs.value(QStringLiteral("ga_Gara")).typeId(), QMetaType::LongLong);
    EXPECT_TRUE(rs.isNull(QStringLiteral("ga_Lingua")));
    EXPECT_EQ(errorNumberOf([&] { rs.value(QStringLiteral("ga_Nessuno")); }), errors::kItemNotFound);
}

TEST_F(RecordsetTest, RecordSetIsASnapshotHoldingNoLock) {
    Recordset rs = sessions();
    Database other = fresh.open();
    other.execute(QStringLiteral("DELETE FROM Sessioni"));
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("se_Descrizione")).toString(), QStringLiteral("1a Manche"));
}

TEST_F(RecordsetTest, FindFirstAndLastWithCombinedCriteria) {
    Recordset rs = sessions();
    const Criteria wanted = Criteria::equal(QStringLiteral("se_Gara"), 5) &&
                            (Criteria::equal(QStringLiteral("se_StatoSessione"), 0) ||
                             Criteria::equal(QStringLiteral("se_StatoSessione"), 1));
    EXPECT_TRUE(rs.findFirst(wanted));
    EXPECT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_TRUE(rs.findNext(wanted));
    EXPECT_EQ(rs.absolutePosition(), 2);
    EXPECT_FALSE(rs.findNext(wanted));
    EXPECT_EQ(rs.absolutePosition(), 2);
    EXPECT_TRUE(rs.findLast(wanted));
    EXPECT_EQ(rs.absolutePosition(), 2);
    EXPECT_TRUE(rs.findFirst(Criteria::equal(QStringLiteral("se_TipoTurno"), QStringLiteral("pr"))));
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.moveFirst();
    EXPECT_FALSE(rs.findFirst(Criteria::equal(QStringLiteral("se_StatoSessione"), 3)));
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(rs.absolutePosition(), 0);  // a failed search leaves the cursor where it was
}

TEST_F(RecordsetTest, NullMatchesNoComparison) {
    Recordset rs = sessions();
    EXPECT_FALSE(rs.findFirst(Criteria::notEqual(QStringLiteral("se_Descrizione"), QStringLiteral("x")) &&
                              Criteria::equal(QStringLiteral("se_TipoTurno"), QStringLiteral("PR"))));
    EXPECT_TRUE(rs.findFirst(Criteria::isNull(QStringLiteral("se_Descrizione"))));
    EXPECT_EQ(rs.value(QStringLiteral("se_TipoTurno")).toString(), QStringLiteral("PR"));
    EXPECT_TRUE(rs.findFirst(!Criteria::isNull(QStringLiteral("se_Descrizione")) &&
                             Criteria::like(QStringLiteral("se_Descrizione"), QStringLiteral("2A*"))));
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(errorNumberOf([&] { rs.findFirst(Criteria::equal(QStringLiteral("nessuno"), 1)); }),
              errors::kItemNotFound);
}

TEST(Criteria, ComparesLikeTheEngine) {
    EXPECT_EQ(compareValues(QVariant(qint64(10)), QVariant(QStringLiteral("10"))), 0);
    EXPECT_LT(compareValues(QVariant(qint64(9)), QVariant(QStringLiteral("10"))), 0);
    EXPECT_EQ(compareValues(QVariant(QStringLiteral("d'Amico")), QVariant(QStringLiteral("D'AMICO"))), 0);
    EXPECT_EQ(compareValues(QVariant(true), QVariant(qint64(-1))), 0);
    EXPECT_TRUE(likeMatches(QStringLiteral("Rossi"), QStringLiteral("ro*")));
    EXPECT_TRUE(likeMatches(QStringLiteral("A12"), QStringLiteral("?##")));
    EXPECT_FALSE(likeMatches(QStringLiteral("A1B"), QStringLiteral("?##")));
    EXPECT_FALSE(likeMatches(QStringLiteral("Rossi"), QStringLiteral("oss*")));
    EXPECT_TRUE(likeMatches(QString(), QStringLiteral("*")));
}

TEST_F(RecordsetTest, CloneHasItsOwnCursorOverTheSameRows) {
    Recordset rs = sessions();
    rs.moveLast();
    Recordset copy = rs.clone();
    EXPECT_EQ(copy.absolutePosition(), 0);
    copy.moveNext();
    EXPECT_EQ(rs.absolutePosition(), 2);
    copy.deleteRecord();
    EXPECT_EQ(rs.recordCount(), 2);  // the clone's deletion shows in the original
}

TEST_F(RecordsetTest, EditUpdateWritesTheBaseTable) {
    Recordset rs = sessions();
    rs.moveNext();
    rs.edit();
    EXPECT_EQ(rs.editMode(), EditMode::Editing);
    rs.setValue(QStringLiteral("se_Descrizione"), QStringLiteral("Manche dell'Angelo"));
    rs.setValue(QStringLiteral("se_StatoSessione"), 1);
    EXPECT_EQ(rs.value(QStringLiteral("se_Descrizione")).toString(), QStringLiteral("Manche dell'Angelo"));
    rs.update();
    EXPECT_EQ(rs.editMode(), EditMode::None);
    Recordset check = fresh.open().openRecordset(
        QStringLiteral("SELECT se_Descrizione, se_StatoSessione FROM Sessioni WHERE se_Manche = 2"));
    EXPECT_EQ(check.value(0).toString(), QStringLiteral("Manche dell'Angelo"));
    EXPECT_EQ(check.value(1).toLongLong(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("se_StatoSessione")).toLongLong(), 1);
}

TEST_F(RecordsetTest, EditOfAnAutomaticKeyFollowsTheRow) {
    db.execute(QStringLiteral("INSERT INTO Discipline VALUES (1, 'SA', 'Sci Alpino')"));
    Recordset rs = db.openRecordset(QStringLiteral("Discipline"));
    rs.edit();
    rs.setValue(QStringLiteral("ds_Id"), 9);
    rs.setValue(QStringLiteral("ds_Descrizione"), QStringLiteral("Alpino"));
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("ds_Id")).toLongLong(), 9);
    EXPECT_EQ(rs.value(QStringLiteral("ds_Descrizione")).toString(), QStringLiteral("Alpino"));
}

TEST_F(RecordsetTest, EditCanChangeTheKey) {
    Recordset rs = sessions();
    rs.edit();
    rs.setValue(QStringLiteral("se_Manche"), 3);
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("se_Manche")).toLongLong(), 3);
    EXPECT_EQ(db.openRecordset(QStringLiteral("SELECT * FROM Sessioni WHERE se_Manche = 3")).recordCount(), 1);
}

TEST_F(RecordsetTest, AddNewAppendsWithTheTableDefaults) {
    Recordset rs = sessions();
    rs.moveLast();
    rs.moveNext();  // at the end
    rs.addNew();
    rs.setValue(QStringLiteral("se_Gara"), 5);
    rs.setValue(QStringLiteral("se_TipoTurno"), QStringLiteral("GA"));
    rs.setValue(QStringLiteral("se_Manche"), 3);
    rs.update();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 4);
    rs.moveLast();
    EXPECT_EQ(rs.value(QStringLiteral("se_Manche")).toLongLong(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("se_StatoSessione")).toLongLong(), 0);  // column default
}

TEST_F(RecordsetTest, AddNewOnATableWithAnAutomaticKeyReadsTheKeyBack) {
    Recordset rs = db.openRecordset(QStringLiteral("Discipline"));
    rs.addNew();
    rs.setValue(QStringLiteral("ds_Disciplina"), QStringLiteral("SA"));
    rs.update();
    rs.moveFirst();
    EXPECT_EQ(rs.value(QStringLiteral("ds_Id")).toLongLong(), 1);
}

TEST_F(RecordsetTest, FailedUpdateKeepsTheEditPending) {
    Recordset rs = sessions();
    rs.edit();
    rs.setValue(QStringLiteral("se_Manche"), 2);  // GA 2 exists already
    EXPECT_EQ(errorNumberOf([&] { rs.update(); }), errors::kDuplicateKey);
    EXPECT_EQ(rs.editMode(), EditMode::Editing);
    rs.cancelUpdate();
    EXPECT_EQ(rs.value(QStringLiteral("se_Manche")).toLongLong(), 1);
    EXPECT_EQ(errorNumberOf([&] { rs.cancelUpdate(); }), errors::kUpdateWithoutEdit);
    EXPECT_EQ(errorNumberOf([&] { rs.update(); }), errors::kUpdateWithoutEdit);
}

TEST_F(RecordsetTest, DeleteRemovesTheRowAndSkipsIt) {
    Recordset rs = sessions();
    rs.moveNext();
    rs.deleteRecord();
    EXPECT_EQ(errorNumberOf([&] { rs.value(0); }), errors::kRecordDeleted);
    EXPECT_EQ(rs.recordCount(), 2);
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("se_TipoTurno")).toString(), QStringLiteral("PR"));
    EXPECT_EQ(db.openRecordset(QStringLiteral("Sessioni")).recordCount(), 2);
}

TEST_F(RecordsetTest, RowDeletedByAnotherUserIsReported) {
    Recordset rs = sessions();
    fresh.open().execute(QStringLiteral("DELETE FROM Sessioni WHERE se_TipoTurno = 'GA' AND se_Manche = 1"));
    rs.edit();
    rs.setValue(QStringLiteral("se_StatoSessione"), 3);
    EXPECT_EQ(errorNumberOf([&] { rs.update(); }), errors::kRecordDeleted);
    rs.cancelUpdate();
    EXPECT_EQ(errorNumberOf([&] { rs.deleteRecord(); }), errors::kRecordDeleted);
}

TEST_F(RecordsetTest, JoinedQueryCannotBeUpdated) {
    Recordset rs = db.openRecordset(QStringLiteral("QSessioni"));
    EXPECT_TRUE(rs.baseTable().isEmpty());
    EXPECT_EQ(errorNumberOf([&] { rs.edit(); }), errors::kReadOnly);
    Recordset one = db.openRecordset(
        QStringLiteral("SELECT se_Gara, se_Descrizione, se_Manche + 1 AS prossima FROM Sessioni"));
    EXPECT_EQ(one.baseTable(), QStringLiteral("Sessioni"));
    one.edit();
    EXPECT_EQ(errorNumberOf([&] { one.setValue(QStringLiteral("prossima"), 4); }),
              errors::kFieldNotUpdatable);
}

TEST_F(RecordsetTest, RowsWithoutTheirKeyAreFoundByTheirValues) {
    Recordset rs = db.openRecordset(QStringLiteral(
        "SELECT se_Descrizione, se_StatoSessione FROM Sessioni WHERE se_TipoTurno = 'GA' ORDER BY se_Manche"));
    rs.moveNext();
    rs.edit();
    rs.setValue(QStringLiteral("se_StatoSessione"), 2);
    rs.update();
    EXPECT_EQ(db.openRecordset(QStringLiteral("SELECT se_StatoSessione FROM Sessioni WHERE se_Manche = 2 "
                                              "AND se_TipoTurno = 'GA'"))
                  .value(0)
                  .toLongLong(),
              2);
}

TEST_F(RecordsetTest, ComputedColumnsTakeTheirTypeFromTheirValues) {
    Recordset rs = db.openRecordset(QStringLiteral("SELECT MAX(se_Manche) AS TOTMANCHES FROM Sessioni"));
    EXPECT_EQ(rs.fields().front().type, field_type::kLong);
    EXPECT_EQ(rs.value(QStringLiteral("TOTMANCHES")).toLongLong(), 2);
}

TEST_F(RecordsetTest, ClosedRecordSetRefusesUse) {
    Recordset rs = sessions();
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(errorNumberOf([&] { rs.eof(); }), errors::kNotOpen);
    Recordset never;
    EXPECT_EQ(errorNumberOf([&] { never.moveFirst(); }), errors::kNotOpen);
}

}  // namespace
}  // namespace razudar::db
