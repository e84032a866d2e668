#pragma once
// The program's main window started in-process on a demo base folder in a temporary folder, with
// the real plug-ins: fakes for message boxes, waits, the clock and the clock setter, and real INI
// files in a temporary folder for the settings.
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/console/console_refresh.h"
#include "app/assembly/control_loader.h"
#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"
#include "app/assembly/program_units.h"
#include "app/windows/console_panel.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/program_menus.h"
#include "app_test_support.h"
#include "platform/fakes/fake_window_services.h"
#include "platform/services/system_services.h"
#include "timekeeping_simulator.h"

namespace razudar {
class frmModalita;
}

namespace razudar::apptest {

struct ProgramWindowTest : ::testing::Test {
    // Starts the program; the mode dialog is answered by `answer` (confirmed by default). True
    // when the start-up ran through and the window is shown.
    bool start(std::function<bool(frmModalita&)> answer = {});
    // The menu item `name`; with `index`, the item of that index in its group.
    QAction* action(const QString& name, int index = -1);
    // The status bar's notice.
    QLabel* notice() const;
    // Saves a frame of the output as <name>.png for a person to look at, when pictures are wanted,
    // once the renderer has drawn for `settleMs` (a frame every 40 ms; a page slides in for about
    // a second).
    void saveFrame(const QString& name, int settleMs);
    // Points the link control at the simulator (now listening) and presses its connect button.
    void pressConnectToSimulator();
    Services services();

    BaseFolder base;
    FakeWindowServices fakes;
    QTemporaryDir settingsFolder;
    IniSettingsStore settings{settingsFolder.path()};
    FixedCurrentFolder folder{base.path()};
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    ProgramState state;
    std::unique_ptr<frmGrafica> window;
    sim::TimekeepingSimulator simulator;
};

}  // namespace razudar::apptest
