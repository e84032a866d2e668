#pragma once
// The monitor settings and layout as the results-monitor pages of the race state read them.
#include "data/monitor_settings.h"
#include "model/monitor_page_settings.h"

namespace razudar {

class MonitorPageView final : public MonitorPageSettings {
public:
    explicit MonitorPageView(const MonitorState& monitor) : monitor_(monitor) {}
    qint32 Colore(qint32 IndiceColore) const override { return monitor_.ImpostazioniMonitor.Colore(IndiceColore); }
    bool TempoCorrereSenzaIntermedi() const override {
        return monitor_.ImpostazioniMonitor.TempoCorrereSenzaIntermedi();
    }
    qint16 MonitorPosizioniFisse() const override { return monitor_.layout.MonitorPosizioniFisse; }
    qint16 MonitorPosizioniCiclo() const override { return monitor_.layout.MonitorPosizioniCiclo; }
    qint16 MonitorRigheInPista() const override { return monitor_.layout.MonitorRigheInPista; }
    qint16 MonitorRigaPosizioniFisse() const override { return monitor_.layout.MonitorRigaPosizioniFisse; }
    qint16 MonitorRigaCiclo() const override { return monitor_.layout.MonitorRigaCiclo; }
    qint16 MonitorRigaInPista() const override { return monitor_.layout.MonitorRigaInPista; }

private:
    const MonitorState& monitor_;
};

}  // namespace razudar
