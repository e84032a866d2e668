#pragma once
// The program for a benchmark: its main window with the real plug-ins (offscreen), started on a
// copy of the demo base folder, the mode dialog confirmed.
#include <QCoreApplication>
#include <QPushButton>

#include <cstdlib>
#include <memory>

#include "app/assembly/control_loader.h"
#include "app/program_state.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app_test_support.h"

namespace razudar::bench {

struct RunningProgram {
    RunningProgram() {
        window = std::make_unique<frmGrafica>(state, fakes.services(), loader, folder);
        fakes.dialogs.answer<frmModalita>([](frmModalita& d) {
            d.show();
            d.cmdConnetti()->click();
            return d.result() == QDialog::Accepted;
        });
        if (!window->load()) std::abort();
        window->show();
        QCoreApplication::processEvents();
    }
    apptest::BaseFolder base;
    FakeServices fakes;
    apptest::FixedCurrentFolder folder{base.path()};
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    ProgramState state;
    std::unique_ptr<frmGrafica> window;
};

}  // namespace razudar::bench
