#pragma once
// The standings pages of the current run: "Classifica" (full page) and "ClassificaBassa" (lower
// third), one screen of ranked competitors of a category at a time.
#include <QString>

#include "app/pages/page_codes.h"
#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

// The six base names of a results row, the field list of its moves.
QStringList CampiRigaClassifica();

void PaginaClassifica(PageContext& ctx, PageOnAir& onAir, qint16 schermo, bool bassa, const QString& categoria);

}  // namespace razudar
