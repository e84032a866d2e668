// The results-monitor pages and refresh, written on a recording surface.
#include <gtest/gtest.h>

#include "model/krono.h"
#include "platform/fakes/fake_services.h"
#include "tests/list/list_test_support.h"
#include "tests/model/race_fixture.h"

namespace razudar {
namespace {

using test::addCompetitor;
using test::setRun;
using testing::RecordingSurface;
}  // namespace
}  // namespace razudar
