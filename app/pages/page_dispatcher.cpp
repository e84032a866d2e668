#include "app/pages/page_dispatcher.h"
#include "app/pages/page_load_failure.h"

#include "app/pages/competitor_card.h"
#include "app/pages/element_groups.h"
#include "app/pages/on_air.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "app/pages/parallel_board.h"
#include "app/pages/results_list.h"
#include "app/pages/running_clock.h"
#include "app/pages/running_clock_parallel.h"
#include "app/pages/start_list.h"
#include "model/run_result.h"

namespace razudar {

MandaInOndaDispatcher::MandaInOndaDispatcher(PageContext& context)
    : ctx_(context), onAir_(std::make_unique<PageOnAir>(context)) {}

MandaInOndaDispatcher::~MandaInOndaDispatcher() = default;

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
        ScriviTesto(ctx_, pagina, QStringLiteral("txtRiga%1").arg(i), i <= testi.size() ? testi[i - 1] : QString());
    }
    onAir_->AvviaPaginaInOnda(pagina, QStringLiteral("!"));
}

void MandaInOndaDispatcher::MandaInOnda(qint16 codice) {
    // The objects this build finds missing from its page are told once, when it ends.
    const MissingObjects::Build build(ctx_);
    ProgramState& s = ctx_.state;
    if (!s.race.Krono) return;
    clsKrono& k = ctx_.krono();
    const QString& categoria = s.CategoriaSelezionata;
    // "+" pages the list on air, whichever list it is.
    if (codice == kCodiceSeguenteClassifica || codice == kCodiceSeguentePartenti) {
        if (onAir_->inOnda(QString::fromUtf16(kPaginaClassifica)) ||
            onAir_->inOnda(QString::fromUtf16(kPaginaClassificaBassa)))
            codice = kCodiceSeguenteClassifica;
        else if (onAir_->inOnda(QString::fromUtf16(kPaginaPartenti)))
            codice = kCodiceSeguentePartenti;
        else
            // With no list on air there is nothing to page.
            return;
    }
    const QString tc = QString::fromUtf16(kPaginaTempoACorrere);
    const QString tcp = QString::fromUtf16(kPaginaTempoACorrereParallelo);
    const QString podio = QString::fromUtf16(kPaginaPodio);
    const QString scheda = QString::fromUtf16(kPaginaScheda);
    switch (codice) {
    case kCodicePulizia:
        s.UltimoCodiceElenco = kCodicePulizia;
        onAir_->PulisciGrafica();
        break;
    case kCodiceClassificaGrande:
    case kCodiceClassificaBassa:
        s.PaginaElencoCorrente = 1;
        if (k.NumeroConcorrentiInClassifica(0, categoria) > 0) {
            PaginaClassifica(ctx_, *onAir_, s.PaginaElencoCorrente, codice == kCodiceClassificaBassa, categoria);
            s.UltimoCodiceElenco = codice;
        }
        break;
    case kCodiceOrdinePartenza:
        s.PaginaElencoCorrente = 1;
        if (TurnoParallelo(ctx_)) {
            MostraTabelloneParallelo(ctx_, *onAir_);
        } else if (k.TotalePartenti(k.MancheSfidaCorrente(), categoria) > 0) {
            PaginaPartenti(ctx_, *onAir_, s.PaginaElencoCorrente, categoria);
            s.UltimoCodiceElenco = kCodiceOrdinePartenza;
        }
        break;
    case kCodicePodio:
        if (k.NumeroConcorrentiInClassifica(0, categoria) > 0)
            caricaEAvvia(podio, [&] { PaginaPodio(ctx_, podio, categoria); });
        break;
    case kCodiceScheda:
        if (k.ConcorrenteExists(s.ConcorrenteSelezionato))
            caricaEAvvia(scheda, [&] { PaginaScheda(ctx_, scheda, s.ConcorrenteSelezionato, categoria); });
        break;
    case kCodiceSchedaPrimo:
    case kCodiceSchedaSecondo:
    case kCodiceSchedaTerzo:
        caricaEAvvia(scheda, [&] { PaginaSchedaArrivo(ctx_, scheda, qint16(codice - kCodiceScheda), categoria); });
        break;
    case kCodiceStartZero:
        // A selection below 1 counts as none.
        if (s.ConcorrenteSelezionato >= 1) TempoACorrerePronto(ctx_, *onAir_);
        break;
    case kCodiceClassificaTC:
        if (s.ClassificaTCVisibile) MostraClassificaTC(ctx_, tc, true);
        else NascondiClassificaTC(ctx_, tc);
        break;
    case kCodiceNominativoTC:
        if (s.NominativoTCVisibile) MostraConcorrenteTC(ctx_, tc);
        else NascondiConcorrenteTC(ctx_, tc);
        break;
    case kCodiceTempo:
        TempoACorrereFermato(ctx_);
        break;
    case kCodiceSeguenteClassifica:
        PaginaClassifica(ctx_, *onAir_, qint16(s.PaginaElencoCorrente + 1), s.UltimoCodiceElenco == kCodiceClassificaBassa,
                         categoria);
        break;
    case kCodiceSeguentePartenti:
        PaginaPartenti(ctx_, *onAir_, qint16(s.PaginaElencoCorrente + 1), categoria);
        break;
    case kCodicePaginaPiena:
        paginaLibera(codice, QString::fromUtf16(kPaginaPiena), 3);
        break;
    case kCodicePaginaBassa:
        paginaLibera(codice, QString::fromUtf16(kPaginaBassa), 4);
        break;
    case kCodicePaginaLibera1:
    case kCodicePaginaLibera2:
    case kCodicePaginaLibera3:
        caricaEAvvia(QString::fromUtf16(kPaginaLibera) + QString::number(codice - kCodicePaginaBassa), {});
        break;
    case kCodiceStart: {
        if (s.ConcorrenteSelezionato < 1) break;
        const clsRisultati* r = k.findRunResult(s.ConcorrenteSelezionato, k.MancheSfidaCorrente());
        if (r && r->OrarioPartenza() >= 1 && r->Tempo() == 0) TempoACorrereAvviato(ctx_, *onAir_);
        break;
    }
    case kCodiceIntermedio1:
    case kCodiceIntermedio2:
    case kCodiceFinale:
        MostraConcorrenteTC(ctx_, tc);
        MostraConcorrenteRiferimento(ctx_, tc, categoria, s.SplitMostrato);
        break;
    case kCodiceTempoManche:
        NascondiDistacco(ctx_, tc);
        NascondiConcorrenteRiferimento(ctx_, tc);
        MostraTempoManche(ctx_, tc);
        NascondiManchePrecedente(ctx_, tc);
        break;
    case kCodiceParallelo:
        TempoParalleloPagina(ctx_, *onAir_);
        break;
    case kCodiceStartParallelo:
        if (!k.SfidaCompletata(s.SfidaSelezionata)) TempoParalleloPartenza(ctx_, *onAir_);
        break;
    case kCodiceDistaccoParallelo:
        if (s.DistaccoParalleloVisibile) MostraDistacchiSfida(ctx_, tcp, s.SfidaSelezionata);
        else NascondiDistacchiSfida(ctx_, tcp);
        break;
    default:
        break;
    }
}

}  // namespace razudar
