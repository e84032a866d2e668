#pragma once
#include "platform/services/busy_indicator.h"
#include "platform/services/clock.h"
#include "platform/services/computer_name.h"
#include "platform/services/dialog_runner.h"
#include "platform/services/file_dialog.h"
#include "platform/services/prompter.h"
#include "platform/services/settings_store.h"
#include "platform/services/system_clock_setter.h"
#include "platform/services/waiter.h"

namespace razudar {

// The outside world as the program reaches it. Not owned: the program's main or a test owns
// the implementations and hands this bundle to whoever needs it.
struct Services {
    Prompter* prompter = nullptr;
    Waiter* waiter = nullptr;
    Clock* clock = nullptr;
    SystemClockSetter* clockSetter = nullptr;
    ComputerName* computerName = nullptr;
    SettingsStore* settings = nullptr;
    FileDialog* fileDialog = nullptr;
    BusyIndicator* busy = nullptr;
    DialogRunner* dialogs = nullptr;
};

}  // namespace razudar
