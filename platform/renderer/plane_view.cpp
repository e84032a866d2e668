#include "platform/renderer/plane_view.h"

#include <QPainter>
#include <QPointer>

#include "platform/renderer/renderer_types.h"

namespace razudar::renderer {

PlaneView::PlaneView(QWidget* parent) : QWidget(parent), surface_(std::make_shared<FrameSurface>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kFrameWidth / 4, kFrameHeight / 4);
    // The listener may run on the render thread: it only queues a repaint to this widget's
    // thread, and the destructor removes it before the widget goes away.
    surface_->setFrameListener([this] { QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection); });
}

PlaneView::~PlaneView() { surface_->setFrameListener({}); }

void PlaneView::clearPicture() { surface_->clear(); }

QSize PlaneView::sizeHint() const { return QSize(kFrameWidth, kFrameHeight); }

void PlaneView::paintEvent(QPaintEvent*) {
    const QImage frame = surface_->frame();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), frame);
    }
}

}  // namespace razudar::renderer
