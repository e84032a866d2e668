#pragma once
#include <QWidget>

#include "platform/renderer/frame_surface.h"

namespace razudar::renderer {

// A preview pane: shows the picture of its frame surface, scaled to the widget. The graphics
// control's objPiano(0) and objPiano(1) are two of these; their surfaces are the "device
// contexts" the renderers draw into in preview mode (Renderer::SetOutput(outputHandle(), true),
// Renderer::Draw(surface().get(), ...)). New frames delivered from the render thread schedule
// a repaint on the widget's own thread. The surface keeps its picture, so a repaint of the
// window needs no new drawing by the renderer (a repaint that drew again would loop).
class PlaneView : public QWidget {
    Q_OBJECT
public:
    explicit PlaneView(QWidget* parent = nullptr);
    ~PlaneView() override;

    const FrameSurfacePtr& surface() const { return surface_; }
    OutputHandle outputHandle() const { return OutputHandle::window(surface_); }
    // Empties the picture (a cleared plane).
    void clearPicture();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FrameSurfacePtr surface_;
};

}  // namespace razudar::renderer
