#include "list/list_surface.h"

#include <algorithm>
#include <cmath>

namespace razudar::list {
namespace {

// The right edge of the row scale.
constexpr double kRowScaleRight = 9645.0;
// 96 dots per inch in dots per metre.
constexpr int kDotsPerMetre = 3780;
// The capitals with the marks a name carries, and the capitals and figures that stand on the
// baseline (a Q's tail is left out: spacing every row for it would be out of measure).
const QString kAccentedCapitals = QStringLiteral("ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝ");
const QString kBaselineCapitals = QStringLiteral("ABCDEFGHIJKLMNOPRSTUVWXYZ0123456789");

}  // namespace

QRgb rgbFromLong(qint64 colour) {
    const auto v = quint32(colour & 0xffffff);
    return qRgb(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

qint32 longFromRgb(QRgb rgb) { return qint32(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16)); }

ListSurface::ListSurface() : metricsDevice_(1, 1, QImage::Format_RGB32), metrics_(QFont()) {
    metricsDevice_.setDotsPerMeterX(kDotsPerMetre);
    metricsDevice_.setDotsPerMeterY(kDotsPerMetre);
    // The design font, or the fixed-pitch faces that stand in for it where it is not installed:
    // the preview's columns line up by character count.
    font_ = QFont(QStringLiteral("Courier New"), 10);
    font_.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS"),
                       QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font_.setStyleHint(QFont::TypeWriter);
    setFont(font_);
}

void ListSurface::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetricsF(font_, &metricsDevice_);
    fontHeightPx_ = metrics_.height();
    fontAscentPx_ = metrics_.ascent();
    // A fixed-pitch face gives every Latin-1 letter the same advance: a row's width is then its
    // length times one letter's, with no shaping (the preview writes a thousand rows at a time).
    const qreal narrow = metrics_.horizontalAdvance(QStringLiteral("i"));
    const qreal wide = metrics_.horizontalAdvance(QStringLiteral("iW@"));
    fixedAdvancePx_ = narrow > 0 && qAbs(wide - 3 * narrow) < 1e-6 ? narrow : 0;
}

void ListSurface::setSizePx(const QSizeF& sizePx) {
    sizePx_ = sizePx;
    drawing_.setExtent(sizePx);
}

double ListSurface::unitsPerPxX() const {
    if (!rowScale()) return kTwipsPerPixel;
    return sizePx_.width() > 0 ? (kRowScaleRight - 1.0) / sizePx_.width() : 1.0;
}

double ListSurface::unitsPerPxY() const {
    if (!rowScale()) return kTwipsPerPixel;
    const double span = std::max(1, rowScaleRows_ - 1);
    return sizePx_.height() > 0 ? span / sizePx_.height() : 1.0;
}

double ListSurface::currentX() const { return originX() + positionPx_.x() * unitsPerPxX(); }
double ListSurface::currentY() const { return originY() + positionPx_.y() * unitsPerPxY(); }
void ListSurface::setCurrentX(double x) { positionPx_.setX((x - originX()) / unitsPerPxX()); }
void ListSurface::setCurrentY(double y) { positionPx_.setY((y - originY()) / unitsPerPxY()); }

QSizeF ListSurface::textSizePx(const QString& text) const {
    return {metrics_.horizontalAdvance(text), fontHeightPx_};
}

double ListSurface::textWidthPx(const QString& text) const {
    if (fixedAdvancePx_ > 0 &&
        std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() >= 0x20 && ch.unicode() < 0x100; }))
        return double(text.size()) * fixedAdvancePx_;
    return metrics_.horizontalAdvance(text);
}

double ListSurface::textWidth(const QString& text) const { return textSizePx(text).width() * unitsPerPxX(); }
double ListSurface::textHeight(const QString& text) const { return textSizePx(text).height() * unitsPerPxY(); }
double ListSurface::textHeightTwips(const QString& text) const { return textSizePx(text).height() * kTwipsPerPixel; }

int ListSurface::accentClearLineSpacingPx() const {
    const double above = -metrics_.tightBoundingRect(kAccentedCapitals).top();
    const double below = std::max(0.0, metrics_.tightBoundingRect(kBaselineCapitals).bottom());
    return int(std::ceil(above) + std::ceil(below)) + 1;
}

void ListSurface::print(const QString& text, bool newLine, std::optional<double> widthPx) {
    // A text followed by a new line that starts on the surface covers the rest of its line: its
    // box reaches the right edge (or its own end when it runs beyond).
    const double advance = widthPx ? *widthPx : textWidthPx(text);
    const bool toLineEnd = !widthPx && newLine && positionPx_.x() >= 0 && !isBlankText(text);
    const double width = toLineEnd ? std::max(advance, sizePx_.width() - positionPx_.x()) : advance;
    if (!text.isEmpty()) {
        DrawnText drawn;
        drawn.topLeft = positionPx_;
        drawn.text = text;
        drawn.font = font_;
        drawn.colour = foreColour_;
        drawn.ascent = fontAscentPx_;
        drawn.box = QRectF(positionPx_, QSizeF(width, fontHeightPx_));
        drawn.advance = advance;
        drawing_.addText(std::move(drawn));
    }
    if (newLine) positionPx_ = QPointF(0, positionPx_.y() + fontHeightPx_);
    else positionPx_.setX(positionPx_.x() + width);
}

void ListSurface::line(double x1, double y1, double x2, double y2, QRgb colour) {
    const QPointF from((x1 - originX()) / unitsPerPxX(), (y1 - originY()) / unitsPerPxY());
    const QPointF to((x2 - originX()) / unitsPerPxX(), (y2 - originY()) / unitsPerPxY());
    drawing_.addLine(DrawnLine{QLineF(from, to), drawWidthPx_, colour});
    positionPx_ = to;
}

void ListSurface::clear() {
    drawing_.clear();
    positionPx_ = QPointF();
}

}  // namespace razudar::list
