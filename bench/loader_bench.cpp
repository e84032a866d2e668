// Building a race state of 3,000 competitors with 2 runs and 5 intermediates from the race
// database (KronoDaDatabase: every query, the monitor settings and the ranking), against
// decoding the same race from object text (KronoDaTesto) in the same run.
// Target: the load in at most 3x the decode.
#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>

#include <cstdio>

#include "assets/database_builder.h"
#include "bench/ratio_reporter.h"
#include "data/database_access.h"
#include "data/database_state.h"
#include "data/krono_da_database.h"
#include "data/krono_da_testo.h"
#include "data/loader_race_fixture.h"
#include "data/monitor_settings.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace {

using namespace razudar;

void loadBench(benchmark::State& state, const DatabaseState* database, int run) {
    MonitorState monitor;
    FakeClock clock;
    for (auto _ : state) {
        KronoDaDatabaseResult result =
            KronoDaDatabase(*database, monitor, clock, testing::kFixtureRace, QStringLiteral("GA"), qint16(run));
        if (!result) state.SkipWithError(qPrintable(result.error));
        benchmark::DoNotOptimize(result.krono.get());
    }
}

void decodeBench(benchmark::State& state, const QString* payload, bool rank) {
    encoder::CountingMonitorSettings monitor;
    for (auto _ : state) {
        KronoDaTestoResult result = KronoDaTesto(*payload, monitor);
        if (!result) state.SkipWithError(qPrintable(result.error));
        if (rank && result) result.krono->ElaboraClassifiche();
        benchmark::DoNotOptimize(result.krono.get());
    }
    state.counters["chars"] = double(payload->size());
}

}  // namespace

int main(int argc, char** argv) {
    testing::FixtureShape shape;
    shape.competitors = 3000;
    shape.runs = 2;
    shape.intermediates = 5;
    shape.categories = 3;
    const auto race = testing::fixtureRace(shape);
    const QString payload = encoder::raceStateText(*race);

    QTemporaryDir folder;
    DatabaseState database;
    database.IndiceDatabase = 1;
    database.PercorsiDatabase[1] = assets::createRaceDatabase(folder.path());
    ApriDatabase(database);
    testing::writeFixtureRace(*race, database.current());
    std::printf("race: %d competitors, %d runs, %d intermediates; object text %lld characters\n",
                shape.competitors, shape.runs, shape.intermediates, static_cast<long long>(payload.size()));

    benchmark::RegisterBenchmark("KronoDaDatabase", loadBench, &database, shape.runs)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("KronoDaTesto", decodeBench, &payload, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("KronoDaTesto+ElaboraClassifiche", decodeBench, &payload, true)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("KronoDaDatabase") && t.count("KronoDaTesto")) {
        std::printf("load / decode: %.2fx (target <= 3)\n", t["KronoDaDatabase"] / t["KronoDaTesto"]);
        if (t.count("KronoDaTesto+ElaboraClassifiche"))
            std::printf("load / (decode + ranking): %.2fx\n",
                        t["KronoDaDatabase"] / t["KronoDaTesto+ElaboraClassifiche"]);
    }
    benchmark::Shutdown();
    return 0;
}
