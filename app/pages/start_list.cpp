#include "app/pages/start_list.h"

#include "app/controls/grafica_proxy.h"
#include "app/pages/element_groups.h"
#include "app/pages/list_paging.h"
#include "app/pages/page_formats.h"
#include "model/race_times.h"
#include "model/competitor_states.h"

namespace razudar {

namespace {

using Gra = controls::GraficaProxy;

void testo(PageContext& ctx, const QString& pagina, const QString& oggetto, const QVariant& valore) {
    ctx.gra.setProprietaTesto(pagina, oggetto, Gra::ogTestoProprietaTesto, valore);
}

}  // namespace

QStringList CampiRigaPartenti() {
    return {QStringLiteral("imgPosizione"),  QStringLiteral("txtPosizione"), QStringLiteral("imgNazionalita"),
            QStringLiteral("txtNazionalita"), QStringLiteral("txtNominativo"), QStringLiteral("txtSocieta"),
            QStringLiteral("txtPettorale")};
}

void PaginaPartenti(PageContext& ctx, qint16 schermo, const QString& categoria) {
    ElencoPagina e;
    e.pagina = QString::fromUtf16(kPaginaPartenti);
    e.righe = ctx.state.resources.RighePartenti;
    e.campi = CampiRigaPartenti();
    e.tipo = kElencoPartenti;
    e.categoria = categoria;
    const QString pagina = e.pagina;
    e.scriviTitoli = [&ctx, pagina, categoria] {
        const clsKrono& k = ctx.krono();
        ScriviImmaginiGara(ctx, pagina);
        const QString partenti = ctx.testoLingua ? ctx.testoLingua(QStringLiteral("li_Partenti")) : QString();
        testo(ctx, pagina, QStringLiteral("txtTitolo1"), k.cGara.DescrizioneGara());
        testo(ctx, pagina, QStringLiteral("txtTitolo2"), partenti + QLatin1Char(' ') + k.cGara.DescrizioneSessione());
        testo(ctx, pagina, QStringLiteral("txtTitolo3"), k.CategoriaItem(categoria)->Descrizione());
    };
    e.scriviRiga = [&ctx, pagina, categoria](int r, int p) {
        const clsKrono& k = ctx.krono();
        QString posizione, pettorale, nominativo, nazione, societa;
        // Every competitor of the start order shows, whatever his state.
        if (RigaDisponibile(ctx, p, kElencoPartenti, categoria)) {
            const int c = k.ConcorrentePartenteInPosizione(k.MancheSfidaCorrente(), p, categoria);
            const auto item = k.ConcorrenteItem(qint16(c));
            posizione = QString::number(p);
            pettorale = QString::number(item->PettoraleStampa());
            nominativo = FormattaNominativo(ctx.state, item->Cognome(), item->Nome(), true);
            nazione = item->Nazionalita();
            societa = item->SocietaDescrizione().trimmed();
        }
        const QString n = QString::number(r);
        testo(ctx, pagina, QStringLiteral("txtPosizione") + n, posizione);
        testo(ctx, pagina, QStringLiteral("txtPettorale") + n, pettorale);
        ImpostaNazionalita(ctx, pagina, QStringLiteral("Nazionalita") + n, nazione);
        testo(ctx, pagina, QStringLiteral("txtNominativo") + n, nominativo);
        testo(ctx, pagina, QStringLiteral("txtSocieta") + n, societa);
    };
    PaginaElenco(ctx, schermo, e);
}

void MostraClassificaTC(PageContext& ctx, const QString& pagina, bool primiTre) {
    clsKrono& k = ctx.krono();
    const QString& categoria = ctx.state.CategoriaSelezionata;
    ctx.state.ClassificaTCVisibile = true;
    const int p = primiTre ? 1 : k.PosizioneInClassifica(0, ctx.state.ConcorrenteSelezionato, categoria);
    const int primo = p == 1 ? 1 : p - 1;
    const int ultimo = p == 1 ? 3 : p + 1;
    ctx.gra.setProprietaImmagine(pagina, QStringLiteral("SfondoClassifica"), ogImmagineProprietaVisibile, true);
    const qint16 m = k.MancheSfidaCorrente();
    for (int posizione = primo; posizione <= ultimo; ++posizione) {
        const int c = k.ConcorrenteInPosizione(0, posizione, categoria);
        // A place without an arrived competitor keeps what its row showed before.
        if (c == -1 || k.StatoConcorrenteDopoManche(m, qint16(c)) != kStatoArrivato) continue;
        const auto item = k.ConcorrenteItem(qint16(c));
        const QString n = QString::number(posizione - primo + 1);
        const QString risultato = QStringLiteral("txtRisultato") + n;
        testo(ctx, pagina, QStringLiteral("txtPosizione") + n, posizione);
        testo(ctx, pagina, QStringLiteral("txtNominativo") + n, FormattaNominativo(ctx.state, item->Cognome(), item->Nome(), true));
        ctx.gra.setProprietaTesto(pagina, risultato, Gra::ogTestoProprietaTimeStopFormat, FormatoTempoRisoluzione(k));
        ctx.gra.TempoACorrere(pagina, risultato, Gra::ogTempoACorrereProprietaTimeStop,
                              TempoInMillesimi(k.TempoTotaleConcorrente(m, qint16(c))));
        ctx.gra.setProprietaTesto(pagina, QStringLiteral("txtPosizione") + n, Gra::ogTestoProprietaVisibile, true);
        ImpostaNazionalita(ctx, pagina, QStringLiteral("Nazionalita") + n, item->Nazionalita());
        ctx.gra.setProprietaTesto(pagina, QStringLiteral("txtNominativo") + n, Gra::ogTestoProprietaVisibile, true);
        ctx.gra.setProprietaTesto(pagina, risultato, Gra::ogTestoProprietaVisibile, true);
    }
}

}  // namespace razudar
