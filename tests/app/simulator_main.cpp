// The timekeeping simulator on its own: serves a demo race on a TCP port and, once the program
// has asked for the race, runs it live: every few seconds the next competitor starts, passes
// the intermediates and finishes.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTime>
#include <QTimer>

#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "timekeeping_simulator.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Timekeeping simulator for Razudar"));
    parser.addHelpOption();
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("TCP port (default 1001)."), QStringLiteral("port"),
                                  QStringLiteral("1001"));
    QCommandLineOption competitorsOption(QStringLiteral("competitors"), QStringLiteral("Competitors (default 30)."),
                                         QStringLiteral("n"), QStringLiteral("30"));
    QCommandLineOption intervalOption(QStringLiteral("interval"), QStringLiteral("Seconds between live events (default 3)."),
                                      QStringLiteral("s"), QStringLiteral("3"));
    parser.addOptions({portOption, competitorsOption, intervalOption});
    parser.process(app);
    QTextStream out(stdout);

    razudar::sim::TimekeepingSimulator simulator;
    auto race = razudar::encoder::demoRace({.competitors = parser.value(competitorsOption).toInt(), .runs = 2, .intermediates = 2});
    simulator.setRace(race);
    // The session key carries this computer's own time, so a program allowed to set its clock
    // keeps the right time.
    QObject::connect(&simulator, &razudar::sim::TimekeepingSimulator::peerConnected, [&] {
        simulator.setSessionKey(QTime::currentTime().toString(QStringLiteral("hhmmsszzz")), QStringLiteral("1"),
                                QStringLiteral("GS"), QStringLiteral("2"));
    });
    const quint16 port = simulator.listen(quint16(parser.value(portOption).toUInt()), true);
    if (port == 0) {
        out << "Cannot listen on port " << parser.value(portOption) << "\n";
        return 1;
    }
    out << "Timekeeping simulator listening on port " << port << "; connect Razudar to this computer.\n";
    out.flush();

    QObject::connect(&simulator, &razudar::sim::TimekeepingSimulator::textReceived, [&](const QString& text) {
        out << "received: " << text.left(80) << "\n";
        out.flush();
    });
    // Live events: competitor i starts, passes intermediates 1 and 2, finishes with a run time.
    int step = 0;
    QTimer live;
    live.setInterval(parser.value(intervalOption).toInt() * 1000);
    QObject::connect(&live, &QTimer::timeout, [&] {
        if (!simulator.connected()) return;
        const QList<qint16> numbers = race->ElencoConcorrenti();
        if (numbers.isEmpty()) return;
        const qint16 n = numbers[(step / 4) % numbers.size()];
        const QTime now = QTime::currentTime();
        const QString packed = now.toString(QStringLiteral("hhmmsszzz"));
        const QString competitor = QString::number(n);
        switch (step % 4) {
        case 0: simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {competitor, packed}); break;
        case 1: simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"), {competitor, QStringLiteral("1"), packed}); break;
        case 2: simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"), {competitor, QStringLiteral("2"), packed}); break;
        case 3:
            simulator.sendFields(QStringLiteral("TCORREREORARIOSTOP"), {competitor, packed});
            simulator.sendFields(QStringLiteral("TCORRERETEMPO"), {competitor, QString::number(100000 + 1000 * (n % 40))});
            break;
        }
        out << "sent live event " << step % 4 << " for competitor " << n << "\n";
        out.flush();
        ++step;
    });
    live.start();
    return app.exec();
}
