// The standings and heat pages of the results monitor.
#include "model/monitor_pages.h"

#include "model/basic.h"
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/monitor_page_settings.h"
#include "model/monitor_writer.h"
#include "model/preview_text.h"
#include "model/text_list_surface.h"

namespace razudar::monitor {
namespace {

// Columns of the standings page, single run and two runs.
struct StandingsColumns {
    double pos, bib, name, run1, run1Pos, run2, run2Pos, time, gap, prevGap;
};
constexpr StandingsColumns kSingle{450, 2150, 2300, 0, 0, 0, 0, 6000, 7500, 9000};
constexpr StandingsColumns kTwoRuns{450, 1000, 1150, 4200, 4850, 6200, 6850, 8200, 9500, 0};

// Columns of the heat page.
struct HeatColumns {
    double number, bib, name, run1, run2, time, gap;
};
constexpr HeatColumns kHeatSingle{450, 1000, 1150, 0, 0, 4600, 5900};
constexpr HeatColumns kHeatTwoRuns{450, 1000, 1150, 4600, 6000, 7400, 8800};

constexpr double kHeadingSize = -4;
constexpr double kTitleSize = -5;

void titleBlock(const clsKrono& k, MonitorWriter& w) {
    w.text(k.cGara.DescrizioneGara(), 8, 1, 100, true, 6);
    w.text(basic::UCase(k.cGara.DescrizioneSessione()), 6, 1, 9500, false, kTitleSize);
    QString title = QStringLiteral("STANDINGS");
    if (k.CategoriaMonitor() != clsConcorrente::kAllCategories)
        title += QStringLiteral(" (CAT. ") + k.CategoriaMonitor() + u')';
    w.text(basic::UCase(basic::Left(title, 20)), 6, 1.7, 9500, false, kTitleSize);
}

}  // namespace

void rigaVuota(TextListSurface& Pic, double riga) {
    ScriviArgs args;
    args.c = 0;
    args.p = riga;
    args.NonAndareACapo = true;
    args.X = 0;
    args.Sinistra = true;
    args.FattoreDimensione = 0;
    Pic.Scrivi(QString(200, u' '), args);
}

void scriviClassifica(const clsKrono& k, const MonitorPageSettings& settings, TextListSurface& Pic,
                      qint32 Classifica, int Inizio, int Fine, int Riga, bool PrimaPulisciPagina) {
    if (k.slotOrder(Classifica).empty()) return;
    MonitorWriter w(Pic, settings, k);
    const bool single = k.UtilizzaSingolaManche();
    const StandingsColumns& col = single ? kSingle : kTwoRuns;
    const QString& category = k.CategoriaMonitor();
    const qint16 run = k.MancheCorrente();
    for (int r = Riga; r <= Riga + Fine - Inizio; ++r) rigaVuota(Pic, r);
    for (int i = Inizio; i <= Fine; ++i) {
        const int r = i - Inizio + Riga;
        if (PrimaPulisciPagina && i == 1) {
            Pic.InizializzaAltezze();
            Pic.setCurrentX(0);
            Pic.setCurrentY(0);
        }
        if (i == 1) {
            for (int blank = Riga - 3; blank < Riga; ++blank) rigaVuota(Pic, blank);
            titleBlock(k, w);
            const int h = Riga - 1;
            w.text(QStringLiteral("POS"), 5, h, col.pos, false, kHeadingSize);
            w.text(QStringLiteral("N."), 5, h, col.bib, false, kHeadingSize);
            w.text(QStringLiteral("NAME"), 5, h, col.name, true, kHeadingSize);
            if (!single) {
                w.text(QStringLiteral("MANCHE 1"), 5, h, col.run1, false, kHeadingSize);
                w.text(QStringLiteral("MANCHE 2"), 5, h, col.run2, false, kHeadingSize);
            }
            w.text(QStringLiteral("TIME"), 5, h, col.time, false, kHeadingSize);
            w.text(QStringLiteral("GAP"), 5, h, col.gap, false, kHeadingSize);
            if (single) w.text(QStringLiteral("P. GAP"), 5, h, col.prevGap, false, kHeadingSize);
        }
        const int c = k.ConcorrenteInPosizione(Classifica, i, category);
        rigaVuota(Pic, r);
        if (c == -1 || !basic::fitsInteger(c)) continue;
        const auto number = qint16(c);
        if (k.StatoConcorrenteDopoManche(run, number) != kStatoArrivato) continue;
        const clsConcorrente& rec = preview::record(k, number);
        const bool finishing = number == k.ConcorrenteTraguardo();
        w.text(QString::number(i), finishing ? 7 : 9, r, col.pos, false, 0);
        w.text(QString::number(k.PettoraleDaConcorrente(number, true)), 6, r, col.bib, false, 0);
        w.text(preview::nameOf(k, rec), finishing ? 7 : 13, r, col.name, true, 0);
        if (!single) {
            for (int m = 1; m <= 2; ++m) {
                const clsRisultati& res = preview::result(rec, m);
                const double x = m == 1 ? col.run1 : col.run2;
                if (res.StatoConcorrente() == kStatoArrivato) {
                    w.text(w.time(res.Tempo()), 2, r, x, false, 0);
                    const int position = k.PosizioneInClassifica(m, number, category);
                    w.text(u'(' + QString::number(position) + u')', 9, r, m == 1 ? col.run1Pos : col.run2Pos, false, 0);
                } else {
                    w.text(u' ' + k.StatoSigla(res.StatoConcorrente()), 2, r, x, false, 0);
                }
            }
        }
        w.text(w.time(k.TempoTotaleConcorrente(run, number)), 2, r, col.time, false, 0);
        if (i > 1) w.text(w.time(k.DistaccoDaPosizione(Classifica, run, number, 1, category)), 2, r, col.gap, false, 0);
        if (single && i > 2)
            w.text(w.time(k.DistaccoDaPosizione(Classifica, run, number, i - 1, category)), 2, r, col.prevGap, false, 0);
    }
}

void scriviParallelo(const clsKrono& k, const MonitorPageSettings& settings, TextListSurface& Pic) {
    MonitorWriter w(Pic, settings, k);
    const bool single = k.UtilizzaSingolaManche();
    const HeatColumns& col = single ? kHeatSingle : kHeatTwoRuns;
    Pic.Pulisci();
    for (int blank = 1; blank <= 3; ++blank) rigaVuota(Pic, blank);
    titleBlock(k, w);
    w.text(QStringLiteral("N."), 5, 3, col.bib, false, kHeadingSize);
    w.text(QStringLiteral("NAME"), 5, 3, col.name, true, kHeadingSize);
    if (!single) {
        w.text(QStringLiteral("MANCHE 1"), 5, 3, col.run1, false, kHeadingSize);
        w.text(QStringLiteral("MANCHE 2"), 5, 3, col.run2, false, kHeadingSize);
    }
    w.text(QStringLiteral("TIME"), 5, 3, col.time, false, kHeadingSize);
    w.text(QStringLiteral("GAP"), 5, 3, col.gap, false, kHeadingSize);

    float y = 4.0f;
    int n = 1;
    const QList<qint16> heats = k.ElencoSfide();
    const qint16 heatRun = k.SfidaCorrente();
    for (qsizetype h = 1; h <= heats.size(); ++h) {
        // The category and completion tests take the heat's position, the competitors its number.
        if (!k.CategoriaPresenteNellaSfida(qint16(h), k.CategoriaMonitor())) continue;
        const QList<qint16> pair = k.ElencoConcorrentiSfida(heats[h - 1]);
        const bool completed = k.SfidaCompletata(qint16(h));
        for (qsizetype j = 1; j <= pair.size(); ++j) {
            const qint16 a = pair[j - 1];
            const clsConcorrente& rec = preview::record(k, a);
            const qint32 st = k.StatoConcorrenteDopoManche(heatRun, a);
            qint32 gap = 0;
            if (completed && pair.size() >= 2) gap = k.DistaccoDaConcorrente(0, heatRun, a, j == 1 ? pair[1] : pair[0]);
            if (j == 1) w.text(u' ' + QString::number(n) + u')', 9, y, col.number, false, 0);
            w.text(QString::number(k.PettoraleDaConcorrente(a, true)), 6, y, col.bib, false, 0);
            w.text(basic::UCase(rec.Cognome()), 13, y, col.name, true, 0);
            if (st == 0) {
                if (single) {
                    w.text(w.heatTime(preview::result(rec, 1).Tempo()), 2, y, col.time, false, 0);
                } else {
                    w.text(w.heatTime(preview::result(rec, 1).Tempo()), 2, y, col.run1, false, 0);
                    w.text(w.heatTime(preview::result(rec, 2).Tempo()), 2, y, col.run2, false, 0);
                    w.text(w.heatTime(k.TempoTotaleConcorrente(k.MancheCorrente(), a)), 2, y, col.time, false, 0);
                }
                if (gap >= 1) w.text(w.time(gap), 2, y, col.gap, false, 0);
            } else if (st == kStatoAperto && !single) {
                w.text(w.heatTime(preview::result(rec, 1).Tempo()), 2, y, col.run1, false, 0);
            } else if (st == kStatoNonArrivato || st == kStatoNonPartito || st == kStatoEscluso) {
                const QString sigla = st == kStatoNonArrivato ? k.SiglaStatoNonArrivato()
                                    : st == kStatoNonPartito ? k.SiglaStatoNonPartito() : k.SiglaStatoEscluso();
                w.text(sigla, 2, y, col.gap, false, 0);
            }
            if (completed && st == 0 && gap < 0) w.text(QStringLiteral("WINNER"), 7, y, col.gap, false, 0);
            y += 1;
        }
        Pic.Linea(0, y + 0.15f, 15360, y + 0.15f, 2, 0);
        y += 0.2f;
        ++n;
    }
}

}  // namespace razudar::monitor
