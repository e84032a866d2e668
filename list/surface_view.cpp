#include "list/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "list/stovak.h"

namespace razudar::list {
namespace {

constexpr int kDotsPerMetre = 3780;  // 96 dots per inch

}  // namespace

SurfaceView::SurfaceView(Stovak& control) : QWidget(&control), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::invalidate() {
    stale_ = true;
    update();
}

void SurfaceView::paintEvent(QPaintEvent*) {
    if (buffer_.size() != size()) {
        buffer_ = QImage(size(), QImage::Format_RGB32);
        buffer_.setDotsPerMeterX(kDotsPerMetre);
        buffer_.setDotsPerMeterY(kDotsPerMetre);
        stale_ = true;
    }
    if (stale_) drawBand();
    QPainter(this).drawImage(0, 0, buffer_);
}

void SurfaceView::drawBand() {
    stale_ = false;
    const ListSurface& surface = control_.surface();
    const qreal topPx = -double(control_.surfaceTopTwips()) / kTwipsPerPixel;
    const qreal leftPx = control_.horizontalOffset();
    const QColor back = QColor::fromRgb(rgbFromLong(control_.BackColor()));
    buffer_.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&buffer_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRectF onSurface(-leftPx, -topPx, control_.paintedWidthPx(), surface.sizePx().height());
        painter.fillRect(onSurface.intersected(QRectF(buffer_.rect())), back);
        painter.setClipRect(onSurface);
        surface.drawing().paint(painter, QRectF(leftPx, topPx, width(), height()), back);
    }
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit control_.Click();
}

}  // namespace razudar::list
