// The program's main road, with the real window and plug-ins (offscreen):
// - a race state sent over the real socket, from its last byte written to the console refreshed,
//   against KronoDaTesto of the same payload (target at most 3x);
// - a live finish message in a 10,000-competitor race dispatched through to the console refresh,
//   against one ElaboraClassifiche of that race (target at most 2x);
// - start-up on the demo base folder to the main window shown, the mode dialog answered by a
//   script (reported).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTcpSocket>

#include <cstdio>

#include "app/assembly/control_loader.h"
#include "app/controls/tcp_proxy.h"
#include "app/assembly/program_units.h"
#include "app/windows/console_panel.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app_test_support.h"
#include "bench/ratio_reporter.h"
#include "bench/running_program.h"
#include "data/krono_da_testo.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "platform/fakes/fake_window_services.h"
#include "timekeeping_simulator.h"

namespace {

using namespace razudar;

constexpr qsizetype kFrameLimit = 999999;

encoder::DemoRaceShape raceShape(int competitors) {
    return {.competitors = competitors, .runs = 5, .intermediates = 5, .categories = 6};
}

// The largest demo race of 5 runs and 5 intermediates, at most 1,100 competitors, whose state
// fits one link frame.
int raceForOneFrame() {
    int low = 1;
    int high = 1100;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (encoder::raceStateText(*encoder::demoRace(raceShape(mid))).size() + 30 <= kFrameLimit) low = mid;
        else high = mid - 1;
    }
    return low;
}

using bench::RunningProgram;

QString gRacePayload;
int gRaceCompetitors = 0;

void decodeBench(benchmark::State& s) {
    encoder::CountingMonitorSettings monitor;
    for (auto _ : s) {
        KronoDaTestoResult r = KronoDaTesto(gRacePayload.trimmed(), monitor);
        benchmark::DoNotOptimize(r.krono);
    }
}

void raceOverSocketBench(benchmark::State& s, bool withPreview) {
    RunningProgram program;
    sim::TimekeepingSimulator simulator;
    program.connectTo(simulator);
    simulator.setAutoReply(false);
    if (!sim::TimekeepingSimulator::waitUntil([&] { return simulator.connected() && !simulator.received().isEmpty(); }))
        std::abort();
    const QByteArray frame = *link::buildFrame(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + gRacePayload);
    QTcpSocket* peer = simulator.peer();
    for (auto _ : s) {
        const auto before = program.state.race.Krono;
        // All but the last byte first, so the clock starts with the last byte on the socket.
        s.PauseTiming();
        peer->write(frame.left(frame.size() - 1));
        peer->flush();
        sim::TimekeepingSimulator::waitUntil([&] { return program.window->units().MirtTcpGet().Connesso() && peer->bytesToWrite() == 0; });
        QCoreApplication::processEvents();
        s.ResumeTiming();
        peer->write(frame.right(1));
        peer->flush();
        while (program.state.race.Krono == before) QCoreApplication::processEvents();
        if (withPreview) QCoreApplication::processEvents();
    }
}

void liveFinishBench(benchmark::State& s, bool withPreview) {
    RunningProgram program;
    program.state.race.Krono = encoder::demoRace({.competitors = 10000, .runs = 2, .intermediates = 2, .categories = 6});
    program.window->units().console().AggiornaClassificheInterfaccia();
    int i = 0;
    for (auto _ : s) {
        const qint16 n = qint16(1001 + (i++ % 10000));
        // The run time ranks the finisher (his finish alone keeps him on course).
        program.window->units().dispatcher().onDatiArrivati(QStringLiteral("TCORRERETEMPOGRAFINEPREFISSO%1_GRASEPARATORETCORRERE_112345").arg(n));
        program.window->units().dispatcher().stopRunTimeDelay();  // no run-time page in the timing
        // With `withPreview` the clock runs on until the preview list has been drawn too.
        if (withPreview) QCoreApplication::processEvents();
    }
}

void elaboraBench(benchmark::State& s) {
    auto race = encoder::demoRace({.competitors = 10000, .runs = 2, .intermediates = 2, .categories = 6});
    race->ElaboraClassifiche();
    int i = 0;
    for (auto _ : s) {
        // The same change as the run-time message makes, so both re-rank the same work.
        const qint16 n = qint16(1001 + (i++ % 10000));
        const auto r = race->ConcorrenteItem(n)->Risultati(race->MancheSfidaCorrente());
        r->setStatoConcorrente(0);
        r->setTempo(112345);
        race->ElaboraClassifiche();
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QElapsedTimer startup;
    startup.start();
    {
        RunningProgram program;
        std::printf("start-up on the demo base folder to the main window shown: %.1f ms\n",
                    double(startup.nsecsElapsed()) / 1e6);
    }

    gRaceCompetitors = raceForOneFrame();
    gRacePayload = encoder::raceStateText(*encoder::demoRace(raceShape(gRaceCompetitors)));
    std::printf("race state: %d competitors, 5 runs, 5 intermediates, %lld characters\n", gRaceCompetitors,
                static_cast<long long>(gRacePayload.size()));

    benchmark::RegisterBenchmark("KronoDaTesto/race", decodeBench)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RaceStateOverSocket/console", raceOverSocketBench, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RaceStateOverSocket/console+list", raceOverSocketBench, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ElaboraClassifiche/10000", elaboraBench)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LiveFinish/10000/console", liveFinishBench, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LiveFinish/10000/console+list", liveFinishBench, true)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("RaceStateOverSocket/console") && t.count("KronoDaTesto/race")) {
        std::printf("race state over the socket to the console / KronoDaTesto: %.2fx (target <= 3)\n",
                    t["RaceStateOverSocket/console"] / t["KronoDaTesto/race"]);
    }
    if (t.count("LiveFinish/10000/console") && t.count("ElaboraClassifiche/10000")) {
        std::printf("live finish to the console / ElaboraClassifiche: %.2fx (target <= 2)\n",
                    t["LiveFinish/10000/console"] / t["ElaboraClassifiche/10000"]);
        std::printf("live finish to the console and its preview list drawn / ElaboraClassifiche: %.2fx\n",
                    t["LiveFinish/10000/console+list"] / t["ElaboraClassifiche/10000"]);
    }
    if (t.count("RaceStateOverSocket/console+list") && t.count("KronoDaTesto/race")) {
        std::printf("race state over the socket to the console and its preview list drawn / KronoDaTesto: %.2fx\n",
                    t["RaceStateOverSocket/console+list"] / t["KronoDaTesto/race"]);
    }
    benchmark::Shutdown();
    return 0;
}
