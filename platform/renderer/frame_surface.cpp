#include "platform/renderer/frame_surface.h"

#include <QMutexLocker>

#include "platform/renderer/renderer_types.h"

namespace razudar::renderer {

FrameSurface::FrameSurface() {
    frame_ = QImage(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
    frame_.fill(Qt::transparent);
}

QImage FrameSurface::frame() const {
    QMutexLocker lock(&mutex_);
    return frame_;
}

void FrameSurface::setFrame(const QImage& frame) {
    {
        QMutexLocker lock(&mutex_);
        frame_ = frame;
        ++frameCount_;
    }
    notify();
}

void FrameSurface::clear() {
    {
        QMutexLocker lock(&mutex_);
        QImage empty(frame_.size().isEmpty() ? QSize(kFrameWidth, kFrameHeight) : frame_.size(),
                     QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        frame_ = empty;
        ++frameCount_;
    }
    notify();
}

QSize FrameSurface::size() const {
    QMutexLocker lock(&mutex_);
    return frame_.size();
}

void FrameSurface::resize(const QSize& size) {
    {
        QMutexLocker lock(&mutex_);
        QImage empty(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        frame_ = empty;
        ++frameCount_;
    }
    notify();
}

quint64 FrameSurface::frameCount() const {
    QMutexLocker lock(&mutex_);
    return frameCount_;
}

void FrameSurface::setFrameListener(std::function<void()> listener) {
    QMutexLocker lock(&listenerMutex_);
    listener_ = std::move(listener);
}

void FrameSurface::paintWith(const std::function<void(QImage&)>& paint) {
    {
        QMutexLocker lock(&mutex_);
        if (frame_.format() != QImage::Format_ARGB32_Premultiplied) {
            frame_ = frame_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        paint(frame_);
        ++frameCount_;
    }
    notify();
}

void FrameSurface::notify() {
    QMutexLocker lock(&listenerMutex_);
    if (listener_) listener_();
}

}  // namespace razudar::renderer
