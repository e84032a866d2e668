#pragma once
// The two output switches of the graphics control: the VGA preview (the preview window shows
// the pages) and the video board's TV output.
namespace razudar {

namespace controls {
class GraficaProxy;
}

// What the VGA preview switch needs of the preview window.
class PreviewWindowHost {
public:
    virtual ~PreviewWindowHost() = default;
    virtual void setControlVisible(bool visible) = 0;
    virtual void showPreview() = 0;
    virtual void hidePreview() = 0;
};

// Switches the control's preview mode; the control and the window are shown exactly when the
// control then reports VGA on. The window is only hidden, never released.
void AttivaAnteprimaVGA(bool on, controls::GraficaProxy& gra, PreviewWindowHost& window);
// Switches the video board's output.
void AttivaUscitaTV(bool on, controls::GraficaProxy& gra);

}  // namespace razudar
