#pragma once
// What has been drawn on a list surface: texts and lines in the surface's pixels, kept in the
// order they were drawn and found by the bands of rows they touch, so a paint only visits what
// it shows.
//
// Memory stays bounded by what can be seen: a drawing that lies wholly outside the surface is
// not kept (the surface never grows to take it), a text made of blanks erases what lies wholly
// under it, drawing the same text again at the same place replaces it, and clear() frees all.
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace razudar::list {

struct DrawnText {
    QPointF topLeft;  // pixels on the surface
    QString text;
    QFont font;
    QRgb colour = 0;
    // Top-left, width and font height. The width is the text's advance when it was measured
    // (a text written with X, kept on its line, or of blanks); a row followed by a new line
    // reaches the surface's right edge instead.
    QRectF box;
    qreal ascent = 0;
};

// A text of blanks only: it erases what it covers.
bool isBlankText(const QString& text);

struct DrawnLine {
    QLineF line;      // pixels on the surface
    int widthPx = 1;
    QRgb colour = 0;
};

class SurfaceDrawing {
public:
    // The surface's extent in pixels; what lies wholly outside it is dropped when drawn.
    void setExtent(const QSizeF& extentPx);
    QSizeF extent() const { return extent_; }

    void addText(DrawnText text);
    void addLine(const DrawnLine& line);
    void clear();

    // Paints what touches the surface's band [topPx, topPx + heightPx) with its top at y 0 of
    // the painter; blanks are painted in `background`.
    void paint(QPainter& painter, qreal topPx, qreal heightPx, const QColor& background) const;

    // Texts still kept, in drawing order (for tests and for hosts that inspect the list).
    std::vector<DrawnText> texts() const;
    std::vector<DrawnLine> lines() const;
    qsizetype itemCount() const { return live_; }

private:
    struct Item {
        std::optional<DrawnText> text;
        std::optional<DrawnLine> line;
        QRectF bounds;
    };
    static constexpr qreal kBandPx = 64;
    // Room for drawings kept across clear().
    static constexpr size_t kKeptCapacity = 8192;

    bool outsideSurface(const QRectF& bounds) const;
    void add(Item item);
    void removeCovered(const QRectF& box);
    void removeSameText(const DrawnText& text);
    std::vector<quint32> candidates(qreal topPx, qreal bottomPx) const;
    void compact();
    void reindex();

    QSizeF extent_;
    std::vector<std::optional<Item>> items_;
    std::vector<std::vector<quint32>> bands_;
    qsizetype live_ = 0;
};

}  // namespace razudar::list
