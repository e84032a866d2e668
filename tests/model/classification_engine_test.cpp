// Ranking rules of the classification engine: states and totals after a run, penalties, keys,
// tie-breaks and the rebuild of the slots.
#include "model/basic.h"
#include "model/ranking_key.h"
#include "race_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace razudar {
namespace {

using test::addCompetitor;
using test::setRun;
using test::slot;

// A two-run race (runs add up) with every competitor state; current run 2.
class TwoRunRace : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.cGara.setManches(2);
        k.cGara.setDisciplina(2);
        k.setMancheCorrente(2);
        addCompetitor(k, 1, 5);
        setRun(k, 1, 1, 0, 101000);
        setRun(k, 1, 2, 0, 102000);
        addCompetitor(k, 2, 3);
        setRun(k, 2, 1, 0, 100500);
        setRun(k, 2, 2, 0, 103000);
        addCompetitor(k, 3, 8);
        setRun(k, 3, 1, 0, 59000);
        setRun(k, 3, 2, 10, 0);
        addCompetitor(k, 4, 1);
        setRun(k, 4, 1, 0, 100000);
        setRun(k, 4, 2, 20, 0);
        addCompetitor(k, 5, 2);
        setRun(k, 5, 1, 30, 0);
        setRun(k, 5, 2, 10, 0);
        addCompetitor(k, 6, 9);
        setRun(k, 6, 1, 40, 0);
        setRun(k, 6, 2, 10, 0);
        addCompetitor(k, 7, 4);
        setRun(k, 7, 1, 0, 101500);
        setRun(k, 7, 2, 60, 101000);
        addCompetitor(k, 8, 6);
        setRun(k, 8, 1, 0, 101000);
        setRun(k, 8, 2, 0, 102500);
        addCompetitor(k, 9, 7);
        setRun(k, 9, 1, 0, 104000);
        setRun(k, 9, 2, 1, 0);
    }
    clsKrono k;
};

TEST_F(TwoRunRace, StatesAndTotalsAfterRunTwo)
{
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 1), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 203000);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 2), 203500);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 5), 30);  // did not finish run 1
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 5), 0);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 7), 60);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 7), 0);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(0, 5), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 3), 59000);
}

TEST_F(TwoRunRace, OverallRanksByStateThenTotalThenBib)
{
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{1, 2, 8, 9, 3, 4, 5, 6, 7}));
}

TEST_F(TwoRunRace, RunSlotsRankTheirRunOnly)
{
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 1), (std::vector<qint16>{3, 4, 2, 1, 8, 7, 9, 5, 6}));
    EXPECT_EQ(slot(k, 2), (std::vector<qint16>{1, 8, 2, 9, 5, 3, 6, 4, 7}));
    EXPECT_TRUE(slot(k, 3).empty());  // only the race's runs are rebuilt
}

TEST_F(TwoRunRace, StartOrderSlotPutsMissingOrderFirst)
{
    k.setOrdinePartenza(2, 6, 1);
    k.setOrdinePartenza(2, 3, 2);
    k.setOrdinePartenza(1, 4, 9);  // another run's order does not count
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 11), (std::vector<qint16>{4, 5, 2, 7, 1, 8, 9, 6, 3}));
}

TEST_F(TwoRunRace, DescendingBibDisciplinesReverseTies)
{
    for (qint32 discipline : {1, 6, 10, 12}) {
        k.cGara.setDisciplina(discipline);
        EXPECT_TRUE(k.OrdinamentoExAequoDescrescente());
        k.ElaboraClassifiche();
        // 8 (bib 6) now before 2 (bib 3); the state groups order by descending bib as well.
        EXPECT_EQ(slot(k, 0), (std::vector<qint16>{1, 8, 2, 9, 3, 4, 5, 6, 7})) << discipline;
        EXPECT_EQ(slot(k, 2), (std::vector<qint16>{1, 8, 2, 9, 6, 3, 5, 4, 7})) << discipline;
    }
    k.cGara.setDisciplina(2);
    EXPECT_FALSE(k.OrdinamentoExAequoDescrescente());
}

TEST_F(TwoRunRace, RebuildRaisesEventOnceAndSkipsSlotsAboveEleven)
{
    int raised = 0;
    k.ElaborazioneClassificaCompletata.connect([&raised] { ++raised; });
    k.ElaboraClassifiche();
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(slot(k, 12).empty());
    k.QuickSortClassifica(12);  // type 1: ranks run 12, where nobody has a result
    EXPECT_EQ(slot(k, 12), (std::vector<qint16>{4, 5, 2, 7, 1, 8, 9, 3, 6}));
    EXPECT_EQ(raised, 1);
}

TEST_F(TwoRunRace, ResetStateTouchesRunsUpToCurrent)
{
    k.ImpostaStatoConcorrenti(10);
    for (qint16 number : k.ElencoConcorrenti()) {
        EXPECT_EQ(k.ConcorrenteItem(number)->Risultati(1)->StatoConcorrente(), 10);
        EXPECT_EQ(k.ConcorrenteItem(number)->Risultati(2)->StatoConcorrente(), 10);
        EXPECT_EQ(k.ConcorrenteItem(number)->existingResult(3), nullptr);
    }
}

TEST(ClassificationEngine, EmptyRegisterGivesEmptySlotsAndStillRaisesEvent)
{
    clsKrono k;
    k.cGara.setManches(5);
    k.cGara.setIntermedi(5);
    int raised = 0;
    k.ElaborazioneClassificaCompletata.connect([&raised] { ++raised; });
    k.ElaboraClassifiche();
    k.ElaboraClassifiche();
    EXPECT_EQ(raised, 2);
    for (int s = 0; s < clsKrono::kSlotCount; ++s)
        EXPECT_TRUE(slot(k, s).empty());
}

TEST(ClassificationEngine, RunAndSplitCountsFromPeerAreKeptWithinTheLayout)
{
    clsKrono k;
    addCompetitor(k, 1, 1);
    k.setTipoClassifica(12, 1);
    for (qint16 runs : {qint16(9), qint16(-3), qint16(32767)}) {
        k.cGara.setManches(runs);
        k.cGara.setIntermedi(runs);
        k.ElaboraClassifiche();
        EXPECT_TRUE(slot(k, 12).empty()) << runs;
    }
    k.cGara.setManches(9);
    k.cGara.setIntermedi(8);
    k.ElaboraClassifiche();
    for (int s = 0; s <= 11; ++s)
        EXPECT_EQ(slot(k, s).size(), 1u) << s;
}

TEST(ClassificationEngine, CompetitorNumbersAboveNineHundredNinetyNineRankAsThemselves)
{
    clsKrono k;
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    const std::vector<qint16> numbers{1045, 45, 32767, 0, 1000, 999, -12};
    qint32 time = 100000;
    for (qint16 number : numbers) {
        addCompetitor(k, number, 10);
        setRun(k, number, 1, 0, time);
        time += 100;
    }
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), numbers);
    EXPECT_EQ(slot(k, 1), numbers);
    EXPECT_EQ(k.PosizioneInClassifica(0, 1045, test::kAll), 1);
    EXPECT_EQ(k.PosizioneInClassifica(0, 45, test::kAll), 2);
}

TEST(ClassificationEngine, BibsBeyondFourDigitsStillBreakTiesByNumber)
{
    clsKrono k;
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    addCompetitor(k, 1, 12000);
    addCompetitor(k, 2, 9000);
    addCompetitor(k, 3, -5);
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{3, 2, 1}));
    k.cGara.setDisciplina(1);
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{1, 2, 3}));
}

TEST(BestRun, DidNotFinishSecondRunKeepsFirst)
{
    clsKrono k;
    k.cGara.setSpecialita(5);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 102000);
    setRun(k, 1, 2, 30, 0);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 1), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 102000);
}

TEST(BestRun, DisqualifiedRunWithTimeIsNotTheBest)
{
    clsKrono k;
    k.cGara.setSpecialita(5);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 102000);
    setRun(k, 1, 2, 60, 59000);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 102000);
    addCompetitor(k, 2, 2);
    setRun(k, 2, 1, 30, 0);
    setRun(k, 2, 2, 0, 103000);
    setRun(k, 2, 3, 0, 101500);
    EXPECT_EQ(k.TempoTotaleConcorrente(3, 2), 101500);
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 2), 0);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(1, 2), 30);
}

TEST(BestRun, NoTimeAtAllReadsAsTheNoTimeValue)
{
    clsKrono k;
    k.cGara.setSpecialita(5);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 0);
    // 240,000,000 ms packed: ranks after every competitor with a time.
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 1), 664000000);
}

TEST(SummedTotals, ParallelHeatLimitsTheRunsAdded)
{
    clsKrono k;
    k.cGara.setParallelo(true);
    k.setTurnoCorrenteTipo(3);
    k.setSfidaCorrente(1);
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 0, 30000);
    setRun(k, 1, 2, 0, 31000);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 30000);
    k.setSfidaCorrente(2);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 101000);  // 30 s + 31 s
}

TEST(SingleRunTotals, SprintAndDisciplineFifteenUseTheRunAlone)
{
    clsKrono k;
    addCompetitor(k, 1, 1);
    setRun(k, 1, 1, 30, 0);
    setRun(k, 1, 2, 0, 45500);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 1), 30);
    k.cGara.setSpecialita(7);
    k.setTurnoCorrenteTipo(3);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 1), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 45500);
    k.cGara.setSpecialita(0);
    k.cGara.setDisciplina(15);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(2, 1), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(2, 1), 45500);
    EXPECT_EQ(k.StatoConcorrenteDopoManche(1, 1), 30);
    EXPECT_TRUE(k.UtilizzaSingolaManche());
}

class BiathlonPenalties : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.cGara.setDisciplina(5);
        category = std::make_shared<clsCategoria>();
        category->setCategoria(QStringLiteral("SM"));
        k.CategoriaAdd(category);
        addCompetitor(k, 1, 1, {QStringLiteral("SM")});
        setRun(k, 1, 1, 0, 100000);
        k.ConcorrenteItem(1)->Risultati(1)->PenalitaAdd(1);
        k.ConcorrenteItem(1)->Risultati(1)->PenalitaAdd(2);
    }
    clsKrono k;
    std::shared_ptr<clsCategoria> category;
};

TEST_F(BiathlonPenalties, WholeMinutePerMiss)
{
    category->setBiathlonPenalitaTiro(100);
    EXPECT_EQ(k.TempoPenalita(1, 1), 300000);
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 1), 400000);
}

TEST_F(BiathlonPenalties, SixtySecondsPerMissMultipliesMilliseconds)
{
    category->setBiathlonPenalitaTiro(60);
    EXPECT_EQ(k.TempoPenalita(1, 1), 300000);  // 3 misses x 60 s, not 1:00 + 1:20
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 1), 400000);
}

TEST_F(BiathlonPenalties, SmallProductsAreUnchanged)
{
    category->setBiathlonPenalitaTiro(30);
    EXPECT_EQ(k.TempoPenalita(1, 1), 130000);  // 1:30.000
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 1), 230000);
}

TEST_F(BiathlonPenalties, OnlyDisciplineFiveAndKnownCategoryPenalise)
{
    category->setBiathlonPenalitaTiro(100);
    addCompetitor(k, 2, 2);  // no category
    setRun(k, 2, 1, 0, 100000);
    k.ConcorrenteItem(2)->Risultati(1)->PenalitaAdd(4);
    EXPECT_EQ(k.TempoPenalita(1, 2), 0);
    k.cGara.setDisciplina(4);
    EXPECT_EQ(k.TempoPenalita(1, 1), 0);
    EXPECT_EQ(k.TempoTotaleConcorrente(1, 1), 100000);
}

TEST_F(BiathlonPenalties, PenaltiesDecideTheOverallOrder)
{
    category->setBiathlonPenalitaTiro(100);
    addCompetitor(k, 2, 2, {QStringLiteral("SM")});
    setRun(k, 2, 1, 0, 250000);  // slower skiing, clean shooting
    k.setMancheCorrente(1);
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{2, 1}));
}

TEST(SplitSlots, MissingSplitsRankLast)
{
    clsKrono k;
    k.cGara.setManches(1);
    k.cGara.setIntermedi(2);
    k.setMancheCorrente(1);
    const qint32 start = 100000000;  // 10:00:00.000
    addCompetitor(k, 1, 4);
    setRun(k, 1, 1, 20, 0, start);
    k.ConcorrenteItem(1)->Risultati(1)->OrarioIntermedioAdd(100030000);
    k.ConcorrenteItem(1)->Risultati(1)->OrarioIntermedioAdd(100105000);
    addCompetitor(k, 2, 3);
    setRun(k, 2, 1, 20, 0, start);
    k.ConcorrenteItem(2)->Risultati(1)->OrarioIntermedioAdd(100025000);
    addCompetitor(k, 3, 2);  // no split
    setRun(k, 3, 1, 20, 0, start);
    addCompetitor(k, 4, 1);  // split before its start
    setRun(k, 4, 1, 60, 0, start);
    k.ConcorrenteItem(4)->Risultati(1)->OrarioIntermedioAdd(95959000);
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 6), (std::vector<qint16>{2, 1, 4, 3}));
    EXPECT_EQ(slot(k, 7), (std::vector<qint16>{1, 4, 3, 2}));
    EXPECT_TRUE(slot(k, 8).empty());
}

TEST(EngineRules, CurrentRunAndSingleRun)
{
    clsKrono k;
    k.setMancheCorrente(2);
    k.setSfidaCorrente(4);
    EXPECT_EQ(k.MancheSfidaCorrente(), 2);
    EXPECT_FALSE(k.UtilizzaSingolaManche());
    k.cGara.setParallelo(true);
    EXPECT_EQ(k.MancheSfidaCorrente(), 4);
    EXPECT_FALSE(k.UtilizzaSingolaManche());
    k.setSfidaCorrente(1);
    EXPECT_TRUE(k.UtilizzaSingolaManche());
    k.setTurnoCorrenteTipo(1);  // parallel off, but type 1 is single run
    EXPECT_EQ(k.MancheSfidaCorrente(), 2);
    EXPECT_TRUE(k.UtilizzaSingolaManche());
    k.setTurnoCorrenteTipo(2);
    EXPECT_FALSE(k.UtilizzaSingolaManche());
    k.setMancheCorrente(1);
    EXPECT_TRUE(k.UtilizzaSingolaManche());
}

TEST(EngineRules, StateAbbreviations)
{
    clsKrono k;
    EXPECT_EQ(k.StatoSigla(30), QStringLiteral("DNF"));
    EXPECT_EQ(k.StatoSigla(40), QStringLiteral("DNS"));
    EXPECT_EQ(k.StatoSigla(60), QStringLiteral("DSQ"));
    EXPECT_EQ(k.StatoSigla(20), QString());
    EXPECT_EQ(k.StatoSigla(0), QString());
}

TEST(RankingKeys, TextLayoutOfTheStoredKeys)
{
    EXPECT_EQ(rankingKeyText({0, 0, 123456, 12, 45}), QStringLiteral("00-000123456-0012-045"));
    EXPECT_EQ(rankingKeyText({1, 30, 240000000, 9999 - 7, 3}), QStringLiteral("30-240000000-9992-003"));
    EXPECT_EQ(rankingKeyText({2, 0, 25000, 3, 2}), QStringLiteral("000025000-0003-002"));
    EXPECT_EQ(rankingKeyText({3, 0, 17, 3, 2}), QStringLiteral("00017-0003-002"));
    EXPECT_EQ(rankingKeyText({9, 5, 5, 3, 2}), QStringLiteral("0003-002"));
}

TEST(RankingKeys, SameOrderAsTextKeysWithinTheirWidths)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> state(0, 99), time(0, 999999999), tie(0, 9999), type(0, 4);
    std::uniform_int_distribution<int> smallRange(0, 3);  // many equal fields, so ties happen
    for (int round = 0; round < 40; ++round) {
        const int keyType = type(random) == 4 ? 7 : type(random);
        std::vector<int> numbers(1000);
        for (int i = 0; i < 1000; ++i)
            numbers[static_cast<std::size_t>(i)] = i;
        std::shuffle(numbers.begin(), numbers.end(), random);
        const bool crowded = round % 2 == 0;
        std::vector<RankingFields> fields;
        for (int i = 0; i < 300; ++i) {
            RankingFields f;
            f.type = keyType;
            f.state = crowded ? smallRange(random) * 10 : state(random);
            f.value = crowded ? smallRange(random) * 1000 : time(random);
            if (keyType == 3)
                f.value %= 100000;
            f.tie = crowded ? smallRange(random) : tie(random);
            f.competitor = static_cast<qint16>(numbers[static_cast<std::size_t>(i)]);
            fields.push_back(f);
        }
        auto byKey = fields;
        std::sort(byKey.begin(), byKey.end(), [](const RankingFields& a, const RankingFields& b) {
            return makeRankingKey(a) < makeRankingKey(b);
        });
        auto byText = fields;
        std::sort(byText.begin(), byText.end(), [](const RankingFields& a, const RankingFields& b) {
            return basic::StrCompBinary(rankingKeyText(a), rankingKeyText(b)) < 0;
        });
        for (std::size_t i = 0; i < fields.size(); ++i)
            ASSERT_EQ(byKey[i].competitor, byText[i].competitor) << "round " << round << " at " << i;
    }
}

TEST(RankingKeys, RandomRaceRanksAsTheTextKeysWould)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> stateIndex(0, 7), time(30000, 130000), bib(0, 9999);
    const qint32 states[] = {0, 0, 0, 1, 10, 20, 30, 60};
    clsKrono k;
    k.cGara.setManches(2);
    k.setMancheCorrente(2);
    for (qint16 number = 0; number < 1000; number += 3) {
        addCompetitor(k, number, static_cast<qint16>(bib(random) % 50));
        for (qint16 run = 1; run <= 2; ++run) {
            const qint32 s = states[stateIndex(random)];
            setRun(k, number, run, s, s == 0 || s == 60 ? (time(random) / 500) * 500 : 0);
        }
    }
    for (qint32 discipline : {2, 1}) {
        k.cGara.setDisciplina(discipline);
        k.ElaboraClassifiche();
        std::vector<std::pair<QString, qint16>> text;
        for (qint16 number : k.ElencoConcorrenti()) {
            const RankingFields f{0, k.StatoConcorrenteDopoManche(2, number), k.TempoTotaleConcorrente(2, number),
                                  rankingTie(k.ConcorrenteItem(number)->Pettorale(), discipline == 1), number};
            text.emplace_back(rankingKeyText(f), number);
        }
        std::sort(text.begin(), text.end());
        std::vector<qint16> expected;
        for (const auto& entry : text)
            expected.push_back(basic::Right(entry.first, 3).toShort());
        EXPECT_EQ(slot(k, 0), expected) << discipline;
    }
}

}  // namespace
}  // namespace razudar
