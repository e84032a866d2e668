#include "app/windows/output_switches.h"

#include "app/controls/grafica_proxy.h"

namespace razudar {

void AttivaAnteprimaVGA(bool on, controls::GraficaProxy& gra, PreviewWindowHost& window) {
    gra.setVGA(on);
    const bool vga = gra.VGA();
    window.setControlVisible(vga);
    if (vga) {
        window.showPreview();
    } else {
        window.hidePreview();
    }
}

void AttivaUscitaTV(bool on, controls::GraficaProxy& gra) { gra.TV(on); }

}  // namespace razudar
