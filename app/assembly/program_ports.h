#pragma once
// The ports the program's units hand to the widgets: each widget gets the few units it uses,
// all of them built before it is given them.
class QObject;

namespace razudar {

class ConsoleRefresh;
class DatabaseFaults;
class MenuCommands;
class PageDispatcher;
namespace controls {
class StovakProxy;
}  // namespace controls

// The sponsor clips of the page-on-air layer; nothing plays before the graphics control exists.
class SponsorClips {
public:
    virtual ~SponsorClips() = default;
    virtual void AlternaSponsor(int slot) = 0;
};

// The controls the units are built over, created from their plug-ins.
struct ProgramControls {
    QObject* link;
    QObject* list;
};

// What the console panel uses: the console unit, the fault reporting of its handlers, where its
// page requests go, the list control the preview is written to, and the sponsor clips.
struct ConsolePorts {
    ConsoleRefresh& console;
    DatabaseFaults& faults;
    PageDispatcher& pages;
    controls::StovakProxy& list;
    SponsorClips& sponsors;
};

// What the menu bar uses: the menu commands and the fault reporting of each command.
struct MenuPorts {
    MenuCommands& commands;
    DatabaseFaults& faults;
};

}  // namespace razudar
