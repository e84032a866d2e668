// Ranking rules of the classification engine: states and totals after a run, penalties, keys,
// tie-breaks and the rebuild of the slots.
#include "model/basic.h"
#include "model/race_times.h"
#include "model/ranking_key.h"
#include "race_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
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

// The order text keys give: sorted by character codes, each slot entry read back from the key's
// last three characters.
std::vector<qint16> orderOfTextKeys(std::vector<QString> keys)
{
    std::sort(keys.begin(), keys.end(),
              [](const QString& a, const QString& b) { return basic::StrCompBinary(a, b) < 0; });
    std::vector<qint16> order;
    for (const QString& key : keys)
        order.push_back(basic::Right(key, 3).toShort());
    return order;
}

// The order of the engine's own keys of every competitor in a slot.
std::vector<qint16> orderOfTextKeys(const clsKrono& k, int classifica)
{
    std::vector<QString> keys;
    for (qint16 number : k.ElencoConcorrenti())
        keys.push_back(rankingKeyText(k.rankingFields(classifica, number)));
    return orderOfTextKeys(std::move(keys));
}

TEST_F(TwoRunRace, KeysOfEveryStateInEachSlot)
{
    k.cGara.setIntermedi(1);
    k.setOrdinePartenza(2, 6, 1);
    const auto key = [this](int classifica, qint16 number) {
        return rankingKeyText(k.rankingFields(classifica, number));
    };
    // Overall after run 2: state after the run, total (0 when not classified), bib, number.
    EXPECT_EQ(key(0, 1), QStringLiteral("00-000203000-0005-001"));
    EXPECT_EQ(key(0, 9), QStringLiteral("01-000000000-0007-009"));
    EXPECT_EQ(key(0, 3), QStringLiteral("10-000000000-0008-003"));
    EXPECT_EQ(key(0, 4), QStringLiteral("20-000000000-0001-004"));
    EXPECT_EQ(key(0, 5), QStringLiteral("30-000000000-0002-005"));
    EXPECT_EQ(key(0, 6), QStringLiteral("40-000000000-0009-006"));
    EXPECT_EQ(key(0, 7), QStringLiteral("60-000000000-0004-007"));
    // Run slots: the run's own state; no time unless arrived with a time.
    EXPECT_EQ(key(1, 3), QStringLiteral("00-000059000-0008-003"));
    EXPECT_EQ(key(1, 5), QStringLiteral("30-240000000-0002-005"));
    EXPECT_EQ(key(2, 7), QStringLiteral("60-240000000-0004-007"));  // disqualified with a time
    EXPECT_EQ(key(2, 8), QStringLiteral("00-000102500-0006-008"));
    EXPECT_EQ(key(2, 3), QStringLiteral("10-240000000-0008-003"));
    // Split slot without splits, start order with and without an order.
    EXPECT_EQ(key(6, 1), QStringLiteral("240000000-0005-001"));
    EXPECT_EQ(key(11, 6), QStringLiteral("00001-0009-006"));
    EXPECT_EQ(key(11, 1), QStringLiteral("00000-0005-001"));
    k.ElaboraClassifiche();
    for (int classifica : {0, 1, 2, 6, 11})
        EXPECT_EQ(slot(k, classifica), orderOfTextKeys(k, classifica)) << classifica;
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

TEST(TieBreak, DisciplineFifteenRanksEqualTimesByDescendingBib)
{
    clsKrono k;
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    addCompetitor(k, 1, 3);
    setRun(k, 1, 1, 0, 45000);
    addCompetitor(k, 2, 8);
    setRun(k, 2, 1, 0, 45000);
    addCompetitor(k, 3, 5);
    setRun(k, 3, 1, 0, 44990);
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{3, 1, 2}));
    k.cGara.setDisciplina(15);
    EXPECT_TRUE(k.OrdinamentoExAequoDescrescente());
    k.ElaboraClassifiche();
    EXPECT_EQ(slot(k, 0), (std::vector<qint16>{3, 2, 1}));
    EXPECT_EQ(slot(k, 1), (std::vector<qint16>{3, 2, 1}));
    EXPECT_EQ(rankingKeyText(k.rankingFields(0, 2)), QStringLiteral("00-000045000-9991-002"));
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

TEST_F(BiathlonPenalties, MoreEntriesThanTheCountCanTellStillEnd)
{
    // 32,768 more entries: the count saturates at 32767, the sum still stops there.
    category->setBiathlonPenalitaTiro(1);
    for (int i = 0; i < 32768; ++i)
        k.ConcorrenteItem(1)->Risultati(1)->PenalitaAdd(0);
    EXPECT_EQ(k.ConcorrenteItem(1)->Risultati(1)->PenalitaCount(), 32767);
    EXPECT_EQ(k.TempoPenalita(1, 1), 3000);  // the first two entries: 3 misses x 1 s
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

// The overall state and total time (packed) after run `upTo` of a race that is neither a sprint
// nor parallel, without penalties, worked out here from the stored runs rather than by the
// engine: best run (speciality 5) or runs adding up.
std::pair<qint32, qint32> referenceOverall(const clsKrono& k, qint16 number, int upTo)
{
    constexpr qint64 kNoTime = 240000000;
    const auto c = k.ConcorrenteItem(number);
    const bool bestRun = k.cGara.Specialita() == 5;
    const auto stateOf = [&](int m) { return c->Risultati(static_cast<qint16>(m))->StatoConcorrente(); };
    const auto stateAfter = [&](int last) -> qint32 {
        for (int m = 1; m <= last; ++m) {
            if (bestRun && stateOf(m) == 0)
                return 0;
            if (!bestRun && stateOf(m) != 0)
                return stateOf(m);
        }
        return bestRun ? 30 : 0;
    };
    const auto runMs = [&](int m) -> qint64 {
        return TempoInMillesimi(c->Risultati(static_cast<qint16>(m))->Tempo());
    };
    qint64 total = 0;
    if (bestRun) {
        // Only a run that itself arrived with a time can be the best one: a disqualified run
        // that still carries a time never is.
        qint64 candidate = 0;
        for (int m = 1; m <= upTo; ++m) {
            if (stateAfter(m) == 0)
                candidate = (stateOf(m) == 0 && runMs(m) > 0) ? runMs(m) : kNoTime;
            total = std::min(candidate, total == 0 ? kNoTime : total);
        }
    } else {
        for (int m = 1; m <= upTo; ++m) {
            if (stateAfter(m) != 0) {
                total = 0;
                break;
            }
            total += runMs(m);
        }
    }
    return {stateAfter(upTo), MillesimiInTempo(total)};
}

// The stored text key of a competitor, built from its results by the documented layout.
QString referenceKey(const clsKrono& k, int classifica, qint16 number)
{
    const auto c = k.ConcorrenteItem(number);
    const int run = k.MancheCorrente();
    QString leading;
    switch (k.TipoClassifica(classifica)) {
    case 0: {
        const auto [state, total] = referenceOverall(k, number, run);
        leading = basic::Format(qint64(state), QStringLiteral("00-")) +
                  basic::Format(qint64(total), QStringLiteral("000000000-"));
        break;
    }
    case 1: {
        const auto r = c->Risultati(static_cast<qint16>(classifica));
        const qint32 s = r->StatoConcorrente();
        const qint32 value = (r->Tempo() == 0 || s != 0) ? 240000000 : r->Tempo();
        leading = basic::Format(qint64(s), QStringLiteral("00-")) +
                  basic::Format(qint64(value), QStringLiteral("000000000-"));
        break;
    }
    case 2: {
        const auto r = c->Risultati(static_cast<qint16>(run));
        const qint32 split = r->OrarioIntermedioItem(static_cast<qint16>(classifica - 5));
        qint32 value = 240000000;
        if (split > 0) {
            value = MillesimiInTempo(TempoInMillesimi(split) - TempoInMillesimi(r->OrarioPartenza()));
            if (value <= 0)
                value = 240000000;
        }
        leading = basic::Format(qint64(value), QStringLiteral("000000000-"));
        break;
    }
    case 3:
        leading = basic::Format(qint64(k.OrdinePartenza(static_cast<qint16>(run), number)), QStringLiteral("00000-"));
        break;
    default:
        break;
    }
    const qint32 bib = c->Pettorale();
    const qint32 tie = k.OrdinamentoExAequoDescrescente() ? 9999 - bib : bib;
    return leading + basic::Format(qint64(tie), QStringLiteral("0000")) + QStringLiteral("-") +
           basic::Format(qint64(number), QStringLiteral("000"));
}

TEST(RankingKeys, EverySlotOfRandomRacesRanksAsTheTextKeys)
{
    std::mt19937 random(1104);
    std::uniform_int_distribution<int> stateIndex(0, 9), time(30000, 130000), bib(0, 9999), few(0, 15);
    std::uniform_int_distribution<int> splitCount(0, 2), splitMs(-2000, 40000), order(0, 400);
    const qint32 states[] = {0, 0, 0, 0, 1, 10, 20, 30, 40, 60};
    const qint32 start = 100000000;  // 10:00:00.000
    for (int race = 0; race < 6; ++race) {
        clsKrono k;
        k.cGara.setManches(2);
        k.cGara.setIntermedi(2);
        k.cGara.setDisciplina(race % 2 == 0 ? 2 : 1);
        k.cGara.setSpecialita(race >= 4 ? 5 : 0);
        k.setMancheCorrente(2);
        std::vector<int> numbers(1000);
        std::iota(numbers.begin(), numbers.end(), 0);
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int i = 0; i < 400; ++i) {
            const auto number = static_cast<qint16>(numbers[static_cast<std::size_t>(i)]);
            // Half the bibs from a small pool, so that equal bibs and equal times meet.
            const auto b = static_cast<qint16>(i % 2 == 0 ? bib(random) : few(random));
            addCompetitor(k, number, b);
            for (qint16 run = 1; run <= 2; ++run) {
                const qint32 s = states[stateIndex(random)];
                const bool timed = s == 0 || s == 60;
                setRun(k, number, run, s, timed ? (time(random) / 250) * 250 : 0, start);
                const auto r = k.ConcorrenteItem(number)->Risultati(run);
                for (int split = splitCount(random); split > 0; --split)
                    r->OrarioIntermedioAdd(MillesimiInTempo(TempoInMillesimi(start) + (splitMs(random) / 500) * 500));
                if (run == 2)
                    k.setOrdinePartenza(run, number, order(random) / 2);
            }
        }
        k.ElaboraClassifiche();
        for (int classifica : {0, 1, 2, 6, 7, 11}) {
            std::vector<QString> keys;
            for (qint16 number : k.ElencoConcorrenti())
                keys.push_back(referenceKey(k, classifica, number));
            ASSERT_EQ(slot(k, classifica), orderOfTextKeys(std::move(keys))) << "race " << race << " slot " << classifica;
        }
    }
}

}  // namespace
}  // namespace razudar
