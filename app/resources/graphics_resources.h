#pragma once
// The graphics resources fixed at start-up: the graphics folders, the page definitions and the
// rows per screen of the list pages, counted on the graphics control.
#include <QString>
#include <QtGlobal>

namespace razudar {

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

}  // namespace razudar
