#pragma once
// What a session fixes that the live path reads from the database: the turn-type codes a race
// state is compared with (a single run, the qualification) and the race's texts for the winner of
// a heat or of a run. They are read when the session is set (a race state received, a session
// chosen, the race rebuilt) and answered from memory afterwards, so a live message or the tick of
// the run-time delay never waits on a database that another program holds.
//
// A read that fails is told (through the database faults, once per action), keeps the value last
// known (empty before any) and is tried again at the next setting of the session or at the next
// request outside the live path; a request on the live path answers from memory, whatever it
// holds.
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace razudar {

struct DatabaseState;
struct SessionKey;
class DatabaseFaults;

class SessionValues {
public:
    SessionValues(const DatabaseState& database, const SessionKey& session, DatabaseFaults& faults);

    // The session was set: every value is read anew.
    void reload();
    // The turn-type code of an id ("" unknown).
    QString turnTypeCode(qint32 id);
    // A language text of the active race ("" without one). The winner texts are the session's;
    // any other text is read at each request (only the operator's pages ask for one).
    QString raceText(const QString& field);

    // The live path (a link event, a tick of the run-time delay) while it lives: no request made
    // inside it reads the database.
    class LivePath {
    public:
        explicit LivePath(SessionValues& values) : values_(values) { ++values_.liveDepth_; }
        ~LivePath() { --values_.liveDepth_; }
        LivePath(const LivePath&) = delete;
        LivePath& operator=(const LivePath&) = delete;

    private:
        SessionValues& values_;
    };

private:
    struct Value {
        QString text;
        bool current = false;  // read since the session was last set
    };
    void read(Value& value, const QString& azione, const std::function<QString()>& reader);
    void readTurnType(qint32 id, Value& value);
    void readRaceText(const QString& field, Value& value);

    const DatabaseState& database_;
    const SessionKey& session_;
    DatabaseFaults& faults_;
    QHash<qint32, Value> turnTypes_;
    QHash<QString, Value> winnerTexts_;
    int liveDepth_ = 0;
};

}  // namespace razudar
