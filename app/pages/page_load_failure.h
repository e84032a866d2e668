#pragma once
// A page the graphics control could not load: the operator sees "Errore durante il caricamento
// della pagina: <name>"; the log keeps the control's own reason (the file and what was wrong
// in it) so that a page designer can find the fault.
#include <QString>

namespace razudar {

struct PageContext;

void SegnalaErroreCaricamentoPagina(PageContext& ctx, const QString& pagina);

// The same notice with the control's reason in the log, and "Pagina <name> non caricata: " with
// the reason on the status bar; no box: the list
// and board pages clear the air before they load, and no box may stand between the operator
// and the next page while the air is black.
void AvvisaPaginaNonCaricata(PageContext& ctx, const QString& pagina);

// The control loaded `pagina`: a notice that it could not be loaded is taken down.
void pageLoaded(PageContext& ctx, const QString& pagina);

}  // namespace razudar
