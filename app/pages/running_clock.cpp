#include "app/pages/page_load_failure.h"
#include "app/pages/running_clock.h"

#include "app/pages/element_groups.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "app/pages/running_clock_parallel.h"
#include "app/pages/start_list.h"
#include "app/pages/race_clock.h"
#include "model/basic.h"
#include "model/race_codes.h"
#include "model/race_times.h"
#include "model/run_result.h"

namespace razudar {

namespace {

constexpr qint64 kMillesimiGiorno = 86400000;

QString pagina() { return QString::fromUtf16(kPaginaTempoACorrere); }
QString orologio() { return QString::fromUtf16(kOggettoTempoACorrere); }

// Loads the page when it is not on air; false when it cannot be loaded (the layer has reported
// it). The competitor is written in both cases: a page on air for another competitor must not
// keep the old name.
bool preparaPagina(PageContext& ctx, PageOnAir& onAir) {
    if (!onAir.inOnda(pagina()) && !onAir.CaricaPaginaInOnda(pagina(), 0, false)) {
        SegnalaErroreCaricamentoPagina(ctx, pagina());
        return false;
    }
    ScriviConcorrenteTC(ctx, pagina(), ctx.state.ConcorrenteSelezionato);
    return true;
}

// Starts (slides in) the clock page and records whom it was started for.
void avviaPagina(PageContext& ctx, PageOnAir& onAir) {
    if (onAir.AvviaPaginaInOnda(pagina(), QStringLiteral("!")))
        ctx.state.PaginaInOnda.competitorStarted = ctx.state.ConcorrenteSelezionato;
}

// The clock page is on air, started for the competitor selected.
bool inOndaPerIlSelezionato(const PageContext& ctx, const PageOnAir& onAir) {
    const ProgramState& s = ctx.state;
    return onAir.inOnda(pagina()) && s.PaginaInOnda.competitorStarted == s.ConcorrenteSelezionato;
}

// A time of day read after midnight for a start before it counts from the day before.
qint64 trascorso(qint64 daMs, qint64 aMs) {
    qint64 v = aMs - daMs;
    if (v < 0) v += kMillesimiGiorno;
    return v;
}

// A difference of times of day taken to the nearest day: within half a day either way (a run
// never lasts longer, and either reading may lie across midnight).
qint64 differenzaNelGiorno(qint64 v) {
    v %= kMillesimiGiorno;
    if (v > kMillesimiGiorno / 2) v -= kMillesimiGiorno;
    if (v <= -kMillesimiGiorno / 2) v += kMillesimiGiorno;
    return v;
}

}  // namespace

qint64 TempoMancheConcluse(const clsKrono& krono, qint16 concorrente, qint16 manche) {
    const clsConcorrente* c = krono.findConcorrente(concorrente);
    qint64 somma = 0;
    for (qint16 i = 1; c && i < manche; ++i) {
        if (const clsRisultati* r = runResult(c, i)) somma += TempoInMillesimi(r->Tempo());
    }
    return somma;
}

qint64 ValoreAvvioTempoACorrere(const clsKrono& krono, qint16 concorrente, qint32 orarioAttuale, qint32 offset) {
    const qint16 m = krono.MancheSfidaCorrente();
    const clsRisultati* r = krono.findRunResult(concorrente, m);
    if (!r || r->OrarioPartenza() < 1) return 0;
    // The offset corrects the local clock to the timekeeper's; the start, the local time and the
    // offset may each lie on either side of midnight.
    qint64 v = differenzaNelGiorno(qint64(TempoInMillesimi(orarioAttuale)) - TempoInMillesimi(r->OrarioPartenza()) +
                                   offset);
    v += TempoMancheConcluse(krono, concorrente, m);
    return v < 0 ? 0 : v;
}

std::optional<qint64> ValoreArrestoTempoACorrere(const clsKrono& krono, qint16 concorrente, const QString& split) {
    const qint16 m = krono.MancheSfidaCorrente();
    const QString s = basic::UCase(split);
    if (s == QLatin1String("F")) return TempoInMillesimi(krono.TempoTotaleConcorrente(m, concorrente));
    if (s != QLatin1String("1") && s != QLatin1String("2")) return 0;
    const clsRisultati* r = krono.findRunResult(concorrente, m);
    const qint32 intermedio = r ? r->OrarioIntermedioItem(qint16(s.toInt())) : 0;
    // Without a start or the intermediate there is no split time: the clock keeps running.
    if (!r || r->OrarioPartenza() < 1 || intermedio < 1) return std::nullopt;
    return TempoMancheConcluse(krono, concorrente, m) +
           trascorso(TempoInMillesimi(r->OrarioPartenza()), TempoInMillesimi(intermedio));
}

void ScriviConcorrenteTC(PageContext& ctx, const QString& nomePagina, qint16 concorrente) {
    const auto c = ctx.krono().ConcorrenteItem(concorrente);
    ScriviTesto(ctx, nomePagina, QStringLiteral("txtPettorale"), qint16(c->PettoraleStampa()));
    ScriviTesto(ctx, nomePagina, QStringLiteral("txtNominativo"),
                FormattaNominativo(ctx.state, c->Cognome(), c->Nome(), true));
    ImpostaNazionalita(ctx, nomePagina, QStringLiteral("Nazionalita"), c->Nazionalita());
}

void TempoACorrerePronto(PageContext& ctx, PageOnAir& onAir) {
    ProgramState& s = ctx.state;
    if (s.ConcorrenteSelezionato < 1) return;
    if (!preparaPagina(ctx, onAir)) return;
    const qint16 m = ctx.krono().MancheSfidaCorrente();
    // The page is set up afresh also when it is on air for a competitor who has finished: none of
    // his reference, position, standings, gap or run time may stay beside the new name.
    NascondiConcorrenteRiferimento(ctx, pagina());
    NascondiPosizioneAssoluta(ctx, pagina());
    NascondiClassificaTC(ctx, pagina());
    NascondiDistacco(ctx, pagina());
    const bool precedente = m > 1 && MostraManchePrecedente(ctx, pagina(), s.CategoriaSelezionata);
    if (!precedente) NascondiManchePrecedente(ctx, pagina());
    NascondiTempoManche(ctx, pagina());
    const qint32 primaManche = TempoInMillesimi(runTime(ctx.krono().findConcorrente(s.ConcorrenteSelezionato), 1));
    FermaOrologio(ctx, pagina(), orologio(), m <= 1 ? 0 : primaManche);
    avviaPagina(ctx, onAir);
}

void TempoACorrereAvviato(PageContext& ctx, PageOnAir& onAir) {
    ProgramState& s = ctx.state;
    const clsRisultati* r = ctx.krono().findRunResult(s.ConcorrenteSelezionato, ctx.krono().MancheSfidaCorrente());
    if (!r || r->OrarioPartenza() < 1 || r->Tempo() != 0) return;
    // A corrected start, or the button pressed again, for the competitor whose page is on air
    // only sets the clock anew: the page's slide blocks the program for its whole length, and
    // it is in view already.
    const bool giaInOnda = inOndaPerIlSelezionato(ctx, onAir);
    if (!giaInOnda && !preparaPagina(ctx, onAir)) return;
    const qint32 ora = ctx.services.clock ? OrarioAttuale(*ctx.services.clock) : 0;
    const qint64 v = ValoreAvvioTempoACorrere(ctx.krono(), s.ConcorrenteSelezionato, ora, s.OffsetTempoCorrere);
    AvviaOrologio(ctx, pagina(), orologio(), qint32(v));
    if (!s.NominativoTCVisibile) NascondiConcorrenteTC(ctx, pagina());
    NascondiConcorrenteRiferimento(ctx, pagina());
    NascondiPosizioneAssoluta(ctx, pagina());
    NascondiClassificaTC(ctx, pagina());
    NascondiDistacco(ctx, pagina());
    NascondiTempoManche(ctx, pagina());
    NascondiManchePrecedente(ctx, pagina());
    if (!giaInOnda) avviaPagina(ctx, onAir);
}

void TempoACorrereFermato(PageContext& ctx) {
    ProgramState& s = ctx.state;
    clsKrono& k = ctx.krono();
    const QString turnoGara = ctx.codiceTipoTurno ? ctx.codiceTipoTurno(kTipoTurnoQualificazione) : QString();
    if (k.cGara.Parallelo() && k.TurnoCorrente() != turnoGara) {
        MostraEsitoSfida(ctx, QString::fromUtf16(kPaginaTempoACorrereParallelo), s.SfidaSelezionata);
        return;
    }
    // The finish's position and gaps come from a ranking that already holds the time just
    // received.
    if (ctx.aggiornaClassificheInterfaccia) ctx.aggiornaClassificheInterfaccia();
    const std::optional<qint64> v = ValoreArrestoTempoACorrere(k, s.ConcorrenteSelezionato, s.SplitMostrato);
    MostraConcorrenteRiferimento(ctx, pagina(), s.CategoriaSelezionata, s.SplitMostrato);
    if (v) FermaOrologio(ctx, pagina(), orologio(), qint32(*v));
    MostraConcorrenteTC(ctx, pagina());
    MostraDistacco(ctx, pagina(), s.CategoriaSelezionata, s.SplitMostrato);
    MostraPosizioneAssoluta(ctx, pagina(), s.SplitMostrato);
    NascondiManchePrecedente(ctx, pagina());
    if (basic::UCase(s.SplitMostrato) == QLatin1String("F") && s.ClassificaSuTempoCorrere)
        MostraClassificaTC(ctx, pagina(), false);
}

}  // namespace razudar
