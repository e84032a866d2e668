#pragma once
// The program's units, assembled in one place: the database-fault reporting and the lookups
// guarded by it, the monitor-settings reload, the link and list controls' proxies, the console
// refresh, the link dispatcher, the menu commands and, once the preview window's graphics control
// is loaded, the page context, the program's page dispatcher and the free-text editors. The main
// window builds the widgets the units report to and wires its widgets to them.
#include <functional>
#include <memory>

#include "app/startup/startup.h"
#include "platform/services/services.h"

class QObject;
class QWidget;

namespace razudar {

struct ProgramState;
class ConsoleHost;
class ConsoleRefresh;
class DatabaseFaults;
class DatabaseMonitorSettingsReloader;
class DispatcherHost;
class FreeTextEditorWindows;
class LinkDispatcher;
class MandaInOndaDispatcher;
class MenuCommands;
class MenuHost;
class OnAirHost;
class PageDispatcher;
class ParallelGapBox;
class RoutedPageDispatcher;
class SponsorLights;
class TurnTypeCodes;
struct PageContext;
namespace controls {
class GraficaProxy;
class StovakProxy;
class TcpProxy;
}  // namespace controls

// The widgets the units report to.
struct ProgramHosts {
    ConsoleHost& console;
    DispatcherHost& dispatcher;
    ParallelGapBox& parallelGap;
    MenuHost& menus;
};

class ProgramUnits {
public:
    // `statusNotice` shows a database failure of a link event or a timer (the status bar).
    ProgramUnits(ProgramState& state, const Services& services, std::function<void(const QString&)> statusNotice);
    ~ProgramUnits();
    ProgramUnits(const ProgramUnits&) = delete;
    ProgramUnits& operator=(const ProgramUnits&) = delete;

    // The proxies of the link and list controls created from their plug-ins.
    void attachControls(QObject* linkControl, QObject* listControl);
    // The console refresh, the link dispatcher and the menu commands, reporting to `hosts`; the
    // link control's events go to the dispatcher, each one an action of the status-bar channel.
    void assemble(const ProgramHosts& hosts);
    // The page layer over the preview window's graphics control; the free-text editors open over
    // `editorOwner`. From now on page requests go to the program's page dispatcher.
    void attachGraphics(controls::GraficaProxy& grafica, OnAirHost& host, SponsorLights& sponsors,
                        QWidget* editorOwner);
    // The first paint: an empty race and no run-time delay, the console's buttons shown and
    // empty, the stored server name in the link control, the page buttons off. Returns the stored
    // options (no row when the configuration cannot be read: the operator is told).
    FirstPaintSettings primoDisegno();

    // Where page requests go: to the program's page dispatcher once it exists, or to the one a
    // test put in its place.
    PageDispatcher& pageRouter();
    void setPageDispatcher(PageDispatcher& pages);
    PageDispatcher& pageDispatcher();
    // The program's page dispatcher and its page-on-air layer (null before the graphics control).
    MandaInOndaDispatcher* programPages() { return programPages_.get(); }

    const Services& services() const { return services_; }
    DatabaseFaults& faults() { return *faults_; }
    ConsoleRefresh& console() { return *console_; }
    LinkDispatcher& dispatcher() { return *dispatcher_; }
    MenuCommands& menus() { return *menus_; }
    controls::TcpProxy& MirtTcpGet() { return *tcp_; }
    controls::StovakProxy* lstClassifica() { return stovak_.get(); }

private:
    ProgramState& state_;
    Services services_;
    std::unique_ptr<DatabaseFaults> faults_;
    std::unique_ptr<TurnTypeCodes> turnTypes_;
    std::unique_ptr<DatabaseMonitorSettingsReloader> reloader_;
    std::unique_ptr<RoutedPageDispatcher> pageRouter_;
    std::unique_ptr<controls::TcpProxy> tcp_;
    std::unique_ptr<controls::StovakProxy> stovak_;
    std::unique_ptr<ConsoleRefresh> console_;
    std::unique_ptr<LinkDispatcher> dispatcher_;
    std::unique_ptr<MenuCommands> menus_;
    std::unique_ptr<PageContext> pageContext_;
    std::unique_ptr<MandaInOndaDispatcher> programPages_;
    std::unique_ptr<FreeTextEditorWindows> freeTextEditors_;
};

}  // namespace razudar
