#include "app/pages/page_writer.h"

#include "app/controls/grafica_codes.h"
#include "app/controls/grafica_proxy.h"
#include "app/pages/missing_objects.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar {

using namespace controls;

namespace {

// A write the control refused may be an object the page lacks: the build's notice names it.
void checked(PageContext& ctx, bool taken, const QString& pagina, const QString& oggetto) {
    if (!taken) noteRefusedWrite(ctx, pagina, {oggetto});
}

void proprietaTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, int proprieta,
                    const QVariant& valore) {
    checked(ctx, ctx.gra.setProprietaTesto(pagina, oggetto, proprieta, valore), pagina, oggetto);
}

void proprietaImmagine(PageContext& ctx, const QString& pagina, const QString& oggetto, int proprieta,
                       const QVariant& valore) {
    checked(ctx, ctx.gra.setProprietaImmagine(pagina, oggetto, proprieta, valore), pagina, oggetto);
}

}  // namespace

void ScriviTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& testo) {
    // A received text shows its control characters as blanks: a CR or LF in a name would
    // break its row on air in two.
    const QVariant mostrato =
        testo.typeId() == QMetaType::QString ? QVariant(blankControlCharacters(testo.toString())) : testo;
    proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaTesto, mostrato);
}

void TestoVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaVisibile, visibile);
}

void ColoreTesto(PageContext& ctx, const QString& pagina, const QString& oggetto, qint32 coloreRgbLong) {
    proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaColore, coloreRgbLong);
}

void ImmagineVisibile(PageContext& ctx, const QString& pagina, const QString& oggetto, bool visibile) {
    proprietaImmagine(ctx, pagina, oggetto, ogImmagineProprietaVisibile, visibile);
}

void ImmaginePercorso(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso) {
    proprietaImmagine(ctx, pagina, oggetto, ogImmagineProprietaPercorso, percorso);
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
    proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaTimeStopFormat, FormatoTempoRisoluzione(ctx.krono()));
}

void FermaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    FormatoArresto(ctx, pagina, oggetto);
    checked(ctx, ctx.gra.TempoACorrere(pagina, oggetto, ogTempoACorrereProprietaTimeStop, valore), pagina, oggetto);
}

void FermaOrologioConSegno(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaTimeSgn, true);
    FermaOrologio(ctx, pagina, oggetto, valore);
}

void AvviaOrologio(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore,
                   bool conSegno) {
    if (conSegno) proprietaTesto(ctx, pagina, oggetto, ogTestoProprietaTimeSgn, true);
    checked(ctx, ctx.gra.TempoACorrere(pagina, oggetto, ogTempoACorrereProprietaTimeStart, valore), pagina, oggetto);
}

void NascondiAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto) {
    checked(ctx, ctx.gra.setProprietaAnimazione(pagina, oggetto, ogAnimazioneProprietaVisibile, false), pagina, oggetto);
}

void AvviaAnimazione(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& percorso) {
    checked(ctx, ctx.gra.setProprietaAnimazione(pagina, oggetto, ogAnimazioneProprietaPercorso, percorso), pagina,
            oggetto);
    checked(ctx, ctx.gra.Animazione(pagina, oggetto, ogAnimazioneMetodoStart, QVariant()), pagina, oggetto);
}

void SpostaRighe(PageContext& ctx, const QString& pagina, int effetto, int direzione, int velocita, int rigaInizio,
                 int rigaFine, bool visibile, const QStringList& campi) {
    if (ctx.gra.SpostaRiga(effetto, pagina, direzione, velocita, rigaInizio, rigaFine, visibile, QString(), campi, true))
        return;
    // The control refuses the whole move at the first object it lacks: each of the move's
    // objects (field + row) is looked at.
    QStringList oggetti;
    for (int riga = rigaInizio; riga <= rigaFine; ++riga) {
        for (const QString& campo : campi) oggetti << campo + QString::number(riga);
    }
    noteRefusedWrite(ctx, pagina, oggetti);
}

}  // namespace razudar
