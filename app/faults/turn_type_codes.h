#pragma once
// The turn-type codes the console and the pages compare against the race state, read from the
// database. A lookup the database cannot answer is reported and answers the code last read for
// that id (empty before any), so a refresh under a lock keeps its buttons as they were.
#include <QHash>
#include <QString>
#include <QtGlobal>

namespace razudar {

struct DatabaseState;
class DatabaseFaults;

class TurnTypeCodes {
public:
    TurnTypeCodes(const DatabaseState& database, DatabaseFaults& faults) : database_(database), faults_(faults) {}
    QString code(qint32 id);

private:
    const DatabaseState& database_;
    DatabaseFaults& faults_;
    QHash<qint32, QString> lastKnown_;
};

}  // namespace razudar
