#include "app/pages/results_list.h"

#include "app/pages/element_groups.h"
#include "app/pages/list_paging.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "model/competitor_states.h"
#include "model/race_times.h"

namespace razudar {

namespace {

// A packed time as the lists show it: 12 wide, cut to the race's resolution.
QString testoTempo(const clsKrono& k, qint64 packed, bool trim) {
    return ConvertiRisoluzione(true, FormattaTempo(packed, 12, trim, false), k.cGara.Risoluzione()).toString();
}

// The competitor a row of the list shows: ranked at that position and arrived in the run; -1 for
// an empty row.
int concorrenteRiga(const PageContext& ctx, int posizione, const QString& categoria) {
    const clsKrono& k = ctx.krono();
    if (!RigaDisponibile(ctx, posizione, kElencoClassifica, categoria)) return -1;
    const int c = k.ConcorrenteInPosizione(0, posizione, categoria);
    if (c == -1 || k.StatoConcorrenteDopoManche(k.MancheSfidaCorrente(), qint16(c)) != kStatoArrivato) return -1;
    return c;
}

}  // namespace

QStringList CampiRigaClassifica() {
    return {QStringLiteral("imgPosizione"),   QStringLiteral("txtPosizione"),  QStringLiteral("imgNazionalita"),
            QStringLiteral("txtNazionalita"), QStringLiteral("txtNominativo"), QStringLiteral("txtRisultato")};
}

void PaginaClassifica(PageContext& ctx, PageOnAir& onAir, qint16 schermo, bool bassa, const QString& categoria) {
    ElencoPagina e;
    e.pagina = QString::fromUtf16(bassa ? kPaginaClassificaBassa : kPaginaClassifica);
    e.righe = bassa ? ctx.state.resources.RigheClassificaBassa : ctx.state.resources.RigheClassifica;
    e.campi = CampiRigaClassifica();
    e.tipo = kElencoClassifica;
    e.categoria = categoria;
    const QString pagina = e.pagina;
    e.scriviTitoli = [&ctx, pagina, categoria] {
        const clsKrono& k = ctx.krono();
        ScriviImmaginiGara(ctx, pagina);
        const QString descrizione = k.CategoriaItem(categoria)->Descrizione();
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo1"), k.cGara.DescrizioneGara());
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo2"),
                    QStringLiteral("CLASSIFICA") + (descrizione.isEmpty() ? QString() : QStringLiteral(" ")) +
                        descrizione);
        ScriviTesto(ctx, pagina, QStringLiteral("txtTitolo3"), k.cGara.DescrizioneSessione());
    };
    // With a result option other than time or gap a row keeps the result of the row before.
    QString risultato;
    e.scriviRiga = [&ctx, pagina, categoria, &risultato](int r, int p) {
        const clsKrono& k = ctx.krono();
        const qint16 m = k.MancheSfidaCorrente();
        const int c = concorrenteRiga(ctx, p, categoria);
        QString posizione, nominativo, nazione;
        if (c != -1) {
            const auto item = k.ConcorrenteItem(qint16(c));
            posizione = QString::number(p);
            nominativo = FormattaNominativo(ctx.state, item->Cognome(), item->Nome(), false);
            nazione = item->Nazionalita();
            const QString tempo = testoTempo(k, k.TempoTotaleConcorrente(m, qint16(c)), false);
            const int leader = k.ConcorrenteInPosizione(0, 1, ctx.state.CategoriaSelezionata);
            const QString distacco =
                QStringLiteral("+") + testoTempo(k, k.DistaccoTraConcorrenti(0, m, qint16(c), qint16(leader)), true);
            if (ctx.state.OpzioneRisultato == 0) risultato = tempo;
            else if (ctx.state.OpzioneRisultato == 1) risultato = p == 1 ? tempo : distacco;
        } else {
            risultato.clear();
        }
        const QString n = QString::number(r);
        ScriviTesto(ctx, pagina, QStringLiteral("txtPosizione") + n, posizione);
        ImpostaNazionalita(ctx, pagina, QStringLiteral("Nazionalita") + n, nazione);
        ScriviTesto(ctx, pagina, QStringLiteral("txtNominativo") + n, nominativo);
        ScriviTesto(ctx, pagina, QStringLiteral("txtRisultato") + n, risultato);
    };
    e.rigaPiena = [&ctx, categoria](int p) { return concorrenteRiga(ctx, p, categoria) != -1; };
    PaginaElenco(ctx, onAir, schermo, e);
}

}  // namespace razudar
