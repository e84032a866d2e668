#pragma once
// Plays the messages of a live run through the timekeeping simulator: one at a time on demand
// (tests look at the program between them) or on a timer at their race times. Each message also
// updates the race the simulator serves, as the timekeeper's own race does, so a request for the
// whole race state answers what has happened so far.
#include <QObject>
#include <QTimer>

#include "live_race.h"

namespace razudar::sim {

class TimekeepingSimulator;

class LivePlayer : public QObject {
    Q_OBJECT
public:
    LivePlayer(TimekeepingSimulator& simulator, QList<LiveMessage> messages, QObject* parent = nullptr);

    // Sends the next message now; false when every message has been sent.
    bool sendNext();
    // Sends the messages up to and including race time `atMs`; the number sent.
    int sendUntil(qint64 atMs);
    // Sends the rest on a timer, each at its race time divided by `speed` after the one before.
    void play(double speed = 1.0);
    void stop() { timer_.stop(); }

    bool finished() const { return next_ >= messages_.size(); }
    int sentCount() const { return int(next_); }
    // The message sent last; nullptr before the first.
    const LiveMessage* last() const { return next_ > 0 ? &messages_[next_ - 1] : nullptr; }

signals:
    void messageSent(int index);
    void ended();

private:
    void apply(const LiveMessage& message);
    void scheduleNext();

    TimekeepingSimulator& simulator_;
    QList<LiveMessage> messages_;
    qsizetype next_ = 0;
    double speed_ = 1.0;
    QTimer timer_;
};

}  // namespace razudar::sim
