// Choosing a session of a 3,000-competitor race in the session window, through the menu command,
// to the console refreshed (confirm, active session stored and reloaded, race state built from
// the database, every classification re-ranked, tabs and buttons refreshed), against the
// loader's own time for that session in the same run. Target: at most 2x the loader.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

#include "app/console/console_refresh.h"
#include "app/controls/link_control.h"
#include "app/menus/menu_commands.h"
#include "app/program_state.h"
#include "assets/database_builder.h"
#include "bench/ratio_reporter.h"
#include "data/database_access.h"
#include "data/krono_da_database.h"
#include "data/loader_race_fixture.h"
#include "model/krono.h"
#include "platform/fakes/fake_window_services.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace {

using namespace razudar;

struct Host : MenuHost, ConsoleHost, controls::LinkControl {
    Host(ProgramState& state, const Services& services)
        : console(state, *this, [](qint32) { return QStringLiteral("GA"); }),
          window(state.startup.database, services, state.startup.session) {}
    void setOptionChecked(GruppoOpzioni, int, bool) override {}
    QString ServerRemoto() override { return QString(); }
    bool Connesso() override { return false; }
    bool InviaTesto(const QString&, bool) override { return false; }
    void Disconnetti() override {}
    bool scegliSessione() override {
        if (!window.isLoaded()) {
            window.Load();
            window.primoPaint();
        }
        for (int row = 0; row < window.datTabella.recordCount(); ++row) {
            window.datTabella.setAbsolutePosition(row);
            if (window.datTabella.value(QStringLiteral("se_Manche")).toInt() == 2) break;
        }
        window.Conferma_Click();
        return window.bConferma;
    }
    void tabChanged(int) override {}
    void consoleChanged() override {}
    ConsoleRefresh console;
    tables::FrmSelezioneSessione window;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::FixtureShape shape;
    shape.competitors = 3000;
    shape.runs = 2;
    shape.intermediates = 5;
    shape.categories = 3;
    const auto race = testing::fixtureRace(shape);

    QTemporaryDir folder;
    ProgramState state;
    DatabaseState& database = state.startup.database;
    database.IndiceDatabase = 1;
    database.PercorsiDatabase[1] = assets::createRaceDatabase(folder.path());
    ApriDatabase(database);
    testing::writeFixtureRace(*race, database.current());
    state.startup.session = {testing::kFixtureRace, QStringLiteral("GA"), 1};
    FakeWindowServices fakes;
    const Services services = fakes.services();
    Host host(state, services);
    MenuCommands menus(state, services, host.console, host, host);

    benchmark::RegisterBenchmark("KronoDaDatabase", [&](benchmark::State& s) {
        for (auto _ : s) {
            KronoDaDatabaseResult result = KronoDaDatabase(database, state.monitor, fakes.clock,
                                                           testing::kFixtureRace, QStringLiteral("GA"), 2);
            if (!result) s.SkipWithError(qPrintable(result.error));
            benchmark::DoNotOptimize(result.krono.get());
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SceltaSessione", [&](benchmark::State& s) {
        for (auto _ : s) {
            if (!menus.mnuSelezioneManche_Click()) s.SkipWithError("session not chosen");
            benchmark::DoNotOptimize(state.race.Krono.get());
        }
        s.counters["competitors"] = double(state.krono().ElencoConcorrenti().size());
    })->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("KronoDaDatabase") && t.count("SceltaSessione")) {
        std::printf("session choice / loader: %.2fx (target <= 2)\n", t["SceltaSessione"] / t["KronoDaDatabase"]);
    }
    return 0;
}
