#include "app/pages/parallel_board.h"

#include "app/pages/missing_objects.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_load_failure.h"
#include "app/pages/page_writer.h"
#include "model/competitor_states.h"
#include "model/race_times.h"
#include "model/run_result.h"

namespace razudar {

namespace {

// Colour, text and visibility of a text object.
void scrivi(PageContext& ctx, const QString& p, const QString& o, const QVariant& testo, qint32 colore, bool v) {
    ColoreTesto(ctx, p, o, colore);
    ScriviTesto(ctx, p, o, testo);
    TestoVisibile(ctx, p, o, v);
}

QString cella(const char* base, int manche, int riga) {
    return QLatin1String(base) + QString::number(manche) + QLatin1Char('_') + QString::number(riga);
}

// The text of a filled time cell: the run time, or the abbreviation of the state after the run
// (another state shows nothing).
QString testoTempo(const clsKrono& k, qint16 manche, qint16 concorrente) {
    switch (k.StatoConcorrenteDopoManche(manche, concorrente)) {
    case kStatoArrivato:
        return FormattaTempo(runTime(k.findConcorrente(concorrente), manche), 12, true, true);
    case kStatoNonArrivato:
        return k.SiglaStatoNonArrivato();
    case kStatoNonPartito:
        return k.SiglaStatoNonPartito();
    case kStatoEscluso:
        return k.SiglaStatoEscluso();
    default:
        return QString();
    }
}

}  // namespace

void PulisciTabelloneParallelo(PageContext& ctx, const QString& p) {
    for (int r = 1; r <= kRigheTabelloneParallelo; ++r) {
        const QString n = QString::number(r);
        scrivi(ctx, p, QStringLiteral("txtPettorale") + n, QString(), kColoreBiancoRgbLong, false);
        ImmagineVisibile(ctx, p, QStringLiteral("imgNazionalita") + n, false);
        scrivi(ctx, p, QStringLiteral("txtNazionalita") + n, QString(), kColoreBiancoRgbLong, false);
        scrivi(ctx, p, QStringLiteral("txtNominativo") + n, QString(), kColoreBiancoRgbLong, false);
        ImmagineVisibile(ctx, p, QStringLiteral("SfondoConcorrente") + n, false);
        for (int i = 1; i <= kMancheTabelloneParallelo; ++i) {
            scrivi(ctx, p, cella("txtTempo", i, r), QString(), kColoreBiancoRgbLong, false);
            ImmagineVisibile(ctx, p, cella("SfondoTempo", i, r), false);
        }
    }
}

void MostraTabelloneParallelo(PageContext& ctx, PageOnAir& onAir) {
    const QString p = QString::fromUtf16(kPaginaTabelloneParallelo);
    if (!onAir.CaricaPaginaInOnda(p, 0, false)) {
        AvvisaPaginaNonCaricata(ctx, p);
        return;
    }
    const clsKrono& k = ctx.krono();
    const QString& categoria = ctx.state.CategoriaSelezionata;
    ScriviTesto(ctx, p, QStringLiteral("Titolo1"), k.cGara.DescrizioneGara());
    ScriviTesto(ctx, p, QStringLiteral("Titolo2"), k.cGara.DescrizioneSessione());
    ScriviTesto(ctx, p, QStringLiteral("Titolo3"), k.CategoriaItem(categoria)->Descrizione());
    PulisciTabelloneParallelo(ctx, p);
    const qint16 m = k.MancheSfidaCorrente();
    int coppie = 0;
    for (const qint16 h : k.ElencoSfide()) {
        const QList<qint16> elenco = k.ElencoConcorrentiSfida(h);
        bool mostrata = false;
        for (int j = 1; j <= elenco.size(); ++j) {
            const qint16 c = elenco[j - 1];
            const auto item = k.ConcorrenteItem(c);
            if (!item->CategoriaPresente(categoria)) continue;
            if (!mostrata) {
                mostrata = true;
                ++coppie;
            }
            const int r = 2 * (coppie - 1) + j;
            const QString n = QString::number(r);
            // The page is drawn for eight rows and two heat-runs; a board with more fills the
            // objects a page drawn with more would have, and a page without them is not at fault.
            const MissingObjects::Optional oltreLeRighe(ctx, r > kRigheTabelloneParallelo);
            const qint32 colore =
                c == k.ConcorrenteVincitoreSfidaParallelo(h) ? kColoreVerdeRgbLong : kColoreBiancoRgbLong;
            scrivi(ctx, p, QStringLiteral("txtPettorale") + n, item->PettoraleStampa(), colore, true);
            ImpostaNazionalita(ctx, p, QStringLiteral("Nazionalita") + n, item->Nazionalita());
            scrivi(ctx, p, QStringLiteral("txtNominativo") + n,
                   FormattaNominativo(ctx.state, item->Cognome(), item->Nome(), true), colore, true);
            ImmagineVisibile(ctx, p, QStringLiteral("SfondoConcorrente") + n, true);
            for (qint16 i = 1; i <= m; ++i) {
                if (!(k.SfidaCompletata(h) || k.StatoSessione() == 2 || i < m)) continue;
                const MissingObjects::Optional oltreLeManche(ctx, i > kMancheTabelloneParallelo);
                ImmagineVisibile(ctx, p, cella("SfondoTempo", i, r), true);
                scrivi(ctx, p, cella("txtTempo", i, r), testoTempo(k, i, c), colore, true);
            }
        }
    }
    onAir.AvviaPaginaInOnda(p, QStringLiteral("!"));
}

}  // namespace razudar
