// Positions, counts and gaps read from ranked slots, with category filters and resolutions.
#include "race_fixture.h"

#include "model/race_times.h"

#include <gtest/gtest.h>

namespace razudar {
namespace {

using test::addCompetitor;
using test::kAll;
using test::setRun;

const QString kMen = QStringLiteral("SM");
const QString kWomen = QStringLiteral("SF");

// One-run race: ranks 10 (SM), 20 (SF), 30 (SM, SF), 40 (SF), 50 (no category).
class RankedRace : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.cGara.setManches(1);
        k.cGara.setRisoluzione(4);
        k.setMancheCorrente(1);
        addCompetitor(k, 40, 4, {kWomen});
        setRun(k, 40, 1, 0, 104000);
        addCompetitor(k, 10, 1, {kMen});
        setRun(k, 10, 1, 0, 101000);
        addCompetitor(k, 30, 3, {kMen, kWomen});
        setRun(k, 30, 1, 0, 103000);
        addCompetitor(k, 20, 2, {kWomen});
        setRun(k, 20, 1, 0, 102347);
        addCompetitor(k, 50, 5);
        setRun(k, 50, 1, 30, 0);
        k.ElaboraClassifiche();
    }
    clsKrono k;
};

TEST_F(RankedRace, PositionsOverAll)
{
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 1, kAll), 10);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 5, kAll), 50);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 6, kAll), -1);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 0, kAll), -1);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, -3, kAll), -1);
    EXPECT_EQ(k.PosizioneInClassifica(0, 30, kAll), 3);
    EXPECT_EQ(k.PosizioneInClassifica(0, 99, kAll), 6);  // not in the slot: count + 1
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(0, kAll), 5);
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(3, kAll), 0);
    EXPECT_EQ(k.ConcorrenteInPosizione(51, 1, kAll), -1);
}

TEST_F(RankedRace, PositionsWithinCategory)
{
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 1, kWomen), 20);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 2, kWomen), 30);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 3, kWomen), 40);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 4, kWomen), -1);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 0, kWomen), -1);
    EXPECT_EQ(k.PosizioneInClassifica(0, 40, kWomen), 3);
    EXPECT_EQ(k.PosizioneInClassifica(0, 30, kMen), 2);
    // Outside the category: the members ranked before it.
    EXPECT_EQ(k.PosizioneInClassifica(0, 10, kWomen), 0);
    EXPECT_EQ(k.PosizioneInClassifica(0, 50, kWomen), 3);
    // Not in the slot: the number of members.
    EXPECT_EQ(k.PosizioneInClassifica(0, 99, kMen), 2);
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(0, kWomen), 3);
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(0, QStringLiteral("U10")), 0);
}

TEST_F(RankedRace, CategoryPositionsFollowMembershipChanges)
{
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(0, kMen), 2);
    k.ConcorrenteItem(50)->CategoriaAdd(kMen);
    EXPECT_EQ(k.NumeroConcorrentiInClassifica(0, kMen), 3);
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 3, kMen), 50);
    auto replacement = std::make_shared<clsConcorrente>();
    replacement->setConcorrente(10);
    k.ConcorrenteAdd(replacement, 10);  // no categories any more
    EXPECT_EQ(k.ConcorrenteInPosizione(0, 1, kMen), 30);
}

TEST_F(RankedRace, LeaderGapIsToTheSecond)
{
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 10, 1, kAll), -1347);
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 30, 1, kAll), 2000);
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 30, 2, kAll), 653);
    EXPECT_EQ(k.DistaccoDaPosizione(1, 1, 40, 1, kAll), 3000);
    // Category filter: gaps to the category's leader.
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 40, 1, kWomen), 1653);
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 20, 1, kWomen), -653);
}

TEST_F(RankedRace, GapToReferenceWithoutTime)
{
    // Position 5 holds 50, who has no time.
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 10, 5, kAll), 664000000);
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 10, 9, kAll), 664000000);
    // 50 itself has no time: no gap either, never minus the leader's time.
    EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 50, 1, kAll), 664000000);
    EXPECT_EQ(k.DistaccoDaPosizione(1, 1, 50, 1, kAll), 664000000);
    EXPECT_EQ(k.DistaccoTraConcorrenti(0, 1, 10, 50), 240000000);
    EXPECT_EQ(k.DistaccoTraConcorrenti(0, 1, 50, 10), 240000000);
    EXPECT_EQ(k.DistaccoTraConcorrenti(0, 1, 30, 10), 2000);
}

TEST_F(RankedRace, GapsAreCutToEachResolution)
{
    // 1:02.347 against 1:01.999, and 1:03.000 against 1:02.347: cut, never rounded.
    setRun(k, 10, 1, 0, 101999);
    const qint32 secondVsFirst[] = {1000, 400, 350, 348};
    const qint32 thirdVsSecond[] = {1000, 700, 660, 653};
    for (qint32 resolution = 1; resolution <= 4; ++resolution) {
        k.cGara.setRisoluzione(resolution);
        const qint32 expected = secondVsFirst[resolution - 1];
        EXPECT_EQ(k.DistaccoTraConcorrenti(0, 1, 20, 10), expected) << resolution;
        EXPECT_EQ(k.DistaccoTraConcorrenti(1, 1, 20, 10), expected) << resolution;
        EXPECT_EQ(k.DistaccoDaPosizione(0, 1, 20, 1, kAll), expected) << resolution;
        EXPECT_EQ(k.DistaccoDaPosizione(1, 1, 10, 1, kAll), -expected) << resolution;
        EXPECT_EQ(k.DistaccoTraConcorrenti(0, 1, 30, 20), thirdVsSecond[resolution - 1]) << resolution;
    }
}

TEST(GapRules, SingleCompetitorGapIsToItself)
{
    clsKrono single;
    single.cGara.setRisoluzione(4);
    single.setMancheCorrente(1);
    addCompetitor(single, 1, 1);
    setRun(single, 1, 1, 0, 100000);
    single.ElaboraClassifiche();
    EXPECT_EQ(single.DistaccoDaPosizione(0, 1, 1, 1, kAll), 0);
}

TEST(SplitGaps, ElapsedTimeAtSplitAddsEarlierRuns)
{
    clsKrono k;
    k.cGara.setManches(2);
    k.cGara.setIntermedi(1);
    k.cGara.setRisoluzione(3);
    k.setMancheCorrente(2);
    const qint32 start = 110000000;  // 11:00:00.000
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 100000);
    setRun(k, 1, 2, 20, 0, start);
    k.ConcorrenteItem(1)->Risultati(2)->OrarioIntermedioAdd(110020005);  // +20.005
    addCompetitor(k, 2, 2);
    setRun(k, 2, 1, 0, 101000);
    setRun(k, 2, 2, 20, 0, start);
    k.ConcorrenteItem(2)->Risultati(2)->OrarioIntermedioAdd(110019500);  // +19.500
    addCompetitor(k, 3, 3);
    setRun(k, 3, 1, 0, 99000);
    setRun(k, 3, 2, 20, 0, start);  // no split yet
    k.ElaboraClassifiche();
    EXPECT_EQ(k.slotOrder(6), (std::vector<qint16>{2, 1, 3}));  // ranked on the run's split only
    // 60 + 20.000 (cut) against 61 + 19.500.
    EXPECT_EQ(k.DistaccoTraConcorrenti(6, 2, 1, 2), -500);
    EXPECT_EQ(k.DistaccoDaPosizione(6, 2, 1, 1, kAll), -500);
    EXPECT_EQ(k.DistaccoDaPosizione(6, 2, 2, 2, kAll), 500);
    // A reference without the split, or a competitor without it: no gap.
    EXPECT_EQ(k.DistaccoDaPosizione(6, 2, 1, 3, kAll), 0);
    EXPECT_EQ(k.DistaccoDaPosizione(6, 2, 3, 1, kAll), 0);
    EXPECT_EQ(k.DistaccoTraConcorrenti(6, 2, 1, 3), 240000000);
    EXPECT_EQ(k.DistaccoTraConcorrenti(6, 2, 3, 1), 240000000);
}

TEST(SplitTimes, ElapsedTimeOfOneCompetitor)
{
    clsKrono k;
    k.setMancheCorrente(2);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 100000, 100000000);
    k.ConcorrenteItem(1)->Risultati(1)->OrarioIntermedioAdd(100030250);
    setRun(k, 1, 2, 20, 0, 110000000);
    k.ConcorrenteItem(1)->Risultati(2)->OrarioIntermedioAdd(110020005);
    EXPECT_EQ(k.TempoIntermedioConcorrente(2, 1, 1), 120005);  // 1:00 + 20.005
    EXPECT_EQ(k.TempoIntermedioConcorrente(2, 1, 2), 0);
    // Run 1 has no earlier run: only its own elapsed time.
    EXPECT_EQ(k.TempoIntermedioConcorrente(1, 1, 1), 30250);
    k.setMancheCorrente(1);  // single run: no earlier time added
    EXPECT_EQ(k.TempoIntermedioConcorrente(2, 1, 1), 20005);
    EXPECT_EQ(k.TempoIntermedioConcorrente(2, 77, 1), 0);
}

// Run 3 at split 1: the leader went 41.730 and 43.960 in runs 1 and 2 (1:25.690) and reached
// split 1 of run 3 after 1:05.999; a competitor on course reached it after 1:06.500.
class ThreeRunSplit : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.cGara.setManches(3);
        k.cGara.setIntermedi(1);
        k.cGara.setRisoluzione(3);
        k.setMancheCorrente(3);
        runner(1, 41730, 43960, 66000 - 1);
        runner(2, 42010, 44120, 66500);
    }
    void runner(qint16 n, qint32 run1Ms, qint32 run2Ms, qint32 splitMs)
    {
        addCompetitor(k, n, n);
        setRun(k, n, 1, 0, MillesimiInTempo(run1Ms));
        setRun(k, n, 2, 0, MillesimiInTempo(run2Ms));
        setRun(k, n, 3, 20, 0, kStart);
        k.ConcorrenteItem(n)->Risultati(3)->OrarioIntermedioAdd(MillesimiInTempo(TempoInMillesimi(kStart) + splitMs));
    }
    static constexpr qint32 kStart = 120000000;  // 12:00:00.000
    clsKrono k;
};

TEST_F(ThreeRunSplit, EveryEarlierRunCountsAtTheSplit)
{
    // 41.730 + 43.960 + 1:05.999 = 2:31.689, not the run before alone (1:49.959).
    EXPECT_EQ(TempoInMillesimi(k.TempoIntermedioConcorrente(3, 1, 1)), 151689);
    EXPECT_EQ(TempoInMillesimi(k.TempoIntermedioConcorrente(3, 2, 1)), 42010 + 44120 + 66500);
    k.ElaboraClassifiche();
    // The gap at the split counts the same runs: 2:32.630 - 2:31.680 (cut to hundredths).
    EXPECT_EQ(k.DistaccoTraConcorrenti(6, 3, 2, 1), 950);
    EXPECT_EQ(k.DistaccoDaPosizione(6, 3, 2, 1, kAll), 950);
    // The split's time and the total the run ends with agree: the run's finish adds the same
    // earlier runs.
    setRun(k, 1, 3, 0, MillesimiInTempo(99000), kStart);
    EXPECT_EQ(TempoInMillesimi(k.TempoTotaleConcorrente(3, 1)), 41730 + 43960 + 99000);
}

TEST_F(ThreeRunSplit, EarlierRunsCountAsTheTotalCountsThem)
{
    // Shooting penalties of the earlier runs count as the total counts them.
    k.cGara.setDisciplina(5);
    auto category = std::make_shared<clsCategoria>();
    category->setCategoria(QStringLiteral("SEN"));
    category->setBiathlonPenalitaTiro(100);  // one minute a miss
    k.CategoriaAdd(category);
    k.ConcorrenteItem(1)->CategoriaAdd(QStringLiteral("SEN"));
    k.ConcorrenteItem(1)->Risultati(2)->PenalitaAdd(1);
    EXPECT_EQ(TempoInMillesimi(k.TempoIntermedioConcorrente(3, 1, 1)), 151689 + 60000);
    EXPECT_EQ(TempoInMillesimi(k.TempoTotaleConcorrente(2, 1)), 41730 + 43960 + 60000);

    // A run before not finished: no race time at the split, and no gap.
    k.cGara.setDisciplina(0);
    setRun(k, 2, 2, 30, 0);
    EXPECT_EQ(k.TempoIntermedioConcorrente(3, 2, 1), 0);
    k.ElaboraClassifiche();
    EXPECT_EQ(k.DistaccoTraConcorrenti(6, 3, 2, 1), 240000000);

    // Best run: a run is ranked alone, so is its split. A run that stands alone (sprint or
    // discipline 15) too.
    k.cGara.setSpecialita(5);
    EXPECT_EQ(TempoInMillesimi(k.TempoIntermedioConcorrente(3, 1, 1)), 65999);
    k.cGara.setSpecialita(0);
    k.cGara.setDisciplina(15);
    EXPECT_EQ(TempoInMillesimi(k.TempoIntermedioConcorrente(3, 1, 1)), 65999);
}

TEST(ParallelGaps, GapBetweenHeatCompetitors)
{
    clsKrono k;
    k.setMancheCorrente(1);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 30500);
    addCompetitor(k, 2, 2);
    setRun(k, 2, 1, 0, 31250);
    addCompetitor(k, 3, 3);
    EXPECT_EQ(k.DistaccoDaConcorrente(0, 1, 1, 2), -750);
    EXPECT_EQ(k.DistaccoDaConcorrente(1, 1, 2, 1), 750);
    EXPECT_EQ(k.DistaccoDaConcorrente(6, 1, 2, 1), 0);
    EXPECT_EQ(k.DistaccoDaConcorrente(1, 1, 1, 3), 0);  // the other has no time
    k.cGara.setDisciplina(1);
    k.cGara.setParallelo(true);
    EXPECT_EQ(k.DistaccoDaConcorrente(1, 1, 1, 3), 30500);  // discipline 1 in parallel: always
}

}  // namespace
}  // namespace razudar
