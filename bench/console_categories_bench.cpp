// Many categories on the operator console: the program with its real plug-ins (offscreen), a
// race of 200 competitors with 1,000 and then 5,000 categories received over the socket, then
// live run times at five messages a second. Each run time re-ranks the race and refreshes the
// console; the categories stay as they are. A probe timer ticking every 5 ms measures how long
// the event loop was held between two ticks: the longest stall, and the time the loop was held
// for each message (every stall over 20 ms, summed, divided by the messages). Then one race state
// whose last category has another description, the grid in view at its full height: the time
// from its last byte written to the console showing it.
//
//   bench_console_categories [categories...]   (default: 1000 5000)
// BENCH_MESSAGES sets the number of live messages (default 20, four seconds of them).
#include <QApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/assembly/program_units.h"
#include "app/controls/tcp_proxy.h"
#include "app/windows/frm_grafica.h"
#include "bench/running_program.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "timekeeping_simulator.h"

namespace {

using namespace razudar;

const int kMessages = qEnvironmentVariableIsSet("BENCH_MESSAGES") ? qEnvironmentVariableIntValue("BENCH_MESSAGES") : 20;
constexpr int kCompetitors = 200;
constexpr int kMessageIntervalMs = 200;  // five messages a second
constexpr int kProbeIntervalMs = 5;
constexpr qint64 kStallCountedMs = 20;

// How long the event loop went without running the probe's ticks.
class StallProbe {
public:
    StallProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kProbeIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    void start() {
        stalls_.clear();
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    void stop() { timer_.stop(); }
    double longestMs() const { return stalls_.empty() ? 0.0 : *std::max_element(stalls_.begin(), stalls_.end()); }
    double countedMs() const {
        double sum = 0;
        for (double s : stalls_)
            if (s > double(kStallCountedMs)) sum += s;
        return sum;
    }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        stalls_.push_back(double(now - last_) / 1e6 - kProbeIntervalMs);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    std::vector<double> stalls_;
};

int run(int categories) {
    bench::RunningProgram program;
    ProgramState& state = program.state;
    frmGrafica* window = program.window.get();

    sim::TimekeepingSimulator simulator;
    simulator.setRace(
        encoder::demoRace({.competitors = kCompetitors, .runs = 2, .intermediates = 2, .categories = categories}));
    const quint16 port = simulator.listen();
    window->units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
    window->units().MirtTcpGet().setPortaRemota(port);
    QElapsedTimer loading;
    loading.start();
    window->units().MirtTcpGet().cmdConnettiDisconnetti_Click();
    if (!sim::TimekeepingSimulator::waitUntil([&] { return state.krono().CategoriaCount() == categories; }, 600000))
        return 2;
    const double loadMs = double(loading.nsecsElapsed()) / 1e6;
    simulator.setAutoReply(false);
    QCoreApplication::processEvents();

    // Live run times, one every 200 ms, each for the next competitor.
    StallProbe probe;
    int sent = 0;
    QTimer sender;
    sender.setTimerType(Qt::PreciseTimer);
    sender.setInterval(kMessageIntervalMs);
    QObject::connect(&sender, &QTimer::timeout, [&] {
        if (sent == kMessages) return;
        ++sent;
        simulator.sendFields(QStringLiteral("TCORRERETEMPO"),
                             {QString::number(1000 + sent % kCompetitors + 1), QString::number(110000 + sent)});
    });
    const auto handled = [&] {
        const auto r = state.krono().ConcorrenteItem(qint16(1000 + kMessages % kCompetitors + 1))->Risultati(2);
        return sent == kMessages && r->Tempo() == 110000 + kMessages;
    };
    QElapsedTimer elapsed;
    elapsed.start();
    probe.start();
    sender.start();
    while (!handled() && elapsed.elapsed() < 3600000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The refresh's own queued work (the preview list) runs after the last message.
    QElapsedTimer tail;
    tail.start();
    while (tail.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    probe.stop();
    sender.stop();
    if (!handled()) {
        std::fprintf(stderr, "the %d live messages were not all handled\n", kMessages);
        return 3;
    }
    const double totalMs = double(elapsed.nsecsElapsed()) / 1e6;

    // A race state that changes one category: the list and grid are built again.
    auto changed = encoder::demoRace({.competitors = kCompetitors, .runs = 2, .intermediates = 2, .categories = categories});
    const QString description = QStringLiteral("Categoria cambiata");
    changed->CategoriaInOrdine(qint16(categories))->setDescrizione(description);
    const QByteArray frame =
        *link::buildFrame(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*changed));
    QTcpSocket* peer = simulator.peer();
    peer->write(frame.left(frame.size() - 1));
    peer->flush();
    sim::TimekeepingSimulator::waitUntil([&] { return peer->bytesToWrite() == 0; });
    QCoreApplication::processEvents();
    QElapsedTimer rebuild;
    rebuild.start();
    peer->write(frame.right(1));
    peer->flush();
    const auto shown = [&] {
        const auto c = state.krono().CategoriaInOrdine(qint16(categories));
        return c && c->Descrizione() == description;
    };
    while (!shown() && rebuild.elapsed() < 600000) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const double rebuildMs = double(rebuild.nsecsElapsed()) / 1e6;
    if (!shown()) return 4;
    std::printf("%d categories, %d competitors: race state received and shown in %.0f ms\n", categories, kCompetitors,
                loadMs);
    std::printf("  %d live run times at 5 a second: handled in %.0f ms (%.0f ms of messages)\n", kMessages, totalMs,
                double(kMessages * kMessageIntervalMs));
    std::printf("  longest stall of the event loop %.1f ms; loop held %.1f ms a message\n", probe.longestMs(),
                probe.countedMs() / kMessages);
    std::printf("  a race state with one category changed, to the console shown: %.0f ms\n", rebuildMs);
    window->close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {1000, 5000};
    for (int categories : counts) {
        if (const int rc = run(categories)) return rc;
    }
    return 0;
}
