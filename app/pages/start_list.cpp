#include "app/pages/start_list.h"

#include "app/pages/element_groups.h"
#include "app/pages/list_paging.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "model/competitor_states.h"
#include "model/race_times.h"

namespace razudar {

QStringList CampiRigaPartenti() {
    return {QStringLiteral("imgPosizione"),  QStringLiteral("txtPosizione"), QStringLiteral("imgNazionalita"),
            QStringLiteral("txtNazionalita"), QStringLiteral("txtNominativo"), QStringLiteral("txtSocieta"),
            QStringLiteral("txtPettorale")};
}

void PaginaPartenti(PageContext& ctx, PageOnAir& onAir, qint16 schermo, const QString& categoria) {
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
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo1"), k.cGara.DescrizioneGara());
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo2"),
                    partenti + QLatin1Char(' ') + k.cGara.DescrizioneSessione());
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo3"), k.CategoriaItem(categoria)->Descrizione());
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
        ScriviTesto(ctx, pagina, QStringLiteral("txtPosizione") + n, posizione);
        ScriviTesto(ctx, pagina, QStringLiteral("txtPettorale") + n, pettorale);
        ImpostaNazionalita(ctx, pagina, QStringLiteral("Nazionalita") + n, nazione);
        ScriviTesto(ctx, pagina, QStringLiteral("txtNominativo") + n, nominativo);
        ScriviTesto(ctx, pagina, QStringLiteral("txtSocieta") + n, societa);
    };
    PaginaElenco(ctx, onAir, schermo, e);
}

void MostraClassificaTC(PageContext& ctx, const QString& pagina, bool primiTre) {
    clsKrono& k = ctx.krono();
    const QString& categoria = ctx.state.CategoriaSelezionata;
    ctx.state.ClassificaTCVisibile = true;
    const int p = primiTre ? 1 : k.PosizioneInClassifica(0, ctx.state.ConcorrenteSelezionato, categoria);
    const int primo = p == 1 ? 1 : p - 1;
    const int ultimo = p == 1 ? 3 : p + 1;
    ImmagineVisibile(ctx, pagina, QStringLiteral("SfondoClassifica"), true);
    const qint16 m = k.MancheSfidaCorrente();
    for (int posizione = primo; posizione <= ultimo; ++posizione) {
        const int c = k.ConcorrenteInPosizione(0, posizione, categoria);
        // A place without an arrived competitor keeps what its row showed before.
        if (c == -1 || k.StatoConcorrenteDopoManche(m, qint16(c)) != kStatoArrivato) continue;
        const auto item = k.ConcorrenteItem(qint16(c));
        const QString n = QString::number(posizione - primo + 1);
        const QString risultato = QStringLiteral("txtRisultato") + n;
        ScriviTesto(ctx, pagina, QStringLiteral("txtPosizione") + n, posizione);
        ScriviTesto(ctx, pagina, QStringLiteral("txtNominativo") + n,
                    FormattaNominativo(ctx.state, item->Cognome(), item->Nome(), true));
        FermaOrologio(ctx, pagina, risultato, TempoInMillesimi(k.TempoTotaleConcorrente(m, qint16(c))));
        TestoVisibile(ctx, pagina, QStringLiteral("txtPosizione") + n, true);
        ImpostaNazionalita(ctx, pagina, QStringLiteral("Nazionalita") + n, item->Nazionalita());
        TestoVisibile(ctx, pagina, QStringLiteral("txtNominativo") + n, true);
        TestoVisibile(ctx, pagina, risultato, true);
    }
}

}  // namespace razudar
