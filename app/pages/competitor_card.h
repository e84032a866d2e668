#pragma once
// The competitor card ("ConcorrenteScheda") and the podium ("Podio"): pages the dispatcher has
// loaded and starts afterwards; these builders only write their objects.
#include <QString>

#include "app/pages/page_context.h"

namespace razudar {

// Card of one competitor (page code 5).
void PaginaScheda(PageContext& ctx, const QString& pagina, qint16 concorrente, const QString& categoria);
// Card of the competitor in place 1, 2 or 3 with the word of its place (page codes 6 to 8).
void PaginaSchedaArrivo(PageContext& ctx, const QString& pagina, qint16 posizione, const QString& categoria);
// Podium of the first three (page code 4).
void PaginaPodio(PageContext& ctx, const QString& pagina, const QString& categoria);

}  // namespace razudar
