#pragma once
// A race database in a temporary folder, opened on slot 1 as the program opens it, with the
// service fakes (those of the windows' tests in RaceDatabaseWith<FakeWindowServices>).
#include <QTemporaryDir>

#include "assets/database_builder.h"
#include "data/database_access.h"
#include "data/database_state.h"
#include "platform/fakes/fake_services.h"

namespace razudar::testing {

template <class Fakes>
struct RaceDatabaseWith {
    explicit RaceDatabaseWith(assets::DatabaseContent content = assets::DatabaseContent::SchemaOnly) {
        path = assets::createRaceDatabase(dir.path(), content);
        state.IndiceDatabase = 1;
        state.PercorsiDatabase[1] = path;
        state.PasswordDatabase = QStringLiteral("vorpland58");
        state.busyTimeoutMs = 0;  // a lock is reported at once; the tests drive the waits
        ApriDatabase(state);
    }
    db::Database& db() { return state.current(); }
    QTemporaryDir dir;
    QString path;
    DatabaseState state;
    Fakes fakes;
};
using RaceDatabase = RaceDatabaseWith<FakeServices>;

}  // namespace razudar::testing
