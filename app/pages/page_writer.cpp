#include "app/pages/page_writer.h"

#include "app/controls/grafica_codes.h"
#include "app/controls/grafica_proxy.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar {

using namespace controls;

void ScriviTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& testo) {
    // A received text shows its control characters as blanks: a CR or LF in a name would
    // break its row on air in two.
    const QVariant mostrato =
        testo.typeId() == QMetaType::QString ? QVariant(blankControlCharacters(testo.toString())) : testo;
    ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaTesto, mostrato);
}

void TestoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaVisibile, visibile);
}

void ColoreTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, qint32 coloreRgbLong) {
    ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaColore, coloreRgbLong);
}

void ImmagineVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    ctx.gra.setProprietaImmagine(pagina, oggetto, ogImmagineProprietaVisibile, visibile);
}

void ImmaginePercorso(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso) {
    ctx.gra.setProprietaImmagine(pagina, oggetto, ogImmagineProprietaPercorso, percorso);
}

void OggettoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    if (oggetto.startsWith(QLatin1String("img")) || oggetto.startsWith(QLatin1String("Sfondo")))
        ImmagineVisibile(ctx, pagina, oggetto, visibile);
    else
        TestoVisibile(ctx, pagina, oggetto, visibile);
}

void ImmagineSpecialita(PageContext& ctx, const QString& pagina) {
    ImmaginePercorso(ctx, pagina, QStringLiteral("imgSpecialita"),
                     ctx.state.resources.CartellaSpecialita + ctx.krono().cGara.DisciplinaCodice() +
                         QStringLiteral(".tga"));
}

void ImpostaNazionalita(PageContext& ctx, const QString& pagina, const QString& base, const QString& codice) {
    const QString txt = QStringLiteral("txt") + base;
    const QString img = QStringLiteral("img") + base;
    const QString mini = QStringLiteral("imgMini") + base;
    const auto codiceTesto = [&] {
        TestoVisibile(ctx, pagina, txt, true);
        ScriviTesto(ctx, pagina, txt, basic::UCase(codice));
    };
    const auto bandiere = [&] {
        const QString prefisso =
            TipiGraficaPagine(QStringLiteral("gp_PrefissoBandiere"), *ctx.services.prompter).toString();
        const bool presente = !codice.isEmpty();
        const GraphicsResources& r = ctx.state.resources;
        ImmagineVisibile(ctx, pagina, img, presente);
        ImmaginePercorso(ctx, pagina, img, r.CartellaNazionalita + prefisso + codice + QStringLiteral(".tga"));
        ImmagineVisibile(ctx, pagina, mini, presente);
        ImmaginePercorso(ctx, pagina, mini, r.CartellaMiniature + prefisso + codice + QStringLiteral(".tga"));
    };
    switch (ctx.state.OpzioneNazionalita) {
    case 0:  // the code only
        ImmagineVisibile(ctx, pagina, img, false);
        codiceTesto();
        break;
    case 1:  // the flags only
        TestoVisibile(ctx, pagina, txt, false);
        bandiere();
        break;
    case 2:  // no nation
        ImmagineVisibile(ctx, pagina, img, false);
        TestoVisibile(ctx, pagina, txt, false);
        break;
    case 3:  // code and flags
        codiceTesto();
        bandiere();
        break;
    default:
        break;
    }
}

void FormatoArresto(PageContext& ctx, const QString& pagina, const QString& oggetto) {
    ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaTimeStopFormat, FormatoTempoRisoluzione(ctx.krono()));
}

void FermaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    FormatoArresto(ctx, pagina, oggetto);
    ctx.gra.TempoACorrere(pagina, oggetto, ogTempoACorrereProprietaTimeStop, valore);
}

void FermaOrologioConSegno(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaTimeSgn, true);
    FermaOrologio(ctx, pagina, oggetto, valore);
}

void AvviaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore,
                   bool conSegno) {
    if (conSegno) ctx.gra.setProprietaTesto(pagina, oggetto, ogTestoProprietaTimeSgn, true);
    ctx.gra.TempoACorrere(pagina, oggetto, ogTempoACorrereProprietaTimeStart, valore);
}

void NascondiAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto) {
    ctx.gra.setProprietaAnimazione(pagina, oggetto, ogAnimazioneProprietaVisibile, false);
}

void AvviaAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso) {
    ctx.gra.setProprietaAnimazione(pagina, oggetto, ogAnimazioneProprietaPercorso, percorso);
    ctx.gra.Animazione(pagina, oggetto, ogAnimazioneMetodoStart, QVariant());
}

void SpostaRighe(PageContext& ctx, const QString& pagina, int effetto, int direzione, int velocita, int rigaInizio,
                 int rigaFine, bool visibile, const QStringList& campi) {
    ctx.gra.SpostaRiga(effetto, pagina, direzione, velocita, rigaInizio, rigaFine, visibile, QString(), campi, true);
}

}  // namespace razudar
