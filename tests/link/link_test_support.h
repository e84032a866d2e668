#pragma once
#include <QObject>
#include <QStringList>

#include <functional>
#include <ostream>
#include <vector>

#include "link/mirt_tcp.h"

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace razudar::link::testing {

// Runs the event loop until `done` holds; false when it still does not after a long while
// (a hung link fails the test instead of blocking the suite).
bool waitUntil(const std::function<bool()>& done);
// A local port that nothing listens on right now.
int freePort();

struct ErroreSeen {
    int number;
    QString description;
    int scode;
    QString source;
    bool cancelDisplay;
};

// What a control told its host, in order: "Connesso", "ConnessioneChiusa", "Dati:<text>",
// "Errore:<number>".
struct HostLog {
    QStringList events;
    QStringList texts;
    std::vector<ErroreSeen> errors;
    int count(const QString& event) const { return static_cast<int>(events.count(event)); }
    std::function<void(const QString&)> onText;
};
void record(MirtTCP& control, HostLog& log);

// Receives the events of a control created by the plug-in, reached only by signal names.
class NamedEventReceiver : public QObject {
    Q_OBJECT
public:
    QStringList events;
public slots:
    void onConnesso() { events << QStringLiteral("Connesso"); }
    void onConnessioneChiusa() { events << QStringLiteral("ConnessioneChiusa"); }
    void onDatiArrivati(const QString& testo) { events << QStringLiteral("Dati:") + testo; }
    void onErrore(int number, QString& description, int, const QString&, const QString&, int,
                  bool& cancelDisplay) {
        events << QStringLiteral("Errore:%1 %2").arg(number).arg(description);
        cancelDisplay = true;
    }
};

}  // namespace razudar::link::testing
