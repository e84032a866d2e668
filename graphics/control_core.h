#pragma once
#include <memory>

#include "graphics/clock_bars.h"
#include "graphics/control_state.h"
#include "graphics/info_groups.h"
#include "graphics/object_groups.h"
#include "graphics/object_lookup.h"
#include "graphics/object_properties.h"
#include "graphics/output_control.h"
#include "graphics/page_lifecycle.h"
#include "graphics/row_movers.h"

namespace razudar {
class SystemClock;
class SystemWaiter;
class IniSettingsStore;
}  // namespace razudar

namespace razudar::gra {

// The control's state and logic, without any window: the widget layers call into it.
class ControlCore {
public:
    ControlCore();
    ~ControlCore();

    // Replaces the services; the renderer objects take the clock and the settings at the next
    // Inizializza. Null members keep the real service.
    void useEnvironment(const GraEnvironment& environment);

    ControlState state;
    OutputControl output{state};
    PageLifecycle pages{state, output};
    ObjectLookup lookup{state};
    ObjectProperties properties{state, lookup};
    ClockBars clocks{state, properties};
    RowMovers movers{state, properties};
    ObjectGroups groups{state, lookup, properties};
    InfoGroups info{state, properties};

private:
    std::unique_ptr<SystemClock> systemClock_;
    std::unique_ptr<SystemWaiter> systemWaiter_;
    std::unique_ptr<IniSettingsStore> systemSettings_;
};

}  // namespace razudar::gra
