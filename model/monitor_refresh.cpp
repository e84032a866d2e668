// The race state's members for the operator preview and the results monitor: they pick the
// builder or page and keep the monitor's cycling position.
#include "model/caption_label.h"
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/monitor_host.h"
#include "model/monitor_page_settings.h"
#include "model/monitor_pages.h"
#include "model/preview_list.h"
#include "model/text_list_surface.h"

namespace razudar {
namespace {

// What the pages read when no monitor settings were handed in: every value 0.
class NoMonitorSettings final : public MonitorPageSettings {
public:
    qint32 Colore(qint32) const override { return 0; }
    bool TempoCorrereSenzaIntermedi() const override { return false; }
    qint16 MonitorPosizioniFisse() const override { return 0; }
    qint16 MonitorPosizioniCiclo() const override { return 0; }
    qint16 MonitorRigheInPista() const override { return 0; }
    qint16 MonitorRigaPosizioniFisse() const override { return 0; }
    qint16 MonitorRigaCiclo() const override { return 0; }
    qint16 MonitorRigaInPista() const override { return 0; }
};
const NoMonitorSettings kNoMonitorSettings;

bool validSlot(qint32 Classifica) { return Classifica >= 0 && Classifica < clsKrono::kSlotCount; }

}  // namespace

void clsKrono::setMonitorEnvironment(const MonitorPageSettings* settings, const Clock* clock) {
    monitorSettings_ = settings;
    monitorClock_ = clock;
}

const MonitorPageSettings& clsKrono::monitorSettings() const {
    return monitorSettings_ ? *monitorSettings_ : kNoMonitorSettings;
}

void clsKrono::VisualizzaPreview(TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                                 const QString& Categoria) const {
    lst.setVisible(false);
    lst.Pulisci();
    lbl.setAlignment(0);
    const qint32 type = TipoClassifica(Classifica);
    if ((type == 0 || type == 1) && MancheParallelo()) preview::scriviSfide(*this, lst, lbl, Categoria);
    else if (type == 0 || type == 1) preview::scriviClassifica(*this, lst, lbl, Classifica, Categoria);
    else if (type == 2) preview::scriviIntermedio(*this, lst, lbl, Classifica, Categoria);
    lst.setVisible(true);
}

bool clsKrono::VisualizzaMonitorClassifica(TextListSurface& Pic, qint32 Classifica, qint16 Inizio, qint16 Fine,
                                           qint16 Riga, qint16 Colonna,
                                           std::optional<bool> PrimaPulisciPagina) const {
    Q_UNUSED(Colonna);
    if (!validSlot(Classifica)) return false;
    monitor::scriviClassifica(*this, monitorSettings(), Pic, Classifica, Inizio, Fine, Riga,
                              PrimaPulisciPagina.value_or(false));
    return true;
}

void clsKrono::VisualizzaMonitorParallelo(TextListSurface& Pic) const {
    monitor::scriviParallelo(*this, monitorSettings(), Pic);
}

void clsKrono::VisualizzaTempoCorrere(TextListSurface& Pic) const {
    monitor::scriviTempoCorrere(*this, monitorSettings(), monitorClock_, Pic);
}

void clsKrono::CiclaConcorrentiMonitor() {
    const MonitorPageSettings& settings = monitorSettings();
    const int p = PosizioneVisualizzata();
    const int next = p + settings.MonitorPosizioniCiclo();
    const int c = next <= 32767 ? ConcorrenteInPosizione(kOverallSlot, next, CategoriaMonitor()) : -1;
    // A position past the 16-bit range, an empty one or one without an arrived competitor
    // starts the cycle again after the leading block.
    if (c == -1 || c < -32768 || c > 32767 || StatoConcorrenteDopoManche(MancheCorrente(), qint16(c)) != kStatoArrivato)
        setPosizioneVisualizzata(qint16(settings.MonitorPosizioniFisse() + 1));
    else
        setPosizioneVisualizzata(qint16(next));
}

void clsKrono::AggiornaMonitor(MonitorHost& frm, qint16 Traguardo) {
    const MonitorPageSettings& settings = monitorSettings();
    const qint16 run = MancheSfidaCorrente();
    if (cGara.PagineMonitor() <= 0) return;
    TextListSurface* surface = frm.lstPagina(0);
    if (!surface) return;
    if (MancheParallelo()) {
        VisualizzaMonitorParallelo(*surface);
        return;
    }
    const qint32 state = runState(findConcorrente(Traguardo), run);
    if (state == kStatoArrivato || state == kStatoEscluso) {
        const int c = ConcorrenteInPosizione(kOverallSlot, PosizioneVisualizzata(), CategoriaMonitor());
        if (c == -1 || c < -32768 || c > 32767 || StatoConcorrenteDopoManche(run, qint16(c)) != kStatoArrivato)
            setPosizioneVisualizzata(qint16(settings.MonitorPosizioniFisse() + 1));
        const qint16 fixed = settings.MonitorPosizioniFisse();
        VisualizzaMonitorClassifica(*surface, kOverallSlot, 1, fixed, settings.MonitorRigaPosizioniFisse(), 1, true);
        const qint16 p = PosizioneVisualizzata();
        const int last = std::min(32767, p + settings.MonitorPosizioniCiclo() - 1);
        VisualizzaMonitorClassifica(*surface, kOverallSlot, p, qint16(last), settings.MonitorRigaCiclo(), 1, true);
    }
    if (cGara.Intermedi() > 0 || settings.TempoCorrereSenzaIntermedi()) {
        qint16 row = settings.MonitorRigaInPista();
        frm.ScriviRiga(*surface, true, settings.Colore(2), 200, row, 0);
        VisualizzaTempoCorrere(*surface);
    }
}

}  // namespace razudar
