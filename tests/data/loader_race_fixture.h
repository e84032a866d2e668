#pragma once
// A race described as a race state, and the same race written into a race database the way the
// timekeeping application stores it, for the loader's cross-check with the object-text decoder
// and for the loader benchmark. The description holds what a load of the session must give:
// uppercase surnames and nations, an empty category for a competitor without one, each
// competitor's categories in the database's order, open results (state 10) for who has not run.
#include <QtGlobal>

#include <memory>

#include "platform/db/database.h"

namespace razudar {
class clsKrono;
}

namespace razudar::testing {

struct FixtureShape {
    int competitors = 40;
    int runs = 2;           // the current run of turn "GA"
    int intermediates = 2;  // numbered intermediate points
    int categories = 3;
    qint32 speciality = 3;  // 3 giant slalom (runs add up), 5 best run
};

// Race 1, turn "GA" (turn type 2), run `shape.runs`.
constexpr qint16 kFixtureRace = 1;
std::shared_ptr<clsKrono> fixtureRace(const FixtureShape& shape);

// Writes the race into an empty database built from the schema (lookups, race, points,
// sessions, categories, clubs, competitors, start list, results, intermediate times), in one
// transaction.
void writeFixtureRace(const clsKrono& race, const db::Database& database);

}  // namespace razudar::testing
