#pragma once
// The visible window onto the list surface: paints the band of the surface that scrolling
// brings into view (at 96 dots per inch, as the text was measured) and reports clicks.
#include <QImage>
#include <QWidget>

namespace razudar::list {

class Stovak;

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(Stovak& control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Stovak& control_;
    QImage buffer_;
};

}  // namespace razudar::list
