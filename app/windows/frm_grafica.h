#pragma once
// The main window frmGrafica: the program's start window. It creates the link and list controls
// from their plug-ins, lays out the link panel, the console panel, the menu bar and the status
// bar, has the program's units assembled over them, and runs the start-up. It holds no race
// logic of its own.
#include <QMainWindow>

#include <memory>

#include "app/pages/page_context.h"
#include "app/startup/startup.h"
#include "platform/services/services.h"

class QLabel;

namespace razudar {

struct ProgramState;
class ConsolePanel;
class NoticeLabel;
class CurrentFolder;
class ProgramMenus;
class ProgramUnits;
class frmAnteprimaGrafica;
namespace controls {
class ControlLoader;
}

class frmGrafica : public QMainWindow, public StartupWindow, public OnAirHost {
    Q_OBJECT
public:
    frmGrafica(ProgramState& state, const Services& services, const controls::ControlLoader& loader,
               CurrentFolder& currentFolder, QWidget* parent = nullptr);
    ~frmGrafica() override;

    // The load: creates the controls and runs the start-up. False when the program must end.
    bool load();

    // The program's units (built by a successful load()), the console panel and the menus, for
    // the program's other parts and for tests.
    ProgramUnits& units() { return *units_; }
    ConsolePanel& panel() { return *panel_; }
    ProgramMenus& programMenus() { return *menus_; }
    frmAnteprimaGrafica* anteprima() { return preview_; }
    bool firstPaintDone() const { return painted_; }

    // The window's public hook, invoked by name (graficaLocaleInOnda) whenever a page is recorded
    // as on air. It does nothing: the window has nothing to follow then, but the page layer keeps
    // calling it by its name, so the member stays.
    Q_INVOKABLE void basGrafica_GraficaLocaleInOnda(const QString& nomePagina) { Q_UNUSED(nomePagina); }

    // StartupWindow (setStatusPanel also for the page layer)
    void setCaption(const QString& caption) override;
    void setStatusPanel(const QString& key, const QString& text) override;
    bool showModeDialog() override;
    controls::GraficaProxy* loadPreviewWindow(QString* error) override;
    // OnAirHost
    bool vgaPreviewChecked() const override;
    void graficaLocaleInOnda(const QString& nomePagina) override;
    // The notice after the time of day it was told (also for the database faults and the link).
    void showNotice(const QString& text, NoticeSource source) override;
    void withdrawNotice(NoticeSource source) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets(QWidget* linkControl, QWidget* listControl);
    void buildStatusBar();
    void mnuGraficaVGA_Click();
    void showStatusMessage(const QString& text, int timeoutMs);

    ProgramState& state_;
    Services services_;
    const controls::ControlLoader& loader_;
    CurrentFolder& currentFolder_;
    ProgramMenus* menus_ = nullptr;  // children of the window
    ConsolePanel* panel_ = nullptr;
    std::unique_ptr<ProgramUnits> units_;  // built over the controls and the widgets by load()
    frmAnteprimaGrafica* preview_ = nullptr;
    bool painted_ = false;

    QLabel* statusDatabase_ = nullptr;
    QLabel* statusComputer_ = nullptr;
    QLabel* statusNomePagina_ = nullptr;
    NoticeLabel* statusAvvisi_ = nullptr;  // the last failure of a link event, a timer or a page
};

}  // namespace razudar
