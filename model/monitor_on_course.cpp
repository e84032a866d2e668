// The on-course block of the results monitor: the competitors on course in start order with
// their running time and intermediate results, and the competitor who has just finished.
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "model/krono.h"
#include "model/monitor_page_settings.h"
#include "model/monitor_pages.h"
#include "model/monitor_writer.h"
#include "model/preview_text.h"
#include "model/race_times.h"
#include "platform/services/clock.h"

#include <QTime>

namespace razudar::monitor {
namespace {

constexpr double kBibX = 500;
constexpr double kNameX = 600;
constexpr double kRunningX = 2880;
constexpr double kTotalX = 3260;
constexpr double kTotalPosX = 3310;
constexpr double kStateX = 3760;
// Per intermediate 1 and 2: its time, its gap (left) and its position (left).
constexpr double kSplitTimeX[] = {5100, 8000};
constexpr double kSplitGapX[] = {5150, 8050};
constexpr double kSplitPosX[] = {6150, 9050};
constexpr qint32 kDayMs = 24 * 3600 * 1000;

// The time of day to the second, as a packed time with 000 thousandths, in milliseconds.
qint32 nowMs(const Clock& clock) {
    const QTime t = clock.timeOfDay();
    return TempoInMillesimi(qint64(t.hour()) * 10000000 + qint64(t.minute()) * 100000 + qint64(t.second()) * 1000);
}

// The gap at intermediate j has a reference: a competitor other than c at the head of the
// intermediate's standings (the second when c leads) with a time at that intermediate.
bool hasReference(const clsKrono& k, qint32 slot, qint16 run, qint16 c, qint16 split) {
    int reference = k.ConcorrenteInPosizione(slot, 1, k.CategoriaMonitor());
    if (reference == c) reference = k.ConcorrenteInPosizione(slot, 2, k.CategoriaMonitor());
    if (reference == -1 || reference == c || !basic::fitsInteger(reference)) return false;
    return k.TempoIntermedioConcorrente(run, qint16(reference), split) > 0;
}

}  // namespace

void scriviTempoCorrere(const clsKrono& k, const MonitorPageSettings& settings, const Clock* clock,
                        TextListSurface& Pic) {
    MonitorWriter w(Pic, settings, k);
    const int first = settings.MonitorRigaInPista() + 1;
    const int rowsOnCourse = settings.MonitorRigheInPista();
    for (int r = first; r <= first + rowsOnCourse; ++r) rigaVuota(Pic, r);
    const int splits = Minimo<int>(k.cGara.Intermedi(), 2);
    w.text(QStringLiteral("N."), 2, first, kBibX, false, -4);
    w.text(QStringLiteral("NAME"), 2, first, kNameX, true, -4);
    w.text(QStringLiteral("TIME"), 2, first, kRunningX, false, -4);
    for (int j = 1; j <= splits; ++j)
        w.text(QStringLiteral("INT.") + QString::number(j), 2, first, kSplitTimeX[j - 1], false, -4);

    const qint16 run = k.MancheCorrente();
    const QString& category = k.CategoriaMonitor();
    int n = 0;
    for (const qint16 c : k.slotOrder(clsKrono::kStartOrderSlot)) {
        const bool finishing = c == k.ConcorrenteTraguardo();
        if (n >= rowsOnCourse) break;
        const qint32 s = k.StatoConcorrenteDopoManche(run, c);
        if (!finishing && s != 20) continue;
        ++n;
        const int row = first + n;
        const clsConcorrente& rec = preview::record(k, c);
        const clsRisultati& res = preview::result(rec, run);
        w.text(QString::number(k.PettoraleDaConcorrente(c, true)), 6, row, kBibX, false, 0);
        w.text(basic::Trim(basic::UCase(basic::Left(rec.Cognome(), 10))), finishing ? 7 : 13, row, kNameX, true, 0);
        if (s == 30 || s == 40 || s == 60) {
            w.text(k.StatoSigla(s), 2, row, kStateX, false, 0);
            continue;
        }
        if (finishing && res.Tempo() != 0) {
            w.textInColour(w.time(k.TempoTotaleConcorrente(run, c)), 0, row, kTotalX, false, 0);
            const int position = k.PosizioneInClassifica(0, c, category);
            if (position != 0)
                w.text(u'(' + QString::number(position) + u')', 19, row + 0.1, kTotalPosX, true, -2);
        } else if (clock) {
            qint64 elapsed = qint64(nowMs(*clock)) - TempoInMillesimi(res.OrarioPartenza());
            // Started before midnight, still running after it.
            if (elapsed < 0) elapsed += kDayMs;
            // Earlier runs count in milliseconds too (their total is a packed time).
            if (!k.UtilizzaSingolaManche()) elapsed += TempoInMillesimi(k.TempoTotaleConcorrente(run - 1, c));
            const auto ms = basic::narrowToLong(elapsed);
            const QString text = ConvertiRisoluzione(true, TempoInStringa(ms, 12, false, true, false),
                                                     k.cGara.Risoluzione()).toString();
            w.text(u' ' + text, 2, row, kRunningX, false, 0);
        }
        for (int j = 1; j <= splits; ++j) {
            const qint32 t = k.TempoIntermedioConcorrente(run, c, qint16(j));
            if (t <= 0) continue;
            const qint32 slot = j == 1 ? 6 : 7;
            const qint32 g = k.DistaccoDaPosizione(slot, run, c, 1, category);
            const bool ahead = g <= 0;
            w.text(w.time(t), ahead ? 3 : 2, row, kSplitTimeX[j - 1], false, 0);
            if (hasReference(k, slot, run, c, qint16(j)))
                w.text(preview::T(k, g, true, true), ahead ? 3 : 19, row + 0.1, kSplitGapX[j - 1], true, -2);
            const int position = k.PosizioneInClassifica(slot, c, category);
            if (position != 0)
                w.text(u'(' + QString::number(position) + u')', 19, row + 0.1, kSplitPosX[j - 1], true, -2);
        }
    }
}

}  // namespace razudar::monitor
