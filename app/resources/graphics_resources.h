#pragma once
// The graphics resources fixed at start-up (graphics folders, page definitions, rows per screen
// of the list pages), the local time of day in the packed race-time form, and the three small
// operations over the graphics control: VGA preview, TV output and row counting.
#include <QString>
#include <QtGlobal>

namespace razudar {

class Clock;
class Prompter;
struct ProgramState;
namespace controls {
class GraficaProxy;
}

inline constexpr char16_t kNomeCartellaGrafica[] = u"Razudar";

// Sets the six graphics folders under the Server-mode base folder `cartellaBaseServer` (also in
// Client mode: the graphics are always local), has the control list the page definition files
// of the graphics folder, and counts the rows of "Classifica", "ClassificaBassa" and "Partenti".
// False, with the row counts untouched, when the folder holds no page definition.
bool CaricaRisorseGrafiche(ProgramState& state, controls::GraficaProxy& gra, Prompter& prompter,
                           const QString& cartellaBaseServer);

// Loads the page on plane 0, counts the objects base name + 1, 2, ... up to the first missing
// one, and takes the page off again. A page that cannot be loaded shows "CaricaPagina " + page
// and gives 0. The program always passes simple = true and an empty prefix.
qint16 ContaRighePagina(controls::GraficaProxy& gra, Prompter& prompter, const QString& pagina,
                        const QString& prefisso, const QString& nomeBase, bool semplice);

// The local time of day as hhmmssttt (09:05:07.250 gives 90507250).
qint32 OrarioAttuale(const Clock& clock);

// What the VGA preview switch needs of the preview window.
class PreviewWindowHost {
public:
    virtual ~PreviewWindowHost() = default;
    virtual void setControlVisible(bool visible) = 0;
    virtual void showPreview() = 0;
    virtual void hidePreview() = 0;
};

// Switches the control's preview mode; the control and the window are shown exactly when the
// control then reports VGA on. The window is only hidden, never released.
void AttivaAnteprimaVGA(bool on, controls::GraficaProxy& gra, PreviewWindowHost& window);
// Switches the video board's output.
void AttivaUscitaTV(bool on, controls::GraficaProxy& gra);

}  // namespace razudar
