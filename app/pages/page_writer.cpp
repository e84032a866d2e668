#include "app/pages/page_writer.h"

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_formats.h"

namespace razudar {

using Gra = controls::GraficaProxy;

void ScriviTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& testo) {
    ctx.gra.setProprietaTesto(pagina, oggetto, Gra::ogTestoProprietaTesto, testo);
}

void TestoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    ctx.gra.setProprietaTesto(pagina, oggetto, Gra::ogTestoProprietaVisibile, visibile);
}

void ColoreTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, qint32 coloreRgbLong) {
    ctx.gra.setProprietaTesto(pagina, oggetto, Gra::ogTestoProprietaColore, coloreRgbLong);
}

void ImmagineVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    ctx.gra.setProprietaImmagine(pagina, oggetto, ogImmagineProprietaVisibile, visibile);
}

void OggettoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    if (oggetto.startsWith(QLatin1String("img")) || oggetto.startsWith(QLatin1String("Sfondo")))
        ImmagineVisibile(ctx, pagina, oggetto, visibile);
    else
        TestoVisibile(ctx, pagina, oggetto, visibile);
}

void FormatoArresto(PageContext& ctx, const QString& pagina, const QString& oggetto) {
    ctx.gra.setProprietaTesto(pagina, oggetto, Gra::ogTestoProprietaTimeStopFormat,
                              FormatoTempoRisoluzione(ctx.krono()));
}

void FermaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    FormatoArresto(ctx, pagina, oggetto);
    ctx.gra.TempoACorrere(pagina, oggetto, Gra::ogTempoACorrereProprietaTimeStop, valore);
}

}  // namespace razudar
