#pragma once
// The visible window onto the list surface: paints the band of the surface that scrolling
// brings into view (at 96 dots per inch, as the text was measured) and reports clicks. The band
// is drawn into a picture kept until something changes, so a repaint of an unchanged list (an
// expose, a window moved over it) is a copy.
#include <QImage>
#include <QWidget>

namespace razudar::list {

class Stovak;

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(Stovak& control);
    // What is drawn, its scroll position or its colours changed: draw the band again.
    void invalidate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawBand();

    Stovak& control_;
    QImage buffer_;
    bool stale_ = true;
};

}  // namespace razudar::list
