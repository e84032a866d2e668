#include "program_window_fixture.h"

#include <QPushButton>

#include "app/controls/grafica_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "app/windows/frm_modalita.h"
#include "screenshots.h"

namespace razudar::apptest {

bool ProgramWindowTest::start(std::function<bool(frmModalita&)> answer) {
    window = std::make_unique<frmGrafica>(state, services(), loader, folder);
    fakes.dialogs.answer<frmModalita>(answer ? answer : [](frmModalita& dialog) {
        dialog.show();
        dialog.cmdConnetti()->click();
        return dialog.result() == QDialog::Accepted;
    });
    const bool ok = window->load();
    if (ok) window->show();
    return ok;
}

QAction* ProgramWindowTest::action(const QString& name, int index) {
    for (QAction* a : window->findChildren<QAction*>(name))
        if (index < 0 || a->data().toInt() == index) return a;
    return nullptr;
}

void ProgramWindowTest::pressConnectToSimulator() {
    const quint16 port = simulator.listen();
    ASSERT_NE(port, 0);
    window->units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
    window->units().MirtTcpGet().setPortaRemota(port);
    window->units().MirtTcpGet().cmdConnettiDisconnetti_Click();
}

Services ProgramWindowTest::services() {
    Services s = fakes.services();
    s.settings = &settings;
    return s;
}

QLabel* ProgramWindowTest::notice() const { return window->findChild<QLabel*>(QStringLiteral("Avvisi")); }

void ProgramWindowTest::saveFrame(const QString& name, int settleMs) {
    if (screenshots::folder().isEmpty()) return;
    sim::TimekeepingSimulator::waitUntil([] { return false; }, settleMs);
    const QString path = screenshots::folder() + QLatin1Char('/') + name + QStringLiteral(".png");
    window->anteprima()->MirtGRA1().SalvaSchermo(path);
    screenshots::expectDrawn(path);
}

}  // namespace razudar::apptest
