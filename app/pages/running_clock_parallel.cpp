#include "app/pages/page_load_failure.h"
#include "app/pages/running_clock_parallel.h"

#include <cstdlib>

#include "app/pages/element_groups.h"
#include "app/pages/on_air.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "model/competitor_states.h"
#include "model/race_codes.h"
#include "model/race_times.h"
#include "model/run_result.h"

namespace razudar {

namespace {

QString pagina() { return QString::fromUtf16(kPaginaTempoACorrereParallelo); }

// The clock and its background, hidden in the discipline that shows no clock.
void orologioVisibile(PageContext& ctx, const QString& p) {
    const bool v = ctx.krono().cGara.Disciplina() != kDisciplinaSenzaOrologio;
    TestoVisibile(ctx, p, QStringLiteral("txtTempoACorrere"), v);
    ImmagineVisibile(ctx, p, QStringLiteral("SfondoTC"), v);
}

qint32 tempoManche(const clsKrono& k, qint16 concorrente, qint16 manche) {
    const qint32 t = runTime(k.findConcorrente(concorrente), manche);
    return t > 0 ? t : 0;
}

QString corsia(const clsKrono& k, qint16 sfida, qint16 concorrente) {
    return concorrente == k.ConcorrenteParallelo(sfida, true) ? QStringLiteral("A") : QStringLiteral("B");
}

// A lane's gap stopped at a value above 0 and shown; at 0 or below stopped at 0 and hidden.
void distaccoCorsia(PageContext& ctx, const QString& p, const QString& lane, qint32 valore) {
    const QString o = QStringLiteral("txtDistacco") + lane;
    if (valore <= 0) {
        FermaOrologio(ctx, p, o, 0);
        TestoVisibile(ctx, p, o, false);
        ImmagineVisibile(ctx, p, QStringLiteral("SfondoDistacco") + lane, false);
    } else {
        FermaOrologioConSegno(ctx, p, o, QStringLiteral("+") + QString::number(TempoInMillesimi(valore)));
        TestoVisibile(ctx, p, o, true);
        ImmagineVisibile(ctx, p, QStringLiteral("SfondoDistacco") + lane, true);
    }
}

QString testoVincitore(PageContext& ctx) {
    const clsKrono& k = ctx.krono();
    const bool sfida = k.MancheSfidaCorrente() == 2 || k.cGara.TabelloneNumeroDiscese() == 1;
    return ctx.testoLingua ? ctx.testoLingua(sfida ? QStringLiteral("li_VincitoreSfida")
                                                   : QStringLiteral("li_VincitoreManche"))
                           : QString();
}

// The winner's badge of a lane. A race whose language table lacks the text (one reached over the
// link that the local database does not hold) gets no badge rather than an empty one.
void mostraVincitore(PageContext& ctx, const QString& p, const QString& lane, const QString& testo) {
    const bool badge = !testo.isEmpty();
    ImmagineVisibile(ctx, p, QStringLiteral("SfondoDescrizione") + lane, badge);
    ScriviTesto(ctx, p, QStringLiteral("txtDescrizione") + lane, testo);
    TestoVisibile(ctx, p, QStringLiteral("txtDescrizione") + lane, badge);
}

bool caricaPagina(PageContext& ctx, PageOnAir& onAir) {
    if (onAir.CaricaPaginaInOnda(pagina(), 0, false)) return true;
    SegnalaErroreCaricamentoPagina(ctx, pagina());
    return false;
}

}  // namespace

void AvviaTempoParallelo(PageContext& ctx, const QString& p, qint32 valore) {
    FormatoArresto(ctx, p, QStringLiteral("txtTempoACorrere"));
    AvviaOrologio(ctx, p, QStringLiteral("txtTempoACorrere"), valore);
    orologioVisibile(ctx, p);
}

void ScriviConcorrentiSfida(PageContext& ctx, const QString& p, qint16 sfida) {
    const QList<qint16> elenco = ctx.krono().ElencoConcorrentiSfida(sfida);
    for (int i = 0; i < elenco.size(); ++i) {
        const QString lane = i == 0 ? QStringLiteral("A") : QStringLiteral("B");
        const auto c = ctx.krono().ConcorrenteItem(elenco[i]);
        ScriviTesto(ctx, p, QStringLiteral("txtPettorale") + lane, c->PettoraleStampa());
        ScriviTesto(ctx, p, QStringLiteral("txtNominativo") + lane,
                    FormattaNominativo(ctx.state, c->Cognome(), c->Nome(), true));
        ImpostaNazionalita(ctx, p, QStringLiteral("Nazionalita") + lane, c->Nazionalita());
    }
}

void FermaTempoParallelo(PageContext& ctx, const QString& p, qint16 sfida) {
    const clsKrono& k = ctx.krono();
    const qint16 m = k.MancheSfidaCorrente();
    qint32 tA = tempoManche(k, k.ConcorrenteParallelo(sfida, true), m);
    qint32 tB = tempoManche(k, k.ConcorrenteParallelo(sfida, false), m);
    if (tA == 0 && tB == 0) return;
    if (tA == 0) tA = kMissingTimePacked;
    if (tB == 0) tB = kMissingTimePacked;
    FermaOrologio(ctx, p, QStringLiteral("txtTempoACorrere"), TempoInMillesimi(std::min(tA, tB)));
    orologioVisibile(ctx, p);
}

void MostraDistacchiSfida(PageContext& ctx, const QString& p, qint16 sfida) {
    const clsKrono& k = ctx.krono();
    const qint16 a = k.ConcorrenteParallelo(sfida, true);
    const qint16 b = k.ConcorrenteParallelo(sfida, false);
    const qint16 run = k.MancheSfidaCorrente() == 2 && !k.SfidaCompletata(sfida) ? 1 : 2;
    const qint32 g = k.DistaccoDaConcorrente(0, run, a, b);
    distaccoCorsia(ctx, p, QStringLiteral("A"), g);
    distaccoCorsia(ctx, p, QStringLiteral("B"), -g);
}

qint16 VincitorePrimaManche(const clsKrono& k, qint16 sfida) {
    const qint16 a = k.ConcorrenteParallelo(sfida, true);
    const qint16 b = k.ConcorrenteParallelo(sfida, false);
    if (k.StatoConcorrenteDopoManche(1, b) != kStatoArrivato) return a;
    return runTime(k.findConcorrente(a), 1) > runTime(k.findConcorrente(b), 1) ? b : a;
}

void AvviaDistaccoCorsia(PageContext& ctx, const QString& p, qint16 sfida, qint16 concorrente) {
    const clsKrono& k = ctx.krono();
    const QString lane = corsia(k, sfida, concorrente);
    qint32 valore = 0;
    if (k.MancheSfidaCorrente() != 1) {
        const qint32 g = k.DistaccoDaConcorrente(0, 1, k.ConcorrenteParallelo(sfida, true),
                                                 k.ConcorrenteParallelo(sfida, false));
        valore = TempoInMillesimi(std::abs(qint64(g)));
        if (concorrente != VincitorePrimaManche(k, sfida)) valore = -valore;
    }
    const QString o = QStringLiteral("txtDistacco") + lane;
    AvviaOrologio(ctx, p, o, valore, true);
    TestoVisibile(ctx, p, o, true);
    ImmagineVisibile(ctx, p, QStringLiteral("SfondoDistacco") + lane, true);
}

void MostraEsitoSfida(PageContext& ctx, const QString& p, qint16 sfida) {
    const clsKrono& k = ctx.krono();
    const qint16 a = k.ConcorrenteParallelo(sfida, true);
    const qint16 b = k.ConcorrenteParallelo(sfida, false);
    const QString vincitore = testoVincitore(ctx);
    const QList<qint16> elenco = k.ElencoConcorrentiSfida(sfida);
    if (k.SfidaCompletata(sfida)) {
        const qint32 g = k.DistaccoDaConcorrente(0, k.SfidaCorrente(), a, b);
        for (int i = 0; i < elenco.size() && i < 2; ++i) {
            const QString lane = i == 0 ? QStringLiteral("A") : QStringLiteral("B");
            const qint32 valore = i == 0 ? g : -g;
            const QString o = QStringLiteral("txtDistacco") + lane;
            const qint32 stato = k.StatoConcorrenteDopoManche(k.SfidaCorrente(), elenco[i]);
            if (valore < 1 && stato != kStatoArrivato) {
                FormatoArresto(ctx, p, QStringLiteral("txtDistacco") + lane);
                continue;
            }
            distaccoCorsia(ctx, p, lane, valore);
            if (valore < 1) {
                mostraVincitore(ctx, p, lane, vincitore);
            } else {
                ScriviTesto(ctx, p, QStringLiteral("txtDescrizione") + lane, QString());
                TestoVisibile(ctx, p, QStringLiteral("txtDescrizione") + lane, false);
                ImmagineVisibile(ctx, p, QStringLiteral("SfondoDescrizione") + lane, false);
            }
        }
        return;
    }
    NascondiDistacchiSfida(ctx, p);
    NascondiDescrizioniSfida(ctx, p);
    const qint16 m = k.MancheSfidaCorrente();
    if (m != 1) {
        const qint16 primo = VincitorePrimaManche(k, sfida);
        for (int i = 0; i < elenco.size() && i < 2; ++i) {
            const QString lane = i == 0 ? QStringLiteral("A") : QStringLiteral("B");
            if (k.StatoConcorrenteDopoManche(k.SfidaCorrente(), elenco[i]) != kStatoArrivato) continue;
            if (elenco[i] == primo) mostraVincitore(ctx, p, lane, vincitore);
            AvviaDistaccoCorsia(ctx, p, sfida, elenco[i]);
        }
        return;
    }
    const qint32 tA = tempoManche(k, a, m);
    const qint32 tB = tempoManche(k, b, m);
    const qint32 sA = k.StatoConcorrenteDopoManche(m, a);
    const qint32 sB = k.StatoConcorrenteDopoManche(m, b);
    if (tA == 0 && sA != kStatoArrivato && tB == 0 && sB != kStatoArrivato) return;
    const bool aAvanti = (tA != 0 && (tB == 0 || tA < tB)) || (tA == 0 && sA == kStatoArrivato);
    const qint16 leader = aAvanti ? a : b;
    mostraVincitore(ctx, p, aAvanti ? QStringLiteral("A") : QStringLiteral("B"), vincitore);
    AvviaDistaccoCorsia(ctx, p, sfida, leader);
}

void TempoParalleloPagina(PageContext& ctx, PageOnAir& onAir) {
    ProgramState& s = ctx.state;
    const clsKrono& k = ctx.krono();
    if (!onAir.inOnda(pagina())) {
        if (!caricaPagina(ctx, onAir)) return;
        ScriviConcorrentiSfida(ctx, pagina(), s.SfidaSelezionata);
        if (k.SfidaCompletata(s.SfidaSelezionata)) {
            FermaTempoParallelo(ctx, pagina(), s.SfidaSelezionata);
            MostraEsitoSfida(ctx, pagina(), s.SfidaSelezionata);
        } else {
            NascondiDistacchiSfida(ctx, pagina());
            NascondiDescrizioniSfida(ctx, pagina());
            if (k.MancheSfidaCorrente() == 2) MostraDistacchiSfida(ctx, pagina(), s.SfidaSelezionata);
            AvviaTempoParallelo(ctx, pagina(), 0);
        }
    }
    onAir.AvviaPaginaInOnda(pagina(), QStringLiteral("!"));
}

void TempoParalleloPartenza(PageContext& ctx, PageOnAir& onAir) {
    ProgramState& s = ctx.state;
    if (ctx.krono().SfidaCompletata(s.SfidaSelezionata)) return;
    if (!onAir.inOnda(pagina())) {
        if (!caricaPagina(ctx, onAir)) return;
        ScriviConcorrentiSfida(ctx, pagina(), s.SfidaSelezionata);
    }
    AvviaTempoParallelo(ctx, pagina(), 0);
    NascondiDistacchiSfida(ctx, pagina());
    ctx.waitMs(50);
    NascondiDescrizioniSfida(ctx, pagina());
    onAir.AvviaPaginaInOnda(pagina(), QStringLiteral("!"));
}

}  // namespace razudar
