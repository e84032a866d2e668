#pragma once
// The service fakes of the windows' tests: every fake of fake_services.h, and the dialogs of the
// windows answered without a modal event loop.
#include "platform/fakes/fake_services.h"
#include "platform/fakes/scripted_dialogs.h"

namespace razudar {

struct FakeWindowServices : FakeServices {
    FakeWindowServices() { dialogRunner = &dialogs; }
    // The bundle points into this object: it is neither copied nor moved.
    FakeWindowServices(const FakeWindowServices&) = delete;
    FakeWindowServices& operator=(const FakeWindowServices&) = delete;

    ScriptedDialogs dialogs;
};

}  // namespace razudar
