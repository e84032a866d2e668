#include "app/pages/element_groups.h"

#include <QStringList>

#include <cstdlib>

#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "model/basic.h"
#include "model/competitor_states.h"
#include "model/race_times.h"
#include "model/run_result.h"

namespace razudar {

namespace {

void gruppoVisibile(PageContext& ctx, const QString& pagina, const QString& gruppo, bool v) {
    for (const QString& o : oggettiGruppo(gruppo)) OggettoVisibile(ctx, pagina, o, v);
}

qint16 manche(const PageContext& ctx) { return ctx.krono().MancheSfidaCorrente(); }

// A signed gap on a clock: "+" behind in white, "-" ahead or level in green.
void distaccoConSegno(PageContext& ctx, const QString& pagina, const QString& oggetto, const QString& sfondo,
                      qint32 g) {
    const QString ms = QString::number(TempoInMillesimi(std::abs(qint64(g))));
    FermaOrologioConSegno(ctx, pagina, oggetto, (g >= 1 ? QStringLiteral("+") : QStringLiteral("-")) + ms);
    ColoreTesto(ctx, pagina, oggetto, g >= 1 ? kColoreBiancoRgbLong : kColoreVerdeRgbLong);
    OggettoVisibile(ctx, pagina, oggetto, true);
    OggettoVisibile(ctx, pagina, sfondo, true);
}

int numeroSplit(const QString& split) {
    const QString s = basic::UCase(split);
    if (s == QLatin1String("1")) return 1;
    if (s == QLatin1String("2")) return 2;
    return 0;
}

}  // namespace

QStringList oggettiGruppo(const QString& gruppo) {
    if (gruppo == QLatin1String("concorrente"))
        return {"txtPettorale", "txtNominativo", "txtNazionalita", "imgNazionalita", "SfondoConcorrente"};
    if (gruppo == QLatin1String("riferimento"))
        return {"txtPettoraleRiferimento", "txtNominativoRiferimento", "txtTempoRiferimento",
                "txtNazionalitaRiferimento", "imgNazionalitaRiferimento", "SfondoConcorrenteRiferimento",
                "SfondoTempoRiferimento"};
    if (gruppo == QLatin1String("distacco")) return {"txtDistacco", "SfondoDistacco"};
    if (gruppo == QLatin1String("posizione")) return {"txtPosizioneAssoluta", "SfondoPosizioneAssoluta"};
    if (gruppo == QLatin1String("manche"))
        return {"txtTempoManche", "txtPosizioneManche", "SfondoPosizioneManche", "SfondoTempoManche"};
    if (gruppo == QLatin1String("manchePrecedente"))
        return {"txtPosizioneManchePrecedente", "SfondoPosizioneManchePrecedente", "txtDescrizioneManchePrecedente",
                "SfondoDescrizioneManchePrecedente", "txtDistaccoManchePrecedente", "SfondoDistaccoManchePrecedente"};
    if (gruppo == QLatin1String("classifica")) {
        QStringList l;
        for (int n = 1; n <= 3; ++n) {
            for (const char* b : {"txtPosizione", "txtNominativo", "imgNazionalita", "txtNazionalita", "txtRisultato"})
                l << QLatin1String(b) + QString::number(n);
        }
        return l << QStringLiteral("SfondoClassifica");
    }
    if (gruppo == QLatin1String("distacchiSfida"))
        return {"txtDistaccoA", "SfondoDistaccoA", "txtDistaccoB", "SfondoDistaccoB"};
    if (gruppo == QLatin1String("descrizioniSfida"))
        return {"txtDescrizioneA", "SfondoDescrizioneA", "txtDescrizioneB", "SfondoDescrizioneB"};
    return {};
}

void NascondiClassificaTC(PageContext& ctx, const QString& pagina) {
    ctx.state.ClassificaTCVisibile = false;
    gruppoVisibile(ctx, pagina, QStringLiteral("classifica"), false);
}
void NascondiPosizioneAssoluta(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("posizione"), false);
}
void NascondiConcorrenteTC(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("concorrente"), false);
}
void MostraConcorrenteTC(PageContext& ctx, const QString& pagina) {
    // The nation shows as the display option asks: text, flag, both or neither.
    const qint16 opzione = ctx.state.OpzioneNazionalita;
    for (const QString& o : oggettiGruppo(QStringLiteral("concorrente"))) {
        bool v = true;
        if (o == QLatin1String("txtNazionalita")) v = opzione == 0 || opzione == 3;
        if (o == QLatin1String("imgNazionalita")) v = opzione == 1 || opzione == 3;
        OggettoVisibile(ctx, pagina, o, v);
    }
}
void NascondiConcorrenteRiferimento(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("riferimento"), false);
}
void NascondiDistacco(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("distacco"), false);
}
void NascondiTempoManche(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("manche"), false);
}
void NascondiManchePrecedente(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("manchePrecedente"), false);
}
void NascondiDistacchiSfida(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("distacchiSfida"), false);
}
void NascondiDescrizioniSfida(PageContext& ctx, const QString& pagina) {
    gruppoVisibile(ctx, pagina, QStringLiteral("descrizioniSfida"), false);
}

bool MostraManchePrecedente(PageContext& ctx, const QString& pagina, const QString& categoria) {
    clsKrono& k = ctx.krono();
    const qint16 sel = ctx.state.ConcorrenteSelezionato;
    const int leader = k.ConcorrenteInPosizione(0, 1, ctx.state.CategoriaSelezionata);
    if (!k.ConcorrenteExists(qint16(leader))) return false;
    const clsRisultati* r = k.findRunResult(qint16(leader), manche(ctx));
    const qint32 g = k.DistaccoTraConcorrenti(1, 1, sel, qint16(leader));
    // A competitor without a first-run time has no gap to show (the model answers a day).
    if (r && r->Tempo() > 0 && leader != sel && g != kMissingTimePacked) {
        distaccoConSegno(ctx, pagina, QStringLiteral("txtDistaccoManchePrecedente"),
                         QStringLiteral("SfondoDistaccoManchePrecedente"), g);
    } else {
        // Only the run-1 position shows: no gap of a competitor shown before may stay.
        OggettoVisibile(ctx, pagina, QStringLiteral("txtDistaccoManchePrecedente"), false);
        OggettoVisibile(ctx, pagina, QStringLiteral("SfondoDistaccoManchePrecedente"), false);
    }
    ScriviTesto(ctx, pagina, QStringLiteral("txtDescrizioneManchePrecedente"), QStringLiteral("Posizione Manche 1"));
    ScriviTesto(ctx, pagina, QStringLiteral("txtPosizioneManchePrecedente"),
                k.PosizioneInClassifica(1, sel, categoria));
    for (const char* o : {"txtPosizioneManchePrecedente", "txtDescrizioneManchePrecedente",
                          "SfondoPosizioneManchePrecedente", "SfondoDescrizioneManchePrecedente"})
        OggettoVisibile(ctx, pagina, QLatin1String(o), true);
    return true;
}

void MostraDistacco(PageContext& ctx, const QString& pagina, const QString& categoria, const QString& split) {
    clsKrono& k = ctx.krono();
    const qint16 sel = ctx.state.ConcorrenteSelezionato;
    const qint16 m = manche(ctx);
    const int leader = k.ConcorrenteInPosizione(0, 1, categoria);
    // Without a gap to show no earlier one may stay on air beside the new split or finish, as
    // the reference beside it is hidden too.
    if (k.StatoConcorrenteDopoManche(m, qint16(leader)) != kStatoArrivato) {
        NascondiDistacco(ctx, pagina);
        return;
    }
    qint32 slot = 0;
    int riferimento = leader;
    if (const int n = numeroSplit(split)) {
        slot = 5 + n;
    } else if (basic::UCase(split) == QLatin1String("F") && k.PosizioneInClassifica(0, sel, categoria) == 1) {
        riferimento = k.ConcorrenteInPosizione(0, 2, categoria);
    }
    const qint32 g = k.DistaccoTraConcorrenti(slot, m, sel, qint16(riferimento));
    if (riferimento != sel && g != kMissingTimePacked) {
        distaccoConSegno(ctx, pagina, QStringLiteral("txtDistacco"), QStringLiteral("SfondoDistacco"), g);
    } else {
        NascondiDistacco(ctx, pagina);
    }
}

void MostraConcorrenteRiferimento(PageContext& ctx, const QString& pagina, const QString& categoria,
                                  const QString& split) {
    clsKrono& k = ctx.krono();
    const qint16 sel = ctx.state.ConcorrenteSelezionato;
    const qint16 m = manche(ctx);
    const int r = k.ConcorrenteInPosizione(0, 1, categoria);
    qint32 t = 0;
    if (r != -1) {
        if (const int n = numeroSplit(split)) {
            const qint32 tempo = k.TempoIntermedioConcorrente(m, qint16(r), qint16(n));
            if (tempo > 0) t = tempo;
        } else if (basic::UCase(split) == QLatin1String("F") &&
                   k.StatoConcorrenteDopoManche(m, qint16(r)) == kStatoArrivato) {
            t = k.TempoTotaleConcorrente(m, qint16(r));
        }
    }
    if (t < 1 || r == sel) {
        NascondiConcorrenteRiferimento(ctx, pagina);
        return;
    }
    FermaOrologio(ctx, pagina, QStringLiteral("txtTempoRiferimento"), TempoInMillesimi(t));
    const auto c = k.ConcorrenteItem(qint16(r));
    ScriviTesto(ctx, pagina, QStringLiteral("txtPettoraleRiferimento"), c->PettoraleStampa());
    ScriviTesto(ctx, pagina, QStringLiteral("txtNominativoRiferimento"),
                FormattaNominativo(ctx.state, c->Cognome(), c->Nome(), true));
    ImpostaNazionalita(ctx, pagina, QStringLiteral("NazionalitaRiferimento"), c->Nazionalita());
    for (const char* o : {"txtPettoraleRiferimento", "txtNominativoRiferimento", "SfondoConcorrenteRiferimento",
                          "txtTempoRiferimento", "SfondoTempoRiferimento"})
        OggettoVisibile(ctx, pagina, QLatin1String(o), true);
}

void MostraTempoManche(PageContext& ctx, const QString& pagina) {
    clsKrono& k = ctx.krono();
    const qint16 m = manche(ctx);
    if (m <= 1) return;
    const qint16 sel = ctx.state.ConcorrenteSelezionato;
    FermaOrologio(ctx, pagina, QStringLiteral("txtTempoManche"), TempoInMillesimi(runTime(k.findConcorrente(sel), m)));
    ScriviTesto(ctx, pagina, QStringLiteral("txtPosizioneManche"),
                k.PosizioneInClassifica(m, sel, ctx.state.CategoriaSelezionata));
    for (const char* o : {"txtTempoManche", "txtPosizioneManche", "SfondoTempoManche", "SfondoPosizioneManche"})
        OggettoVisibile(ctx, pagina, QLatin1String(o), true);
}

void MostraPosizioneAssoluta(PageContext& ctx, const QString& pagina, const QString& split) {
    clsKrono& k = ctx.krono();
    const qint16 sel = ctx.state.ConcorrenteSelezionato;
    const QString& cat = ctx.state.CategoriaSelezionata;
    const bool finale = basic::UCase(split) == QLatin1String("F");
    int p = 0;
    if (const int n = numeroSplit(split)) p = k.PosizioneInClassifica(5 + n, sel, cat);
    else if (finale) p = k.PosizioneInClassifica(0, sel, cat);
    ScriviTesto(ctx, pagina, QStringLiteral("txtPosizioneAssoluta"), p);
    OggettoVisibile(ctx, pagina, QStringLiteral("txtPosizioneAssoluta"), finale);
    OggettoVisibile(ctx, pagina, QStringLiteral("SfondoPosizioneAssoluta"), finale);
}

bool RigaDisponibile(const PageContext& ctx, int riga, qint16 tipo, const QString& categoria) {
    const clsKrono& k = ctx.krono();
    if (tipo == kElencoClassifica) return riga <= k.NumeroConcorrentiInClassifica(0, categoria);
    if (tipo == kElencoPartenti) return riga <= k.TotalePartenti(k.MancheSfidaCorrente(), categoria);
    return false;
}

}  // namespace razudar
