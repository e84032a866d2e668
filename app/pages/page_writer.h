#pragma once
// The one writer of a page's objects through the graphics control, for every page builder and the
// on-air layer: a text object's text, colour and visibility, an image's file and visibility, the
// speciality and nation images, a text object's clock, the sponsor clip and the row moves of a
// list. The builders say what a page shows; only this file says how the control is told. A write
// the control refuses on the page on air may be an object the page lacks: missing_objects.h
// collects it for the build's notice.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include "app/pages/page_context.h"

namespace razudar {

void ScriviTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& testo);
void TestoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);
void ColoreTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, qint32 coloreRgbLong);
void ImmagineVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);
void ImmaginePercorso(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso);
// Visibility of an object by its name: the names that start with "img" or "Sfondo" are images,
// the others texts.
void OggettoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile);

// The image "imgSpecialita": the active race's discipline, from the speciality folder.
void ImmagineSpecialita(PageContext& ctx, const QString& pagina);
// A competitor's nation on the objects "txt" + base (the code), "img" + base (the flag) and
// "imgMini" + base (the small flag), as the nation display option asks; "" hides the flags.
void ImpostaNazionalita(PageContext& ctx, const QString& pagina, const QString& base, const QString& codice);

// The format a text object's clock shows when stopped: the race's time resolution.
void FormatoArresto(PageContext& ctx, const QString& pagina, const QString& oggetto);
// The clock of a text object stopped at `valore` (milliseconds, or a signed text of them), in
// the race's time format.
void FermaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore);
// The same, for a gap: the clock shows its sign.
void FermaOrologioConSegno(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore);
// The clock of a text object running from `valore` (milliseconds); with `conSegno` it shows its sign.
void AvviaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore,
                   bool conSegno = false);

// The sponsor clip of a page: hidden, or playing the file `percorso`.
void NascondiAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto);
void AvviaAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso);

// Moves the rows rigaInizio .. rigaFine of a list page (their objects prefix + field + row) in or
// out with the list's effect, direction and speed.
void SpostaRighe(PageContext& ctx, const QString& pagina, int effetto, int direzione, int velocita, int rigaInizio,
                 int rigaFine, bool visibile, const QStringList& campi);

}  // namespace razudar
