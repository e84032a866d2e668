#pragma once
// The start list page "Partenti", one screen at a time like the results lists, and the three
// standing rows of the running-clock page.
#include <QString>

#include "app/pages/page_codes.h"
#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

// The seven base names of a start-list row, the field list of its moves.
QStringList CampiRigaPartenti();

void PaginaPartenti(PageContext& ctx, PageOnAir& onAir, qint16 schermo, const QString& categoria);
// The small classification of the running-clock page: the top three, or the selected
// competitor's place with the places around it, with their stopped times.
void MostraClassificaTC(PageContext& ctx, const QString& pagina, bool primiTre);

}  // namespace razudar
