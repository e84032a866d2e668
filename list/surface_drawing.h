#pragma once
// What has been drawn on a list surface: texts and lines in the surface's pixels, kept in the
// order they were drawn and found by the bands of rows they touch, so a paint only visits what
// it shows.
//
// Memory stays bounded by what can be seen, however often the same place is written: a
// drawing that lies wholly outside the surface is not kept (the surface never grows to take
// it), a text made of blanks erases what lies wholly under it, drawing the same text again at
// the same place replaces it, and a band that gathers more drawings than a written list ever
// puts there (a clock rewritten at one spot, texts laid partly over others) is flattened into
// the band's picture: its drawings are painted into it in order and no longer kept one by one.
// clear() frees all.
#include <QColor>
#include <QFont>
#include <QImage>
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
    qreal advance = 0;  // the text's own width in pixels
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
    // Drawings a band keeps one by one before it is flattened into its picture: a written
    // list puts a few rows of texts and lines in a band, far fewer than this.
    static constexpr int kDefaultBandLimit = 64;
    explicit SurfaceDrawing(int bandLimit = kDefaultBandLimit);

    // The surface's extent in pixels; what lies wholly outside it is dropped when drawn.
    void setExtent(const QSizeF& extentPx);
    QSizeF extent() const { return extent_; }

    void addText(DrawnText text);
    void addLine(const DrawnLine& line);
    void clear();

    // Paints what touches the view `viewPx` of the surface with the view's top-left at (0, 0)
    // of the painter; blanks are painted in `background`.
    void paint(QPainter& painter, const QRectF& viewPx, const QColor& background) const;

    // The right edge of what is drawn (texts other than blanks, and lines), in pixels, at
    // most kMaxContentPx; 0 after clear().
    qreal contentRight() const { return contentRight_; }
    static constexpr qreal kMaxContentPx = 8192;

    // Drawings still kept one by one, in drawing order (for tests and for hosts that inspect
    // the list); those flattened into a band's picture are no longer listed.
    std::vector<DrawnText> texts() const;
    std::vector<DrawnLine> lines() const;
    qsizetype itemCount() const { return live_; }
    // Bytes of the bands' pictures.
    qsizetype pictureBytes() const;

private:
    struct Item {
        std::optional<DrawnText> text;
        std::optional<DrawnLine> line;
        QRectF bounds;
        int bandRefs = 0;  // bands that still keep it one by one
    };
    struct Band {
        std::vector<quint32> refs;  // items touching the band, in drawing order
        QImage picture;             // the band's flattened drawings, transparent elsewhere
    };
    static constexpr qreal kBandPx = 64;
    // Room for drawings kept across clear().
    static constexpr size_t kKeptCapacity = 8192;

    bool outsideSurface(const QRectF& bounds) const;
    std::pair<int, int> bandSpan(const QRectF& bounds) const;
    void add(Item item);
    void drop(std::optional<Item>& item);
    void removeCovered(const QRectF& box);
    void removeSameText(const DrawnText& text);
    std::vector<quint32> candidates(qreal topPx, qreal bottomPx) const;
    void keepBandBounded(int band);
    void flatten(int band);
    void compact();
    static void drawItem(QPainter& painter, const Item& item, const QColor& background, bool clearBlanks);

    int bandLimit_;
    QSizeF extent_;
    std::vector<std::optional<Item>> items_;
    std::vector<Band> bands_;
    qsizetype live_ = 0;
    qreal contentRight_ = 0;
};

}  // namespace razudar::list
