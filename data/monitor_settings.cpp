#include "data/monitor_settings.h"

namespace razudar {

void ImpostaLayoutMonitor(MonitorLayout& layout, qint16 a, qint16 b) {
    if (a != 0 || b != 0) {
        layout.MonitorPosizioniFisse = 3;
        layout.MonitorPosizioniCiclo = 12;
        layout.MonitorRigheInPista = 3;
    } else {
        layout.MonitorRigheInPista = 0;
        layout.MonitorPosizioniFisse = 10;
        layout.MonitorPosizioniCiclo = 10;
    }
    layout.MonitorRigaPosizioniFisse = 4;
    layout.MonitorRigaCiclo = static_cast<qint16>(layout.MonitorPosizioniFisse + 4);
    layout.MonitorRigaInPista = static_cast<qint16>(layout.MonitorRigaCiclo + layout.MonitorPosizioniCiclo);
}

}  // namespace razudar
