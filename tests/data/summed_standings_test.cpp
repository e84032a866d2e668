// Standings by summed run times, and the sortable number table they use.
#include <gtest/gtest.h>

#include "data/loader_test_support.h"
#include "data/one_value_queries.h"
#include "data/summed_standings_table.h"

namespace razudar {
namespace {

using testing::LoaderDatabase;

TEST(NumberTable, SortsRowsByAColumnKeepingTiesInOrder) {
    NumberTable t(4, 2);
    const qint64 rows[4][2] = {{1, 30}, {2, 10}, {3, 30}, {4, -5}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c) t.set(r, c, rows[r][c]);
    t.sortByColumn(1);
    EXPECT_EQ((std::vector<qint64>{t.get(0, 0), t.get(1, 0), t.get(2, 0), t.get(3, 0)}),
              (std::vector<qint64>{4, 2, 1, 3}));
    EXPECT_EQ(t.get(2, 1), 30);
}

TEST(NumberTable, CellsOutsideTheTableReadZeroAndAreNotWritten) {
    NumberTable t;
    t.redim(2, 1);
    t.set(2, 0, 9);
    t.set(0, 1, 9);
    t.set(-1, 0, 9);
    EXPECT_EQ(t.get(0, 0), 0);
    EXPECT_EQ(t.get(2, 0), 0);
    t.sortByColumn(5);  // no such column: nothing moves
    t.redim(-3, 2);
    EXPECT_EQ(t.rowCount(), 0);
}

class SummedStandings : public ::testing::Test {
protected:
    void SetUp() override {
        base.addLookups();
        base.addRace(1, QStringLiteral("SB"), QStringLiteral("PGS"), true);
        base.exec(QStringLiteral("UPDATE Gare SET ga_NumeroDisceseTabellone = 2"));
        for (int id : {11, 12, 13, 14, 15, 16}) base.addCompetitor(1, id, id);
        base.addCategoryOf(1, 11, QStringLiteral("SEN"));
        base.addCategoryOf(1, 12, QStringLiteral("sen"));
        base.addCategoryOf(1, 13, QStringLiteral("GIO"));
    }
    void run(const QString& turn, int runNumber, int id, const QVariant& time) {
        base.exec(QStringLiteral("INSERT INTO SessioniConcorrenti (sc_Gara, sc_TipoTurno, sc_Manche,"
                                 " sc_Concorrente, sc_Tempo, sc_StatoConcorrente) VALUES (1, ?, ?, ?, ?, 0)"),
                  {turn, runNumber, id, time});
    }
    QList<qint16> standings(const QString& category = QStringLiteral("XXXXX"), int turnTypeId = 10) {
        return ClassificaTempiSommati(base.db(), 1, category, turnTypeId);
    }
    LoaderDatabase base;
};

TEST_F(SummedStandings, TwoRunsAddUpAndSortByTotal) {
    run(QStringLiteral("QR"), 1, 11, 102345);  // 1'02.345
    run(QStringLiteral("QR"), 2, 11, 101000);  // 1'01.000: 123,345 ms in all
    run(QStringLiteral("QR"), 1, 12, 105000);
    run(QStringLiteral("QR"), 2, 12, 110000);  // 135,000 ms
    run(QStringLiteral("QR"), 1, 13, 100000);
    run(QStringLiteral("QR"), 2, 13, 59999);   // 119,999 ms
    EXPECT_EQ(standings(), (QList<qint16>{13, 11, 12}));
}

TEST_F(SummedStandings, AMissingRunTimeNeverRanksAheadOfCompleteTotals) {
    run(QStringLiteral("QR"), 1, 11, 102345);
    run(QStringLiteral("QR"), 2, 11, 101000);  // 123,345 ms, complete
    run(QStringLiteral("QR"), 1, 12, 105000);
    run(QStringLiteral("QR"), 2, 12, 110000);  // 135,000 ms, complete
    run(QStringLiteral("QR"), 1, 13, 210000);  // 2'10.000 = 130,000 ms, no second run
    run(QStringLiteral("QR"), 1, 14, 50000);
    run(QStringLiteral("QR"), 2, 14, 0);       // second run without a time
    run(QStringLiteral("QR"), 1, 15, QVariant());
    run(QStringLiteral("QR"), 2, 15, QVariant());  // no time at all
    EXPECT_EQ(standings(), (QList<qint16>{11, 12, 14, 13, 15}));
}

TEST_F(SummedStandings, OnlyTheRunsThatCountAndTheTurnTypeAreRead) {
    run(QStringLiteral("QR"), 1, 11, 100000);
    run(QStringLiteral("QR"), 2, 11, 100000);
    run(QStringLiteral("QR"), 3, 11, 900000);  // run 3 does not count
    run(QStringLiteral("QR"), 1, 12, 101000);
    run(QStringLiteral("QR"), 2, 12, 101000);
    run(QStringLiteral("QB"), 1, 13, 10000);
    run(QStringLiteral("QB"), 2, 13, 10000);
    EXPECT_EQ(standings(), (QList<qint16>{11, 12}));
}

TEST_F(SummedStandings, NoCountedRunsGiveAnEmptyList) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_NumeroDisceseTabellone = NULL"));
    run(QStringLiteral("QR"), 1, 11, 100000);
    EXPECT_TRUE(standings().isEmpty());
    EXPECT_TRUE(ClassificaTempiSommati(base.db(), 9, QStringLiteral("XXXXX"), 10).isEmpty());
}

TEST_F(SummedStandings, AHugeStoredRunCountCountsEveryRun) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_NumeroDisceseTabellone = 10000000000"));
    run(QStringLiteral("QR"), 1, 11, 100000);
    run(QStringLiteral("QR"), 2, 11, 100000);
    run(QStringLiteral("QR"), 3, 11, 100000);  // three runs: 3'00.000
    run(QStringLiteral("QR"), 1, 12, 50000);   // one run only: fewer runs rank behind
    EXPECT_EQ(standings(), (QList<qint16>{11, 12}));
}

TEST_F(SummedStandings, TheCategoryFilterIgnoresLetterCase) {
    for (int id : {11, 12, 13, 14}) {
        run(QStringLiteral("QR"), 1, id, 100000 - id);
        run(QStringLiteral("QR"), 2, id, 100000);
    }
    EXPECT_EQ(standings(QStringLiteral("Sen")), (QList<qint16>{12, 11}));
    EXPECT_EQ(standings(QStringLiteral("GIO")), (QList<qint16>{13}));
    EXPECT_EQ(standings(QStringLiteral("XXXXX")), (QList<qint16>{14, 13, 12, 11}));
}

TEST_F(SummedStandings, EqualTotalsKeepTheOrderOfFirstAppearance) {
    for (int id : {14, 12, 11}) {
        run(QStringLiteral("QR"), 1, id, 100000);
        run(QStringLiteral("QR"), 2, id, 100000);
    }
    EXPECT_EQ(standings(), (QList<qint16>{11, 12, 14}));
}

TEST_F(SummedStandings, BothQualificationTurnsFollowEachOther) {
    run(QStringLiteral("QR"), 1, 11, 100000);
    run(QStringLiteral("QR"), 2, 11, 100000);
    run(QStringLiteral("QR"), 1, 12, 59000);
    run(QStringLiteral("QR"), 2, 12, 59000);
    run(QStringLiteral("QB"), 1, 11, 50000);
    run(QStringLiteral("QB"), 2, 11, 50000);
    run(QStringLiteral("QB"), 1, 16, 60000);
    run(QStringLiteral("QB"), 2, 16, 60000);
    EXPECT_EQ(ClassificaTempiSommatiTurni(base.db(), 1, QStringLiteral("XXXXX")),
              (QList<qint16>{12, 11, 11, 16}));
}

}  // namespace
}  // namespace razudar
