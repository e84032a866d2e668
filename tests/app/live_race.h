#pragma once
// A run of a race as a timekeeping application sends it live: a giant slalom whose earlier runs
// are complete, and the messages of the run in play, each at its race time. Starts follow every
// few seconds, so two or three competitors are on course at once; each run time follows its
// finish a moment later, as a timekeeper sends it once the time is checked; some competitors do
// not finish; after the last message nothing more comes. Times are computed from the plan, not
// read from a clock, so a run plays the same at any speed.
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

namespace razudar {
class clsKrono;
}

namespace razudar::sim {

// Race times in milliseconds: the defaults are what a person watching the program follows.
struct LiveTimings {
    int startIntervalMs = 4000;  // from one start to the next
    int fastestRunMs = 10000;    // the run times lie from here ...
    int runSpreadMs = 2000;      // ... to this much more
    int runTimeDelayMs = 1500;   // from the finish to the run time
};

struct LiveRaceShape {
    int competitors = 30;    // numbers and bibs 1..competitors
    int runs = 2;            // runs of the race
    int currentRun = 2;      // the run played live; the runs before it are complete
    int intermediates = 2;   // intermediate points of every run
    // Bibs that do not finish the live run (they start and pass the first intermediate).
    QList<int> nonFinishers;
    // Bib that did not finish run 1 (0: none); he starts no later run.
    int earlierNonFinisher = 0;
    quint32 seed = 29;       // the run times
    qint32 firstStartMs = 37800000;  // time of day of the first start (10:30:00.000)
};

// One message of the live run at its race time (ms from the first start).
struct LiveMessage {
    qint64 atMs = 0;
    QString command;
    QStringList fields;
};

// A competitor's standing after the live run, from the plan's own times: runs added up, ties
// by the higher bib first (alpine skiing).
struct ExpectedStanding {
    qint16 competitor = 0;
    qint64 totalMs = 0;
};

class LiveRace {
public:
    LiveRace(const LiveRaceShape& shape, const LiveTimings& timings);

    // The race state before the live run: earlier runs complete, the live run open (state 10)
    // for its starters in start order. A new object at every call.
    std::shared_ptr<clsKrono> race() const;
    // The messages of the live run in the order they are sent.
    const QList<LiveMessage>& messages() const { return messages_; }
    // Start order of the live run (competitor numbers).
    const QList<qint16>& starters() const { return starters_; }
    // The official run time of competitor n in run m (ms, cut to hundredths); 0 for a
    // competitor who does not finish it.
    qint32 runTimeMs(qint16 n, int m) const;
    // Elapsed time (ms) of competitor n at intermediate j of run m, from his start.
    qint32 splitElapsedMs(qint16 n, int m, int j) const;
    // Every competitor classified after the live run, best first.
    QList<ExpectedStanding> standings() const;
    const LiveRaceShape& shape() const { return shape_; }

private:
    void planRun();
    bool finishes(qint16 n, int m) const;
    qint32 exactRunMs(qint16 n, int m) const;
    QString timeOfDay(qint64 atMs) const;

    LiveRaceShape shape_;
    LiveTimings timings_;
    QList<qint16> starters_;
    QList<LiveMessage> messages_;
};

// The packed time text (hhmmssttt without leading zeros) of a time of day in milliseconds.
QString packedTimeOfDay(qint64 msOfDay);

}  // namespace razudar::sim
