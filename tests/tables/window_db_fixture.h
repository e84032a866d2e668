#pragma once
// The race database of the windows' tests: its service fakes answer the windows' dialogs.
#include "data/db_fixture.h"
#include "platform/fakes/fake_window_services.h"

namespace razudar::testing {

using WindowRaceDatabase = RaceDatabaseWith<FakeWindowServices>;

}  // namespace razudar::testing
