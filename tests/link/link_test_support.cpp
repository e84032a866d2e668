#include "tests/link/link_test_support.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>

namespace razudar::link::testing {

bool waitUntil(const std::function<bool()>& done) {
    QDeadlineTimer limit(20000);
    while (!done()) {
        if (limit.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void record(MirtTCP& control, HostLog& log) {
    QObject::connect(&control, &MirtTCP::Connesso, [&log] { log.events << QStringLiteral("Connesso"); });
    QObject::connect(&control, &MirtTCP::ConnessioneChiusa,
                     [&log] { log.events << QStringLiteral("ConnessioneChiusa"); });
    QObject::connect(&control, &MirtTCP::DatiArrivati, [&log](const QString& text) {
        log.events << QStringLiteral("Dati:") + text;
        log.texts << text;
        if (log.onText) log.onText(text);
    });
    QObject::connect(&control, &MirtTCP::Errore,
                     [&log](int number, QString& description, int scode, const QString& source,
                            const QString&, int, bool& cancelDisplay) {
                         log.events << QStringLiteral("Errore:%1").arg(number);
                         log.errors.push_back({number, description, scode, source, cancelDisplay});
                     });
}

}  // namespace razudar::link::testing
