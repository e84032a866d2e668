#pragma once
#include <QImage>
#include <QMutex>
#include <QRasterWindow>

namespace razudar::renderer {

// The TV output: a frameless window covering one screen that shows the board's latest frame
// (scaled to the screen, on black). Frames may come from the render thread.
class TvOutputWindow : public QRasterWindow {
    Q_OBJECT
public:
    explicit TvOutputWindow(QScreen* screen);
    // Thread-safe: keeps the frame and schedules a repaint on the window's thread.
    void present(const QImage& frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMutex mutex_;
    QImage frame_;
};

}  // namespace razudar::renderer
