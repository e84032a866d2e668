#pragma once
// The program's units, built in one step once the link and list controls exist: the
// database-fault reporting and the lookups guarded by it, the monitor-settings reload, the link
// and list controls' proxies, the console unit, the link dispatcher and the menu commands. The
// half that lives over the preview window's graphics control is an object of its own
// (ProgramGraphics), built when that control is loaded. The main window builds the widgets the
// units report to, then hands each widget its ports.
#include <functional>
#include <memory>

#include "app/assembly/program_ports.h"
#include "app/startup/startup.h"
#include "platform/services/services.h"

class QWidget;

namespace razudar {

struct ProgramState;
class ConsoleHost;
class DatabaseMonitorSettingsReloader;
class DispatcherHost;
class LinkBatch;
class LinkDispatcher;
class MenuHost;
class OnAirHost;
class ParallelGapBox;
class ProgramGraphics;
class RoutedPageDispatcher;
class SessionValues;
class SponsorLights;
namespace controls {
class GraficaProxy;
class LinkControl;
class TcpProxy;
}  // namespace controls

// The widgets the units report to.
struct ProgramHosts {
    ConsoleHost& console;
    DispatcherHost& dispatcher;
    ParallelGapBox& parallelGap;
    MenuHost& menus;
};

class ProgramUnits : public SponsorClips {
public:
    // `statusNotice` shows a database failure of a link event or a timer (the status bar); a
    // received message that was refused reaches the window through dispatcher().setNotice. The link control's events go to the link dispatcher,
    // each one an action of the status-bar channel.
    ProgramUnits(ProgramState& state, const Services& services, std::function<void(const QString&)> statusNotice,
                 const ProgramControls& controls, const ProgramHosts& hosts);
    ~ProgramUnits() override;
    ProgramUnits(const ProgramUnits&) = delete;
    ProgramUnits& operator=(const ProgramUnits&) = delete;

    // The ports of the console panel and of the menu bar.
    ConsolePorts consolePorts();
    MenuPorts menuPorts();

    // Builds the page layer over the preview window's graphics control (once); the free-text
    // editors open over `editorOwner`. From now on page requests go to the program's page
    // dispatcher.
    ProgramGraphics& attachGraphics(controls::GraficaProxy& grafica, OnAirHost& host, SponsorLights& sponsors,
                                    QWidget* editorOwner);
    // The graphics half: null until the graphics control is loaded.
    ProgramGraphics* graphics() { return graphics_.get(); }

    // The first paint: an empty race and no run-time delay, the console's buttons shown and
    // empty, the stored server name in the link control, the page buttons off. Returns the stored
    // options (no row when the configuration cannot be read: the operator is told).
    FirstPaintSettings primoDisegno();

    // Where page requests go: to the program's page dispatcher once it exists, or to the one a
    // test put in its place.
    PageDispatcher& pageRouter();
    void setPageDispatcher(PageDispatcher& pages);
    PageDispatcher& pageDispatcher();

    // SponsorClips: the clips play on the graphics control, nothing happens before it is loaded.
    void AlternaSponsor(int slot) override;

    const Services& services() const { return services_; }
    DatabaseFaults& faults() { return *faults_; }
    ConsoleRefresh& console() { return *console_; }
    LinkDispatcher& dispatcher() { return *dispatcher_; }
    MenuCommands& menus() { return *menus_; }
    controls::TcpProxy& MirtTcpGet() { return *tcp_; }
    controls::StovakProxy& lstClassifica() { return *stovak_; }

private:
    void connectLink();

    ProgramState& state_;
    Services services_;
    // Every member is set by the constructor except graphics_.
    // The services' box and waits, and the link, as the units see them (settling the batch first).
    std::unique_ptr<Prompter> prompter_;
    std::unique_ptr<Waiter> waiter_;
    std::unique_ptr<controls::LinkControl> link_;
    std::unique_ptr<DatabaseFaults> faults_;
    std::unique_ptr<SessionValues> sessionValues_;
    std::unique_ptr<DatabaseMonitorSettingsReloader> reloader_;
    std::unique_ptr<RoutedPageDispatcher> pageRouter_;
    std::unique_ptr<controls::TcpProxy> tcp_;
    std::unique_ptr<controls::StovakProxy> stovak_;
    std::unique_ptr<ConsoleRefresh> console_;
    std::unique_ptr<LinkBatch> batch_;
    std::unique_ptr<LinkDispatcher> dispatcher_;
    std::unique_ptr<MenuCommands> menus_;
    std::unique_ptr<ProgramGraphics> graphics_;
};

}  // namespace razudar
