#pragma once
// A page the graphics control could not load: the operator sees "Errore durante il caricamento
// della pagina: <name>"; the log keeps the control's own reason (the file and what was wrong
// in it) so that a page designer can find the fault.
#include <QString>

namespace razudar {

struct PageContext;

void SegnalaErroreCaricamentoPagina(PageContext& ctx, const QString& pagina);

}  // namespace razudar
