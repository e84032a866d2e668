// Heat completion and winners of parallel races, and the competitor lists of the pages.
#include "race_fixture.h"

#include <gtest/gtest.h>

namespace razudar {
namespace {

using test::addCompetitor;
using test::kAll;
using test::setRun;

// A parallel session in its second heat run: heats 17 and 18, two lanes each.
class ParallelHeats : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.cGara.setParallelo(true);
        k.cGara.setDisciplina(2);
        k.setTurnoCorrenteTipo(3);
        k.setMancheCorrente(1);
        k.setSfidaCorrente(1);
        addCompetitor(k, 101, 1, {QStringLiteral("SM")});
        addCompetitor(k, 102, 2, {QStringLiteral("SM")});
        addCompetitor(k, 103, 3, {QStringLiteral("SF")});
        addCompetitor(k, 104, 4);
        k.ElencoCoppieSfideAdd(17, 101);
        k.ElencoCoppieSfideAdd(17, 102);
        k.ElencoCoppieSfideAdd(18, 103);
        k.ElencoCoppieSfideAdd(18, 104);
    }
    clsKrono k;
};

TEST_F(ParallelHeats, HeatWithCompetitorOnCourseHasNoWinner)
{
    setRun(k, 101, 1, 0, 25000);
    setRun(k, 102, 1, 20, 0);
    EXPECT_FALSE(k.SfidaCompletata(17));
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), -1);
    for (qint32 open : {1, 10}) {
        setRun(k, 102, 1, open, 0);
        EXPECT_FALSE(k.SfidaCompletata(17)) << open;
    }
}

TEST_F(ParallelHeats, FasterLaneWins)
{
    setRun(k, 101, 1, 0, 25500);
    setRun(k, 102, 1, 0, 25000);
    EXPECT_TRUE(k.SfidaCompletata(17));
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 102);
    setRun(k, 102, 1, 0, 26000);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 101);
}

TEST_F(ParallelHeats, EqualTimesGoToLaneA)
{
    setRun(k, 101, 1, 0, 25000);
    setRun(k, 102, 1, 0, 25000);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 101);
}

TEST_F(ParallelHeats, OnlyArrivedLaneWins)
{
    setRun(k, 101, 1, 30, 0);
    setRun(k, 102, 1, 0, 29000);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 102);
    setRun(k, 101, 1, 0, 29000);
    setRun(k, 102, 1, 60, 0);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 101);
    setRun(k, 101, 1, 40, 0);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 101);  // neither arrived: lane A
}

TEST_F(ParallelHeats, WinnerUsesTheCurrentHeatRun)
{
    k.setSfidaCorrente(2);  // second heat run: totals of both runs
    setRun(k, 101, 1, 0, 25000);
    setRun(k, 102, 1, 0, 26000);
    setRun(k, 101, 2, 0, 27000);
    setRun(k, 102, 2, 0, 25500);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), 102);  // 51.5 s against 52 s
    setRun(k, 101, 2, 20, 0);
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(17), -1);
}

TEST_F(ParallelHeats, UnknownHeatIsCompleteAndEmpty)
{
    EXPECT_TRUE(k.SfidaCompletata(3));
    EXPECT_EQ(k.ConcorrenteVincitoreSfidaParallelo(3), 0);  // lane A of an empty heat is 0
    EXPECT_FALSE(k.CategoriaPresenteNellaSfida(3, kAll));
}

TEST_F(ParallelHeats, CategoryInHeatNeedsCompetitorWithCategories)
{
    EXPECT_TRUE(k.CategoriaPresenteNellaSfida(17, QStringLiteral("SM")));
    EXPECT_FALSE(k.CategoriaPresenteNellaSfida(17, QStringLiteral("SF")));
    EXPECT_TRUE(k.CategoriaPresenteNellaSfida(18, QStringLiteral("SF")));
    EXPECT_TRUE(k.CategoriaPresenteNellaSfida(18, kAll));
    clsKrono bare;
    addCompetitor(bare, 1, 1);
    bare.ElencoCoppieSfideAdd(1, 1);
    EXPECT_FALSE(bare.CategoriaPresenteNellaSfida(1, kAll));  // no categories never match
}

TEST(CompetitorLists, StateListNeedsEarlierRunsArrivedAndDeclaredStart)
{
    clsKrono k;
    k.setMancheCorrente(2);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 60000);
    setRun(k, 1, 2, 20, 0);
    addCompetitor(k, 2, 2);
    setRun(k, 2, 1, 30, 0);
    setRun(k, 2, 2, 20, 0);
    addCompetitor(k, 3, 3);  // not a declared starter
    setRun(k, 3, 1, 0, 61000);
    setRun(k, 3, 2, 20, 0);
    addCompetitor(k, 4, 4);
    setRun(k, 4, 1, 0, 62000);
    setRun(k, 4, 2, 20, 0);
    k.PartenteAggiungi(4);
    k.PartenteAggiungi(1);
    k.PartenteAggiungi(2);
    const auto onCourse = k.ElencoConcorrentiConStato(2, 20);
    ASSERT_EQ(onCourse.size(), 2);
    EXPECT_EQ(onCourse[0]->Concorrente(), 1);  // register order
    EXPECT_EQ(onCourse[1]->Concorrente(), 4);
    EXPECT_EQ(onCourse[0], k.ConcorrenteItem(1));
    EXPECT_EQ(k.ElencoConcorrentiConStato(1, 30).size(), 1);
    EXPECT_TRUE(k.ElencoConcorrentiConStato(2, 40).isEmpty());
}

TEST(CompetitorLists, NextAtFinishFollowsStartOrder)
{
    clsKrono k;
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 20, 0);
    k.setOrdinePartenza(1, 1, 3);
    addCompetitor(k, 2, 2);
    setRun(k, 2, 1, 20, 0);
    k.setOrdinePartenza(1, 2, 2);
    addCompetitor(k, 3, 3);
    setRun(k, 3, 1, 0, 50000);
    k.setOrdinePartenza(1, 3, 1);
    k.ElaboraClassifiche();
    EXPECT_EQ(k.ProbabileProssimoConcorrenteArrivo(), 2);
    setRun(k, 2, 1, 0, 51000);
    EXPECT_EQ(k.ProbabileProssimoConcorrenteArrivo(), 1);
    setRun(k, 1, 1, 30, 0);
    EXPECT_EQ(k.ProbabileProssimoConcorrenteArrivo(), -1);
}

}  // namespace
}  // namespace razudar
