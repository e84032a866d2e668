// The race's lookup of a competitor's stored run result, and the open competitor states.
#include "model/competitor_states.h"
#include "model/krono.h"
#include "race_fixture.h"

#include <gtest/gtest.h>

namespace razudar {
namespace {

TEST(RunResultLookup, FindsTheStoredResultAndNeverCreatesOne)
{
    clsKrono k;
    test::addCompetitor(k, 101, 1);
    test::setRun(k, 101, 2, kStatoNonArrivato, 11005, 93000);

    const clsRisultati* r = k.findRunResult(101, 2);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->StatoConcorrente(), 30);
    EXPECT_EQ(r->Tempo(), 11005);
    EXPECT_EQ(r->OrarioPartenza(), 93000);
    EXPECT_EQ(r, k.ConcorrenteItem(101)->Risultati(2).get());

    // A run never created and a competitor the race does not hold have no result; asking
    // creates neither.
    EXPECT_EQ(k.findRunResult(101, 3), nullptr);
    EXPECT_EQ(k.findRunResult(999, 1), nullptr);
    EXPECT_EQ(k.findRunResult(101, 3), nullptr);
    EXPECT_FALSE(k.ConcorrenteExists(999));
}

TEST(CompetitorStates, OpenUntilTheCompetitorHasFinished)
{
    const struct {
        qint32 stato;
        bool open;
    } cases[] = {
        {0, false}, {1, true}, {10, true}, {20, true}, {30, false}, {40, false}, {50, false}, {60, false}, {15, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatoAperto(c.stato), c.open) << c.stato;
}

}  // namespace
}  // namespace razudar
