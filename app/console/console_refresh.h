#pragma once
// The operator console refresh: after every re-ranking the console is rebuilt whole from the race
// state and the selected category (caption, tabs, category list and grid, competitor or heat
// buttons, race-dependent page buttons), and the page-button group is switched as a whole.
#include <functional>
#include <optional>

#include "app/console/console_selection.h"
#include "app/console/console_state.h"

namespace razudar {

struct ProgramState;
class PageDispatcher;

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

// What the preview list shows for a tab or a category line: the classification and category
// written to the list, the label over it, and whether the category list takes clicks (unset:
// it stays as it is).
struct PreviewChoice {
    qint32 classifica = 0;
    QString categoria;
    QString classificazione;
    std::optional<bool> categoryListEnabled;
    bool operator==(const PreviewChoice&) const = default;
};

// The console unit: the one owner of the console state, and the one way the operator's clicks
// change the operator's selection in the program state (the steps below). Widgets read both and
// change them only through those steps. The program moves some of the selection on by itself,
// outside this unit:
// - the link dispatcher (app/link/link_dispatcher.cpp) sets SplitMostrato to the intermediate
//   number, or "F", of the followed competitor's time while his clock page is on air, and clears
//   IndicePulsanteConcorrente at a run time of a parallel run (DistaccoParalleloVisibile it has
//   re-read through the console panel's check box, which hands it to showParallelGap);
// - the page builders MostraClassificaTC and NascondiClassificaTC (app/pages/start_list.cpp,
//   element_groups.cpp) set ClassificaTCVisibile as they show or hide the standings on the clock;
// - the start-up (app/startup/startup.cpp) resets IndicePulsanteConcorrente and
//   CategoriaSelezionata;
// - the menu commands (app/menus/menu_commands.cpp) set ClassificaSuTempoCorrere.
class ConsoleRefresh : public ConsoleUpdates {
public:
    // `codiceTipoTurno` answers the turn-type code of an id (as the session fixed it).
    ConsoleRefresh(ProgramState& state, ConsoleHost& host, std::function<QString(qint32)> codiceTipoTurno);

    const ConsoleState& view() const { return view_; }

    // Re-ranks every classification, then refreshes tabs and buttons; the host shows the
    // console once.
    void AggiornaClassificheInterfaccia() override;
    void AggiornaSchedeClassifiche();
    void AggiornaPulsantiConcorrenti();
    void AbilitaPulsantiPagina(bool flag) override;
    // The current tab as the operator changed it (the window reports it before the handler).
    void setCurrentTab(int tab) { view_.currentTab = tab; }

    // The operator's steps on the console (console_operator.cpp).
    // The first paint: every competitor button shown and empty.
    void showEmptyButtons();
    // No competitor or heat button highlighted; the host shows it.
    void clearHighlights();
    // The competitor button `index` pressed: it becomes the chosen button. In a parallel run the
    // heat button is highlighted (and nothing answered); otherwise the answer is the bib the bib
    // box takes (the button's caption).
    std::optional<QString> selectButton(int index);
    // The category `code` chosen in the grid: it becomes the chosen category. Answers the grid
    // row that shows it (0, every competitor, when the race does not hold it); none when no race
    // is loaded. The competitor buttons follow with AggiornaPulsantiConcorrenti().
    std::optional<int> chooseCategory(const QString& code);
    // The notice of a category no longer in the race, once: empty after it was taken.
    QString takeCategoryNotice();
    // The preview of the classification tab `tab`; none for a tab without a preview (the
    // category tab before a race is loaded).
    std::optional<PreviewChoice> previewFor(int tab) const;
    // The category line `line` (from 0) clicked: it becomes the category on preview. None when no
    // race is loaded or the line holds no category.
    std::optional<PreviewChoice> chooseCategoryLine(int line);

    // The operator's selection (console_selection.cpp).
    // The text of the bib box changed: the competitor of that bib becomes the chosen one (-1 for
    // none). Answers the name label's text and the warning for the status bar.
    BibSelection chooseBib(const QString& typed);
    // The name check box of the running-clock pages (chkTCNominativo) switched.
    void showNameOnClock(bool shown);
    // The gap check box of the parallel page (chkDistaccoParallelo) switched.
    void showParallelGap(bool shown);
    // The page button `code` pressed: its steps, with the split tag of the button and the heat
    // number beside the pressed heat button as the console holds them, then its page through
    // `pages`. `boxes` switches the two check boxes, whose handlers may put their own page on air
    // first.
    void PulsantePagina(int code, PageButtonHost& boxes, PageDispatcher& pages);

private:
    // The two refreshes without showing the console.
    void refreshTabs();
    void refreshButtons();
    // The category list and grid rebuilt when the race's categories differ from those shown.
    void refreshCategories();
    void fillHeatButtons(int& k);
    void fillCompetitorButtons(int& k);

    ProgramState& state_;
    ConsoleHost& host_;
    std::function<QString(qint32)> codiceTipoTurno_;
    ConsoleState view_;
};

}  // namespace razudar
