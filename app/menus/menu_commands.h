#pragma once
// The commands of the main window's menu bar: the three display options stored in the
// configuration, the classification switch of the running-clock page, the rebuild of the race
// state (over the link when it is up, from the database otherwise) and the choice of the race
// session. The window shows the menus and forwards their clicks here; the commands refresh the
// console and use the link control themselves, and what they need of the window goes through
// MenuHost.
#include <QString>

#include <functional>

#include "data/configuration.h"
#include "data/database_fault_text.h"

namespace razudar {

struct ProgramState;
struct Services;
class ConsoleUpdates;
namespace controls {
class LinkControl;
}

// Items of each option group.
int numeroVociGruppo(GruppoOpzioni gruppo);

class MenuHost {
public:
    virtual ~MenuHost() = default;
    virtual void setOptionChecked(GruppoOpzioni gruppo, int index, bool checked) = 0;
    // Shows the session window modally; true when the operator confirmed a session.
    virtual bool scegliSessione() = 0;
};

class MenuCommands {
public:
    MenuCommands(ProgramState& state, const Services& services, ConsoleUpdates& console, controls::LinkControl& link,
                 MenuHost& host);

    // How a database failure of a command reaches the operator (the step and the error); without
    // one, a message box.
    void setFaultReporter(DatabaseFaultReporter reporter) { reportFault_ = std::move(reporter); }
    // Runs when a race state built from the database has replaced the race: the session is set.
    void setSessionSetHook(std::function<void()> hook) { sessionSet_ = std::move(hook); }

    // An option item chosen: checked alone in its group, stored, and the option globals reloaded.
    void mnuOpzione_Click(GruppoOpzioni gruppo, int Index);
    // Unchecks every item of the group but `indice`; -1 changes nothing.
    void DeselezionaOpzioni(GruppoOpzioni gruppo, int indice);
    // "&Classifica su Tempo a Correre" switched: whether the running-clock page at the finish
    // shows the small classification.
    void mnuClassificaTempoCorrere_Click(bool checked);
    // "&Rielabora Tempo Reale".
    void mnuRielabora_Click();
    // "&Selezione Manche": true when a session was chosen and built.
    bool mnuSelezioneManche_Click();
    // Builds the race state of the active session from the database and refreshes the console;
    // false (after telling the operator) when the load failed and the race state was kept.
    bool rielaboraDaDatabase();

private:
    ProgramState& state_;
    const Services& services_;
    ConsoleUpdates& console_;
    controls::LinkControl& link_;
    MenuHost& host_;
    DatabaseFaultReporter reportFault_;
    std::function<void()> sessionSet_;

    void tell(const QString& azione, const db::DbError& e);
};

}  // namespace razudar
