// The timekeeping simulator on its own: serves a race on a TCP port and, once the program has
// asked for the race, runs it live.
//
// Realistic mode (the default): a two-run giant slalom whose first run is complete; in the second
// run a competitor starts every few seconds, so two or three are on course at once; each run time
// follows its finish a moment later; the competitor in the middle of the start list does not
// finish; after the last competitor nothing more is sent.
// Sequential mode: one competitor at a time, round and round the list; every few seconds he
// starts, passes the intermediates, then finishes with his run time in the same moment.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTime>
#include <QTimer>

#include <cmath>

#include "data/object_text_encoder.h"
#include "live_player.h"
#include "live_race.h"
#include "model/krono.h"
#include "timekeeping_simulator.h"

namespace {

using razudar::sim::TimekeepingSimulator;

qint64 millisecondsOf(const QString& seconds, double fallback) {
    bool ok = false;
    const double s = seconds.toDouble(&ok);
    return std::llround((ok && s >= 0 ? s : fallback) * 1000);
}

// Live events of the sequential mode: competitor i starts, passes intermediates 1 and 2,
// finishes with a run time.
void runSequential(TimekeepingSimulator& simulator, const std::shared_ptr<razudar::clsKrono>& race, qint64 intervalMs,
                   QTextStream& out) {
    auto* live = new QTimer(&simulator);
    auto step = std::make_shared<int>(0);
    live->setInterval(int(intervalMs));
    QObject::connect(live, &QTimer::timeout, [&simulator, race, step, &out] {
        if (!simulator.connected()) return;
        const QList<qint16> numbers = race->ElencoConcorrenti();
        if (numbers.isEmpty()) return;
        const qint16 n = numbers[(*step / 4) % numbers.size()];
        const QString packed = QTime::currentTime().toString(QStringLiteral("hhmmsszzz"));
        const QString competitor = QString::number(n);
        switch (*step % 4) {
        case 0: simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {competitor, packed}); break;
        case 1: simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"), {competitor, QStringLiteral("1"), packed}); break;
        case 2: simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"), {competitor, QStringLiteral("2"), packed}); break;
        case 3:
            simulator.sendFields(QStringLiteral("TCORREREORARIOSTOP"), {competitor, packed});
            simulator.sendFields(QStringLiteral("TCORRERETEMPO"), {competitor, QString::number(100000 + 1000 * (n % 40))});
            break;
        }
        out << "sent live event " << *step % 4 << " for competitor " << n << "\n";
        out.flush();
        ++*step;
    });
    live->start();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Timekeeping simulator for Razudar"));
    parser.addHelpOption();
    const auto option = [&](const char* name, const char* help, const char* value, const char* fallback) {
        QCommandLineOption o(QString::fromLatin1(name), QString::fromLatin1(help), QString::fromLatin1(value),
                             QString::fromLatin1(fallback));
        parser.addOption(o);
        return o;
    };
    const auto portOption = option("port", "TCP port (default 1001).", "port", "1001");
    const auto modeOption = option("mode", "realistic (default) or sequential.", "mode", "realistic");
    const auto competitorsOption = option("competitors", "Competitors (default 30).", "n", "30");
    const auto intervalOption = option("interval",
                                       "Seconds between two starts (realistic, default 4) or between two live "
                                       "events (sequential, default 3).",
                                       "s", "");
    const auto courseOption = option("course", "Seconds of the fastest run (realistic, default 10).", "s", "10");
    const auto delayOption = option("delay", "Seconds from a finish to its run time (realistic, default 1.5).", "s", "1.5");
    parser.process(app);
    QTextStream out(stdout);

    const bool sequential = parser.value(modeOption) == QLatin1String("sequential");
    if (!sequential && parser.value(modeOption) != QLatin1String("realistic")) {
        out << "Unknown mode " << parser.value(modeOption) << " (realistic or sequential)\n";
        return 2;
    }
    const int competitors = std::max(1, parser.value(competitorsOption).toInt());
    TimekeepingSimulator simulator;

    razudar::sim::LiveTimings timings;
    timings.startIntervalMs = int(millisecondsOf(parser.value(intervalOption), 4));
    timings.fastestRunMs = int(millisecondsOf(parser.value(courseOption), 10));
    timings.runSpreadMs = std::max(10, timings.fastestRunMs / 5);
    timings.runTimeDelayMs = int(millisecondsOf(parser.value(delayOption), 1.5));
    razudar::sim::LiveRaceShape shape;
    shape.competitors = competitors;
    shape.earlierNonFinisher = competitors >= 3 ? competitors : 0;
    // The race begins when the program has the race state: the first start a moment later (two
    // seconds, less for quick starts), at this computer's time of day, so the program's running
    // clock agrees with it.
    const int leadMs = std::min(2000, 5 * timings.startIntervalMs);
    std::unique_ptr<razudar::sim::LiveRace> plan;
    std::unique_ptr<razudar::sim::LivePlayer> player;
    const auto prepareRealistic = [&] {
        shape.firstStartMs = QTime::currentTime().msecsSinceStartOfDay() + leadMs;
        plan = std::make_unique<razudar::sim::LiveRace>(shape, timings);
        // The competitor in the middle of the start list does not finish (the start list does
        // not depend on who does not finish the live run).
        shape.nonFinishers = {int(plan->starters()[plan->starters().size() / 2])};
        plan = std::make_unique<razudar::sim::LiveRace>(shape, timings);
        simulator.setRace(plan->race());
    };
    if (sequential)
        simulator.setRace(razudar::encoder::demoRace({.competitors = competitors, .runs = 2, .intermediates = 2}));
    // The session key carries this computer's own time, so a program allowed to set its clock
    // keeps the right time.
    QObject::connect(&simulator, &TimekeepingSimulator::peerConnected, [&] {
        simulator.setSessionKey(QTime::currentTime().toString(QStringLiteral("hhmmsszzz")), QStringLiteral("1"),
                                QStringLiteral("GS"), QStringLiteral("2"));
    });
    const quint16 port = simulator.listen(quint16(parser.value(portOption).toUInt()), true);
    if (port == 0) {
        out << "Cannot listen on port " << parser.value(portOption) << "\n";
        return 1;
    }
    out << "Timekeeping simulator listening on port " << port << " (" << (sequential ? "sequential" : "realistic")
        << " mode); connect Razudar to this computer.\n";
    out.flush();

    QObject::connect(&simulator, &TimekeepingSimulator::textReceived, [&](const QString& text) {
        out << "received: " << text.left(80) << "\n";
        out.flush();
        // The first request for the race state starts the live run, once.
        if (sequential || player || !text.startsWith(QLatin1String("RICHIESTACLASSE"))) return;
        prepareRealistic();
        player = std::make_unique<razudar::sim::LivePlayer>(simulator, plan->messages());
        QObject::connect(player.get(), &razudar::sim::LivePlayer::messageSent, [&](int index) {
            const razudar::sim::LiveMessage& m = plan->messages()[index];
            out << "sent " << m.command << " " << m.fields.join(QLatin1Char(' ')) << "\n";
            out.flush();
        });
        QObject::connect(player.get(), &razudar::sim::LivePlayer::ended, [&] {
            out << "End of the race: nothing more is sent.\n";
            out.flush();
        });
        // The race state goes out first (the simulator answers the request itself); the first
        // start follows a moment later.
        QTimer::singleShot(leadMs, player.get(), [&] { player->play(1.0); });
    });
    if (sequential) {
        const QString interval = parser.value(intervalOption);
        runSequential(simulator, simulator.race(), millisecondsOf(interval, 3), out);
    }
    return app.exec();
}
