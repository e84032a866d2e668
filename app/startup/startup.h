#pragma once
// The main window's start-up, first paint, race change, display options and shutdown, apart
// from the window's widgets: the window supplies what the sequence needs of it through
// StartupWindow and reflects what it sets.
#include <QString>
#include <QtGlobal>

#include <functional>

#include "data/configuration.h"
#include "platform/services/services.h"

namespace razudar {

struct ProgramState;
class CurrentFolder;
namespace controls {
class GraficaProxy;
class TcpProxy;
}

// The application title the program runs under, "Razudar (Zez)", without the version.
QString TitoloApplicazione();
// The application title, a blank and the program version (the main window's caption).
QString TitoloProgramma();

// What the start-up needs of the main window.
class StartupWindow {
public:
    virtual ~StartupWindow() = default;
    virtual void setCaption(const QString& caption) = 0;
    // Status bar panels "Database", "Computer" and "NomePagina".
    virtual void setStatusPanel(const QString& key, const QString& text) = 0;
    // Shows the mode dialog modally; false when the operator closed it or pressed "&Esci".
    virtual bool showModeDialog() = 0;
    // Loads the graphics preview window with its graphics control; null when the control
    // cannot be created (the reason in `error`).
    virtual controls::GraficaProxy* loadPreviewWindow(QString* error) = 0;
};

// The load of the main window: mode dialog, database path and folders, database and its version,
// active session and current race, preview window and graphics control, page definitions, display
// options, in that order. False when the program must end: the operator has been told why (or
// closed the mode dialog).
bool AvvioProgramma(ProgramState& state, const Services& services, CurrentFolder& currentFolder,
                    StartupWindow& window);

// Makes a race current: SessioneGara = the race when it exists in Gare and is 1 or more,
// otherwise -1 (and the caller shows "Nessuna Manifestazione Attiva"). True when a race is current.
bool CambioGara(ProgramState& state, qint16 gara);
// The caption without a race: title, " - " and "Nessuna Manifestazione Attiva".
QString TitoloSenzaGara();

// Reads the three display options of the configuration (Null or missing reads 0); no row keeps them.
void CaricaOpzioniGrafica(ProgramState& state);

// What the first paint takes from the configuration.
FirstPaintSettings LeggiImpostazioniPrimoDisegno(const ProgramState& state);

// The close request: true when the program may end. Without bChiudiSenzaConferma it asks
// "Uscire dal Programma?"; on Yes it disconnects the link when connected, clears its server
// name and unloads the preview window (`unloadPreview`).
bool RichiestaChiusura(ProgramState& state, Prompter& prompter, controls::TcpProxy& link,
                       const std::function<void()>& unloadPreview);

}  // namespace razudar
