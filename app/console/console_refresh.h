#pragma once
// The operator console refresh: after every re-ranking the console is rebuilt whole from the race
// state and the selected category (caption, tabs, category list and grid, competitor or heat
// buttons, race-dependent page buttons), and the page-button group is switched as a whole.
#include <functional>

#include "app/console/console_state.h"

namespace razudar {

struct ProgramState;

// What the refresh asks of the window that shows the console.
class ConsoleHost {
public:
    virtual ~ConsoleHost() = default;
    // The classification tab handler (redraws the preview list for the tab now current).
    virtual void tabChanged(int previousTab) = 0;
    // The console state changed: show it.
    virtual void consoleChanged() = 0;
};

// What the link dispatcher and the menu commands ask of the console: re-rank and rebuild it
// after the race state changed, and switch the page-button group as a whole.
class ConsoleUpdates {
public:
    virtual ~ConsoleUpdates() = default;
    virtual void AggiornaClassificheInterfaccia() = 0;
    virtual void AbilitaPulsantiPagina(bool flag) = 0;
};

class ConsoleRefresh : public ConsoleUpdates {
public:
    // `codiceTipoTurno` answers the turn-type code of an id (the database lookup).
    ConsoleRefresh(ProgramState& state, ConsoleHost& host, std::function<QString(qint32)> codiceTipoTurno);

    ConsoleState& view() { return view_; }
    const ConsoleState& view() const { return view_; }

    // Re-ranks every classification, then refreshes tabs and buttons.
    void AggiornaClassificheInterfaccia() override;
    void AggiornaSchedeClassifiche();
    void AggiornaPulsantiConcorrenti();
    void AbilitaPulsantiPagina(bool flag) override;
    // The current tab as the operator changed it (the window reports it before the handler).
    void setCurrentTab(int tab) { view_.currentTab = tab; }

private:
    void fillHeatButtons(int& k);
    void fillCompetitorButtons(int& k);

    ProgramState& state_;
    ConsoleHost& host_;
    std::function<QString(qint32)> codiceTipoTurno_;
    ConsoleState view_;
};

}  // namespace razudar
