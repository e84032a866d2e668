#pragma once
// Writes the objects of a page through the graphics control, for every page builder: a text
// object's text, colour and visibility, an image's visibility, and a text object's clock stopped
// in the race's time format.
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include "app/pages/page_context.h"

namespace razudar {

void ScriviTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& testo);
void TestoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);
void ColoreTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, qint32 coloreRgbLong);
void ImmagineVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);
// Visibility of an object by its name: the names that start with "img" or "Sfondo" are images,
// the others texts.
void OggettoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);
// The format a text object's clock shows when stopped: the race's time resolution.
void FormatoArresto(PageContext& ctx, const QString& pagina, const QString& oggetto);
// The clock of a text object stopped at `valore` (milliseconds, or a signed text of them), in
// the race's time format.
void FermaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore);

}  // namespace razudar
