// The same race read by the two builders of a race state: loaded from the race database, and
// decoded from the object text the timekeeping application sends. They must agree on every
// competitor, result and ranked slot the text carries.
#include <gtest/gtest.h>

#include "data/krono_da_database.h"
#include "data/krono_da_testo.h"
#include "data/loader_race_fixture.h"
#include "data/loader_test_support.h"
#include "data/monitor_settings.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

using testing::FixtureShape;
using testing::LoaderDatabase;

struct BothWays {
    std::shared_ptr<clsKrono> loaded;
    std::shared_ptr<clsKrono> decoded;
};

BothWays readBothWays(const FixtureShape& shape) {
    const auto race = testing::fixtureRace(shape);
    LoaderDatabase base;
    testing::writeFixtureRace(*race, base.db());
    MonitorState monitor;
    FakeClock clock;
    KronoDaDatabaseResult load = KronoDaDatabase(base.state, monitor, clock, testing::kFixtureRace,
                                                 QStringLiteral("GA"), qint16(shape.runs));
    EXPECT_TRUE(load) << load.error.toStdString();
    encoder::CountingMonitorSettings settings;
    KronoDaTestoResult decode = KronoDaTesto(encoder::raceStateText(*race), settings);
    EXPECT_TRUE(decode) << decode.error.toStdString();
    if (decode.krono) decode.krono->ElaboraClassifiche();
    return {load.krono, decode.krono};
}

// Slots 0 to 10: overall, runs 1-5 and intermediates 1-5. (Slot 11 ranks the start positions,
// which the object text does not carry.)
void expectSameRanking(const clsKrono& loaded, const clsKrono& decoded) {
    for (int slot = 0; slot <= 10; ++slot)
        EXPECT_EQ(loaded.slotOrder(slot), decoded.slotOrder(slot)) << "slot " << slot;
}

TEST(LoaderCrossCheck, TwoRunRaceFromDatabaseAndFromObjectTextAgree) {
    FixtureShape shape;
    shape.competitors = 60;
    shape.runs = 2;
    shape.intermediates = 2;
    const BothWays r = readBothWays(shape);
    ASSERT_TRUE(r.loaded && r.decoded);
    EXPECT_EQ(encoder::carriedFieldDifferences(*r.decoded, *r.loaded), QStringList());
    expectSameRanking(*r.loaded, *r.decoded);
    EXPECT_EQ(r.loaded->slotOrder(0).size(), 60u);
    EXPECT_FALSE(r.loaded->slotOrder(7).empty());
}

TEST(LoaderCrossCheck, BestRunRaceWithFiveIntermediatesAgrees) {
    FixtureShape shape;
    shape.competitors = 45;
    shape.runs = 3;
    shape.intermediates = 5;
    shape.categories = 4;
    shape.speciality = 5;
    const BothWays r = readBothWays(shape);
    ASSERT_TRUE(r.loaded && r.decoded);
    EXPECT_EQ(encoder::carriedFieldDifferences(*r.decoded, *r.loaded), QStringList());
    expectSameRanking(*r.loaded, *r.decoded);
    EXPECT_FALSE(r.loaded->slotOrder(10).empty());
}

TEST(LoaderCrossCheck, TheComparisonSeesADifferentResult) {
    // The check itself: a single changed run time in the database shows up.
    FixtureShape shape;
    shape.competitors = 12;
    const auto race = testing::fixtureRace(shape);
    LoaderDatabase base;
    testing::writeFixtureRace(*race, base.db());
    base.exec(QStringLiteral("UPDATE SessioniConcorrenti SET sc_Tempo = sc_Tempo + 1"
                             " WHERE sc_Concorrente = 1 AND sc_Manche = 1"));
    MonitorState monitor;
    FakeClock clock;
    const KronoDaDatabaseResult load =
        KronoDaDatabase(base.state, monitor, clock, testing::kFixtureRace, QStringLiteral("GA"), 2);
    ASSERT_TRUE(load) << load.error.toStdString();
    EXPECT_EQ(encoder::carriedFieldDifferences(*race, *load.krono),
              QStringList{QStringLiteral("competitor 1 run 1 time differs")});
}

}  // namespace
}  // namespace razudar
