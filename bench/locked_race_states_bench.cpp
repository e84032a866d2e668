// Race states while another program holds the database: the program with its real window and
// plug-ins (offscreen) connected to the timekeeping simulator; a second connection takes the
// database with BEGIN EXCLUSIVE and holds it 8 seconds while the timekeeper sends a race state
// every 0.7 seconds, and one more after the lock ends. The lock and the sender each run on a
// thread of their own, as another program and the timekeeping application do: neither waits for
// the window. The database layer's waits really sleep (SQLite's own sleep in place of the fake
// waiter). A zero-interval timer ticks at every pass of the event loop; the longest gap between
// two ticks is the longest time the window could not answer. Also reported: the time the loop was
// held (every gap over 20 ms, summed), the race states applied, the database layer's waits, and
// whether the status-bar notice of the lock was withdrawn after it.
//
// BENCH_LOCK_MS sets how long the lock is held (default 8000).
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTcpSocket>

#include <sqlite3.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "bench/loop_heartbeat.h"
#include "bench/running_program.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "model/run_result.h"
#include "timekeeping_simulator.h"

namespace {

using namespace razudar;

const int kLockMs = qEnvironmentVariableIsSet("BENCH_LOCK_MS") ? qEnvironmentVariableIntValue("BENCH_LOCK_MS") : 8000;
constexpr int kIntervalMs = 700;
constexpr int kCompetitors = 60;
constexpr double kStallCountedMs = 20;

// The race state sent i-th: the first competitor's run-1 time tells which one is on the console.
QByteArray raceStateFrame(int i) {
    auto race = encoder::demoRace({.competitors = kCompetitors, .runs = 2, .intermediates = 2});
    race->ConcorrenteItem(race->ElencoConcorrenti().first())->Risultati(1)->setTempo(60000 + i);
    return *link::buildFrame(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*race));
}

qint32 shownTag(ProgramState& state) {
    const clsKrono& k = state.krono();
    if (k.ElencoConcorrenti().isEmpty()) return -1;
    const auto r = k.ConcorrenteItem(k.ElencoConcorrenti().first())->Risultati(1);
    return r ? r->Tempo() - 60000 : -1;
}

// Another program: takes the database with BEGIN EXCLUSIVE, holds it, lets it go.
void holdLock(const QString& path, std::atomic<int>& phase) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "the second connection could not lock the database\n");
        std::abort();
    }
    phase = 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(kLockMs));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    phase = 2;
}

// The timekeeper: a race state every 0.7 s on the simulator's socket, whatever the window does.
void sendRaceStates(int socket, const std::vector<QByteArray>& frames, std::atomic<int>& sent) {
    const auto begin = std::chrono::steady_clock::now();
    for (size_t i = 0; i < frames.size(); ++i) {
        std::this_thread::sleep_until(begin + std::chrono::milliseconds(kIntervalMs * int(i)));
        qsizetype offset = 0;
        while (offset < frames[i].size()) {
            const ssize_t n = ::send(socket, frames[i].constData() + offset, size_t(frames[i].size() - offset), 0);
            if (n > 0) {
                offset += n;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        sent = int(i) + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::RunningProgram program;
    ProgramState& state = program.state;

    sim::TimekeepingSimulator simulator;
    simulator.setRace(encoder::demoRace({.competitors = kCompetitors, .runs = 2, .intermediates = 2}));
    program.connectTo(simulator);
    if (!sim::TimekeepingSimulator::waitUntil([&] { return !state.krono().ElencoConcorrenti().isEmpty(); }, 20000))
        return 2;
    simulator.setAutoReply(false);
    sim::TimekeepingSimulator::waitUntil([&] { return simulator.peer()->bytesToWrite() == 0; });
    QCoreApplication::processEvents();
    // The fake waiter returns at once; the lock's waits must take their time here.
    db::LockWaits& waits = *state.startup.database.lockWaits;
    waits.setSleeper({});

    // Race states through the whole lock, then one after it.
    std::vector<QByteArray> frames;
    const int count = kLockMs / kIntervalMs + 2;
    for (int i = 1; i <= count; ++i) frames.push_back(raceStateFrame(i));
    const int beganBefore = waits.waitsBegun();
    const qint64 sleptBefore = waits.sleptMs();
    const int refusedBefore = waits.refusedAtOnce();

    bench::LoopHeartbeat heartbeat;
    std::atomic<int> lockPhase{0};
    std::atomic<int> sent{0};
    std::thread holder(holdLock, program.base.databasePath, std::ref(lockPhase));
    while (lockPhase == 0) std::this_thread::yield();
    heartbeat.start();
    std::thread sender(sendRaceStates, int(simulator.peer()->socketDescriptor()), std::cref(frames), std::ref(sent));
    // Until the last race state is on the console (its reads answered, the lock gone).
    QElapsedTimer limit;
    limit.start();
    while (shownTag(state) != count && limit.elapsed() < 120000) QCoreApplication::processEvents();
    const double appliedMs = heartbeat.elapsedMs();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    heartbeat.stop();
    sender.join();
    holder.join();
    if (shownTag(state) != count) {
        std::fprintf(stderr, "the last race state was not applied\n");
        return 3;
    }

    const double held = heartbeat.heldMs(kStallCountedMs);
    const double longest = heartbeat.longestStallMs();
    const QString notice = program.window->findChild<QLabel*>(QStringLiteral("Avvisi"))->text();
    std::printf("%d race states, one every %d ms, while a second connection held the database %d ms:\n", count,
                kIntervalMs, kLockMs);
    std::printf("  last race state applied after %.0f ms\n", appliedMs);
    std::printf("  loop held %.0f ms in all (gaps over %.0f ms)\n", held, kStallCountedMs);
    std::printf("  database layer: %d waits begun, %lld ms slept, %d locks refused at once\n",
                waits.waitsBegun() - beganBefore, static_cast<long long>(waits.sleptMs() - sleptBefore),
                waits.refusedAtOnce() - refusedBefore);
    std::printf("  status-bar notice after the lock: %s\n", notice.isEmpty() ? "withdrawn" : qPrintable(notice));
    std::printf("longest stall of the event loop: %.0f ms (target < 500)\n", longest);
    std::fflush(stdout);
    program.window->close();
    return 0;
}
