#pragma once
// The half of the program's units that lives over the preview window's graphics control: the page
// context, the program's page dispatcher with its page-on-air layer, and the free-text editors.
// It is built when the graphics control is loaded, so none of it is ever asked for before.
#include <memory>

#include "platform/services/services.h"

class QWidget;

namespace razudar {

struct ProgramState;
struct PageContext;
class ConsoleUpdates;
class DatabaseFaults;
class FreeTextEditorWindows;
class MandaInOndaDispatcher;
class OnAirHost;
class SponsorLights;
class SessionValues;
namespace controls {
class GraficaProxy;
}  // namespace controls

class ProgramGraphics {
public:
    // The free-text editors open over `editorOwner`; a failed read is reported through `faults`
    // and the page shows without it.
    ProgramGraphics(ProgramState& state, const Services& services, DatabaseFaults& faults, SessionValues& sessionValues,
                    ConsoleUpdates& console, controls::GraficaProxy& grafica, OnAirHost& host, SponsorLights& sponsors,
                    QWidget* editorOwner);
    ~ProgramGraphics();
    ProgramGraphics(const ProgramGraphics&) = delete;
    ProgramGraphics& operator=(const ProgramGraphics&) = delete;

    // The program's page dispatcher and its page-on-air layer.
    MandaInOndaDispatcher& pages() { return *pages_; }

private:
    std::unique_ptr<PageContext> context_;
    std::unique_ptr<MandaInOndaDispatcher> pages_;
    std::unique_ptr<FreeTextEditorWindows> freeTextEditors_;
};

}  // namespace razudar
