#include "graphics/control_core.h"

#include "graphics/control_setup.h"
#include "platform/services/system_services.h"

namespace razudar::gra {

ControlCore::ControlCore()
    : systemClock_(std::make_unique<SystemClock>()),
      systemWaiter_(std::make_unique<SystemWaiter>()),
      systemSettings_(std::make_unique<IniSettingsStore>(IniSettingsStore::defaultFolder())) {
    state.environment = GraEnvironment{systemClock_.get(), systemWaiter_.get(), systemSettings_.get(), true, {}};
}

ControlCore::~ControlCore() { closeControl(state); }

void ControlCore::useEnvironment(const GraEnvironment& environment) {
    state.environment.clock = environment.clock ? environment.clock : systemClock_.get();
    state.environment.waiter = environment.waiter ? environment.waiter : systemWaiter_.get();
    state.environment.settings = environment.settings ? environment.settings : systemSettings_.get();
    state.environment.renderThread = environment.renderThread;
    state.environment.moveSink = environment.moveSink;
}

}  // namespace razudar::gra
