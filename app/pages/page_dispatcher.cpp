#include "app/pages/page_dispatcher.h"
#include "app/pages/page_load_failure.h"

#include "app/controls/grafica_proxy.h"
#include "app/pages/competitor_card.h"
#include "app/pages/element_groups.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "app/pages/parallel_board.h"
#include "app/pages/results_list.h"
#include "app/pages/running_clock.h"
#include "app/pages/running_clock_parallel.h"
#include "app/pages/start_list.h"
#include "model/run_result.h"

namespace razudar {

namespace {

const QString kPodio = QStringLiteral("Podio");
const QString kScheda = QStringLiteral("ConcorrenteScheda");
const QString kPaginaPiena = QStringLiteral("PaginaPiena");
const QString kPaginaBassa = QStringLiteral("PaginaBassa");

}  // namespace

MandaInOndaDispatcher::MandaInOndaDispatcher(PageContext& context)
    : ctx_(context), onAir_(std::make_unique<PageOnAir>(context)) {
    ctx_.onAir = onAir_.get();
}

MandaInOndaDispatcher::~MandaInOndaDispatcher() {
    if (ctx_.onAir == onAir_.get()) ctx_.onAir = nullptr;
}

bool MandaInOndaDispatcher::carica(const QString& pagina) {
    if (onAir_->CaricaPaginaInOnda(pagina, 0, false)) return true;
    SegnalaErroreCaricamentoPagina(ctx_, pagina);
    return false;
}

void MandaInOndaDispatcher::caricaEAvvia(const QString& pagina, const std::function<void()>& builder) {
    if (!carica(pagina)) return;
    if (builder) builder();
    onAir_->AvviaPaginaInOnda(pagina, QStringLiteral("!"));
}

void MandaInOndaDispatcher::paginaLibera(qint16 codice, const QString& pagina, int righe) {
    QStringList testi;
    if (!editors_ || !editors_->scegliRiga(codice, &testi)) return;
    if (!carica(pagina)) return;
    for (int i = 1; i <= righe; ++i) {
        ctx_.gra.setProprietaTesto(pagina, QStringLiteral("txtRiga%1").arg(i), controls::GraficaProxy::ogTestoProprietaTesto,
                                   i <= testi.size() ? testi[i - 1] : QString());
    }
    onAir_->AvviaPaginaInOnda(pagina, QStringLiteral("!"));
}

void MandaInOndaDispatcher::MandaInOnda(qint16 codice) {
    ProgramState& s = ctx_.state;
    if (!s.race.Krono) return;
    clsKrono& k = ctx_.krono();
    const QString& categoria = s.CategoriaSelezionata;
    // "+" pages the list on air, whichever list it is.
    if (codice == 13 || codice == 14) {
        if (onAir_->inOnda(QString::fromUtf16(kPaginaClassifica)) ||
            onAir_->inOnda(QString::fromUtf16(kPaginaClassificaBassa)))
            codice = 13;
        else if (onAir_->inOnda(QString::fromUtf16(kPaginaPartenti)))
            codice = 14;
        else
            // With no list on air there is nothing to page.
            return;
    }
    const QString tc = QString::fromUtf16(kPaginaTempoACorrere);
    const QString tcp = QString::fromUtf16(kPaginaTempoACorrereParallelo);
    switch (codice) {
    case 0:
        s.UltimoCodiceElenco = 0;
        onAir_->PulisciGrafica();
        break;
    case 1:
    case 3:
        s.PaginaElencoCorrente = 1;
        if (k.NumeroConcorrentiInClassifica(0, categoria) > 0) {
            PaginaClassifica(ctx_, s.PaginaElencoCorrente, codice == 3, categoria);
            s.UltimoCodiceElenco = codice;
        }
        break;
    case 2:
        s.PaginaElencoCorrente = 1;
        if (TurnoParallelo(ctx_)) {
            MostraTabelloneParallelo(ctx_);
        } else if (k.TotalePartenti(k.MancheSfidaCorrente(), categoria) > 0) {
            PaginaPartenti(ctx_, s.PaginaElencoCorrente, categoria);
            s.UltimoCodiceElenco = 2;
        }
        break;
    case 4:
        if (k.NumeroConcorrentiInClassifica(0, categoria) > 0)
            caricaEAvvia(kPodio, [&] { PaginaPodio(ctx_, kPodio, categoria); });
        break;
    case 5:
        if (k.ConcorrenteExists(s.ConcorrenteSelezionato))
            caricaEAvvia(kScheda, [&] { PaginaScheda(ctx_, kScheda, s.ConcorrenteSelezionato, categoria); });
        break;
    case 6:
    case 7:
    case 8:
        caricaEAvvia(kScheda, [&] { PaginaSchedaArrivo(ctx_, kScheda, qint16(codice - 5), categoria); });
        break;
    case 9:
        // A selection below 1 counts as none.
        if (s.ConcorrenteSelezionato >= 1) TempoACorrerePronto(ctx_);
        break;
    case 10:
        if (s.ClassificaTCVisibile) MostraClassificaTC(ctx_, tc, true);
        else NascondiClassificaTC(ctx_, tc);
        break;
    case 11:
        if (s.NominativoTCVisibile) MostraConcorrenteTC(ctx_, tc);
        else NascondiConcorrenteTC(ctx_, tc);
        break;
    case 12:
        TempoACorrereFermato(ctx_);
        break;
    case 13:
        PaginaClassifica(ctx_, qint16(s.PaginaElencoCorrente + 1), s.UltimoCodiceElenco == 3, categoria);
        break;
    case 14:
        PaginaPartenti(ctx_, qint16(s.PaginaElencoCorrente + 1), categoria);
        break;
    case 15:
        paginaLibera(codice, kPaginaPiena, 3);
        break;
    case 16:
        paginaLibera(codice, kPaginaBassa, 4);
        break;
    case 17:
    case 18:
    case 19:
        caricaEAvvia(QStringLiteral("PaginaLibera%1").arg(codice - 16), {});
        break;
    case 20: {
        if (s.ConcorrenteSelezionato < 1) break;
        const clsConcorrente* c = k.findConcorrente(s.ConcorrenteSelezionato);
        const clsRisultati* r = c ? c->existingResult(k.MancheSfidaCorrente()) : nullptr;
        if (r && r->OrarioPartenza() >= 1 && r->Tempo() == 0) TempoACorrereAvviato(ctx_);
        break;
    }
    case 21:
    case 22:
    case 23:
        MostraConcorrenteTC(ctx_, tc);
        MostraConcorrenteRiferimento(ctx_, tc, categoria, s.SplitMostrato);
        break;
    case 24:
        NascondiDistacco(ctx_, tc);
        NascondiConcorrenteRiferimento(ctx_, tc);
        MostraTempoManche(ctx_, tc);
        NascondiManchePrecedente(ctx_, tc);
        break;
    case 25:
        TempoParalleloPagina(ctx_);
        break;
    case 26:
        if (!k.SfidaCompletata(s.SfidaSelezionata)) TempoParalleloPartenza(ctx_);
        break;
    case 27:
        if (s.DistaccoParalleloVisibile) MostraDistacchiSfida(ctx_, tcp, s.SfidaSelezionata);
        else NascondiDistacchiSfida(ctx_, tcp);
        break;
    default:
        break;
    }
}

}  // namespace razudar
