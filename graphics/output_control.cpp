#include "graphics/output_control.h"

#include <QImage>

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "model/basic.h"
#include "platform/renderer/frame_file.h"

namespace razudar::gra {

using renderer::OutputHandle;

bool OutputControl::ImpostaUscita() {
    const QString f = QStringLiteral("VGA");
    if (!s_.requireInitialised(f)) return false;
    if (s_.previewMode()) {
        for (int p = 0; p < kPlaneCount; ++p) {
            s_.deviceContexts[std::size_t(p)] = s_.panes ? s_.panes->paneSurface(p) : nullptr;
            if (!s_.deviceContexts[std::size_t(p)]) return s_.failed(f, QStringLiteral("finestra di anteprima assente"));
            if (!s_.model(p)->SetOutput(OutputHandle::window(s_.deviceContexts[std::size_t(p)]), true))
                return s_.failed(f, s_.model(p)->lastError());
        }
        return true;
    }
    for (int p = 0; p < kPlaneCount; ++p) {
        OutputHandle handle;
        if (!s_.Fb->GetOutputHandle(handle)) return s_.failed(f, s_.Fb->lastError());
        if (!s_.model(p)->SetOutput(handle, false)) return s_.failed(f, s_.model(p)->lastError());
    }
    return true;
}

void OutputControl::setVGA(bool on) {
    s_.booVGA = on;
    if (ImpostaUscita()) AggiornaMonitor();
}

bool OutputControl::VGA() const { return s_.booVGA; }

void OutputControl::AggiornaMonitor() {
    if (!s_.initialised) return;
    const QString f = QStringLiteral("AggiornaMonitor");
    if (s_.previewMode()) {
        const int tab = s_.panes ? s_.panes->selectedTab() : 0;
        int plane = -1;
        if (tab != 0 && s_.plane(1).Stato == piVisualizzato) plane = 1;
        else if (tab == 0 && s_.plane(0).Stato == piVisualizzato) plane = 0;
        if (plane < 0) return;
        renderer::Renderer* m = s_.model(plane);
        if (!m->Draw(s_.deviceContext(plane), 0, 0, kFrameWidth, kFrameHeight)) s_.failed(f, m->lastError());
        return;
    }
    if (!s_.Fb->UpdateOutput(0, 0, kFrameWidth, kFrameHeight)) s_.failed(f, s_.Fb->lastError());
}

void OutputControl::setPiano1Attivo(bool active) {
    const QString f = QStringLiteral("Piano1Attivo");
    if (!s_.requireInitialised(f)) return;
    if (!s_.Fb->SetLayer1Active(active ? 1 : 0)) s_.failed(f, s_.Fb->lastError());
}

bool OutputControl::Piano1Attivo() {
    const QString f = QStringLiteral("Piano1Attivo");
    if (!s_.requireInitialised(f)) return false;
    qint32 active = 0;
    if (!s_.Fb->GetLayer1Active(active)) return s_.failed(f, s_.Fb->lastError());
    return active == 1;
}

void OutputControl::SalvaSchermo(const QString& path) {
    const QString f = QStringLiteral("SalvaSchermo");
    if (!s_.requireInitialised(f)) return;
    // The output frame as on air: plane 1 over plane 0 when layer 1 is active, whether the
    // planes go to the board or to the preview panes.
    qint32 layer1 = 0;
    if (!s_.Fb->GetLayer1Active(layer1)) {
        s_.failed(f, s_.Fb->lastError());
        return;
    }
    const QImage frame = renderer::composePlanes(s_.Model0->currentFrame(),
                                                 layer1 == 1 ? s_.Model1->currentFrame() : QImage());
    QString error;
    if (!renderer::saveFrameFile(frame, path, &error)) s_.failed(f, error);
}

bool OutputControl::PreviewPiano(int plane, QImage* hdc, int w, int h) {
    if (!s_.initialised || !ControlState::isPlane(plane) || !s_.model(plane)) return false;
    const QString f = QStringLiteral("PreviewPiano");
    // The size is taken as a 16-bit Integer, as the board's scaler expects.
    const auto width = basic::toInteger(w);
    const auto height = basic::toInteger(h);
    if (!width || !height) return s_.failed(f, QStringLiteral("dimensioni %1 x %2 non valide").arg(w).arg(h));
    renderer::Renderer* m = s_.model(plane);
    if (!m->DrawScaled(hdc, 0, 0, kFrameWidth, kFrameHeight, *width, *height)) return s_.failed(f, m->lastError());
    return true;
}

void OutputControl::PreviewPagina(const QString& pageName, QImage* hdc, int w, int h) {
    const int index = s_.findPage(QStringLiteral("PreviewPagina"), pageName);
    if (index < 0) return;
    const int plane = s_.pages.at(index).Piano;
    if (ControlState::isPlane(plane)) PreviewPiano(plane, hdc, w, h);
}

void OutputControl::Anteprima(const QVariant& pageName, QImage* hdc, int w, int h) {
    const QString f = QStringLiteral("Anteprima");
    const int index = s_.findPage(f, basic::CStr(pageName));
    if (index < 0 || !s_.requireInitialised(f)) return;
    if (!s_.Model0->DrawPageFile(s_.pages.at(index).Path, hdc, 0, 0, w, h)) s_.failed(f, s_.Model0->lastError());
}

}  // namespace razudar::gra
