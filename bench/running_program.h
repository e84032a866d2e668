#pragma once
// The program as the benchmarks run it: the main window with its real plug-ins (offscreen) on a
// copy of the demo base folder, the mode dialog confirmed, the outside world faked.
#include <QCoreApplication>
#include <QPushButton>

#include <cstdlib>
#include <memory>

#include "app/assembly/control_loader.h"
#include "app/assembly/program_units.h"
#include "app/controls/tcp_proxy.h"
#include "app/program_state.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app_test_support.h"
#include "platform/fakes/fake_window_services.h"
#include "timekeeping_simulator.h"

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
    // Points the link control at `simulator`, listening from now, and presses its connect button.
    void connectTo(sim::TimekeepingSimulator& simulator) {
        const quint16 port = simulator.listen();
        window->units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
        window->units().MirtTcpGet().setPortaRemota(port);
        window->units().MirtTcpGet().cmdConnettiDisconnetti_Click();
    }

    apptest::BaseFolder base;
    FakeWindowServices fakes;
    apptest::FixedCurrentFolder folder{base.path()};
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    ProgramState state;
    std::unique_ptr<frmGrafica> window;
};

}  // namespace razudar::bench
