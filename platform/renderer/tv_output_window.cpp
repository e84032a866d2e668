#include "platform/renderer/tv_output_window.h"

#include <QMutexLocker>
#include <QPainter>
#include <QScreen>

namespace razudar::renderer {

TvOutputWindow::TvOutputWindow(QScreen* screen) {
    setScreen(screen);
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setGeometry(screen->geometry());
    setTitle(QStringLiteral("Razudar - Uscita TV"));
}

void TvOutputWindow::present(const QImage& frame) {
    {
        QMutexLocker lock(&mutex_);
        frame_ = frame;
    }
    // Queued to the window's thread; dropped if the window is gone by then.
    QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
}

void TvOutputWindow::paintEvent(QPaintEvent*) {
    QImage frame;
    {
        QMutexLocker lock(&mutex_);
        frame = frame_;
    }
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::black);
    if (!frame.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size()), frame);
    }
}

}  // namespace razudar::renderer
