#pragma once
// The drawing surface of the text list (the picture inside the control): its size, its scale
// (twips, or a row scale where X runs from 1 to 9645 across and Y from 1 to the row count
// down), and the drawing state the members set: position, text colour, font, line width.
// Positions are kept in pixels, so a change of scale leaves what was drawn where it is.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

#include "list/surface_drawing.h"

namespace razudar::list {

// Screen twips per pixel (1440 twips an inch at 96 pixels an inch).
constexpr double kTwipsPerPixel = 15.0;

// A colour in the long form 0x00BBGGRR as an RGB value; the high byte is ignored.
QRgb rgbFromLong(qint64 colour);
qint32 longFromRgb(QRgb rgb);

class ListSurface {
public:
    ListSurface();

    void setSizePx(const QSizeF& sizePx);
    QSizeF sizePx() const { return sizePx_; }

    // Twips (the default) or the row scale over `rows` rows.
    void useTwips() { rowScaleRows_ = 0; }
    void useRowScale(int rows) { rowScaleRows_ = rows; }
    bool rowScale() const { return rowScaleRows_ > 0; }

    const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    QRgb foreColour() const { return foreColour_; }
    void setForeColour(QRgb colour) { foreColour_ = colour; }
    void setDrawWidth(int widthPx) { drawWidthPx_ = widthPx; }

    // Drawing position in the current scale.
    double currentX() const;
    double currentY() const;
    void setCurrentX(double x);
    void setCurrentY(double y);

    // Extent of a text in the font, in the current scale, and its height in twips.
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    double textHeightTwips(const QString& text) const;
    // How far apart, in whole pixels, the baselines of two lines must be for the highest accent
    // on a capital of the lower line to leave one blank pixel row above it, under the capitals and
    // figures of the upper line (text is drawn on whole pixel rows).
    int accentClearLineSpacingPx() const;

    // Prints at the drawing position; then the position is right after the text (newLine
    // false) or at the left edge of the next line. widthPx is the text's width when the caller
    // has measured it already.
    void print(const QString& text, bool newLine, std::optional<double> widthPx = std::nullopt);
    // The text's width in pixels.
    double textWidthPx(const QString& text) const;
    // A line between two points of the current scale, in the current colour argument.
    void line(double x1, double y1, double x2, double y2, QRgb colour);
    // Everything drawn is gone; the position goes back to the top-left.
    void clear();

    const SurfaceDrawing& drawing() const { return drawing_; }

    // Surface units per pixel in the current scale.
    double unitsPerPxX() const;
    double unitsPerPxY() const;

private:
    double originX() const { return rowScale() ? 1.0 : 0.0; }
    double originY() const { return rowScale() ? 1.0 : 0.0; }
    QSizeF textSizePx(const QString& text) const;

    QImage metricsDevice_;  // 96 dots per inch, so point sizes map to pixels the same everywhere
    QFontMetricsF metrics_;  // of font_ on that device
    qreal fontHeightPx_ = 0;
    qreal fontAscentPx_ = 0;
    qreal fixedAdvancePx_ = 0;  // one letter's advance in a fixed-pitch face, else 0
    QSizeF sizePx_;
    int rowScaleRows_ = 0;
    QFont font_;
    QRgb foreColour_ = 0xff000000;
    int drawWidthPx_ = 1;
    QPointF positionPx_;
    SurfaceDrawing drawing_;
};

}  // namespace razudar::list
