#include "list/surface_drawing.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace razudar::list {
bool isBlankText(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar ch) { return ch == u' '; });
}

namespace {

constexpr int kDotsPerMetre = 3780;  // 96 dots per inch, as the texts were measured
constexpr quint32 kGone = std::numeric_limits<quint32>::max();

bool sameText(const DrawnText& a, const DrawnText& b) {
    return a.topLeft == b.topLeft && a.colour == b.colour && a.text == b.text && a.font == b.font;
}

}  // namespace

SurfaceDrawing::SurfaceDrawing(int bandLimit) : bandLimit_(std::max(1, bandLimit)) {}

bool SurfaceDrawing::outsideSurface(const QRectF& bounds) const {
    return bounds.bottom() <= 0 || bounds.right() <= 0 || bounds.top() >= extent_.height() ||
           bounds.left() >= extent_.width();
}

std::pair<int, int> SurfaceDrawing::bandSpan(const QRectF& bounds) const {
    // Only the part on the surface is indexed (a line may run far beyond it).
    const qreal top = std::clamp(bounds.top(), 0.0, extent_.height());
    const qreal bottom = std::clamp(bounds.bottom(), top, extent_.height());
    return {int(std::floor(top / kBandPx)), int(std::floor(bottom / kBandPx))};
}

void SurfaceDrawing::addText(DrawnText text) {
    if (outsideSurface(text.box)) return;
    const bool blank = isBlankText(text.text);
    if (blank) removeCovered(text.box);
    else removeSameText(text);
    if (!blank) contentRight_ = std::clamp(text.topLeft.x() + text.advance, contentRight_, kMaxContentPx);
    const QRectF bounds = text.box;
    add(Item{std::move(text), std::nullopt, bounds});
}

void SurfaceDrawing::addLine(const DrawnLine& line) {
    const qreal half = std::max(1, line.widthPx) / 2.0 + 1;
    const QRectF bounds = QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(-half, -half, half, half);
    if (outsideSurface(bounds)) return;
    contentRight_ = std::clamp(bounds.right(), contentRight_, kMaxContentPx);
    add(Item{std::nullopt, line, bounds});
}

void SurfaceDrawing::clear() {
    // Every drawing is freed. The index keeps its room for a list of the same length, which is
    // what the next fill writes; a very long one gives its room back.
    const bool large = items_.capacity() > kKeptCapacity;
    items_.clear();
    for (auto& band : bands_) {
        band.refs.clear();
        band.picture = QImage();
    }
    if (large) {
        std::vector<std::optional<Item>>().swap(items_);
        std::vector<Band>().swap(bands_);
    }
    live_ = 0;
    contentRight_ = 0;
}

void SurfaceDrawing::add(Item item) {
    const auto index = static_cast<quint32>(items_.size());
    const auto [first, last] = bandSpan(item.bounds);
    if (bands_.size() <= size_t(last)) bands_.resize(size_t(last) + 1);
    item.bandRefs = last - first + 1;
    for (int band = first; band <= last; ++band) bands_[size_t(band)].refs.push_back(index);
    items_.push_back(std::move(item));
    ++live_;
    for (int band = first; band <= last; ++band) keepBandBounded(band);
}

void SurfaceDrawing::drop(std::optional<Item>& item) {
    item.reset();
    --live_;
}

std::vector<quint32> SurfaceDrawing::candidates(qreal topPx, qreal bottomPx) const {
    std::vector<quint32> found;
    if (bands_.empty()) return found;
    const auto [first, lastOnSurface] = bandSpan(QRectF(QPointF(0, topPx), QPointF(0, bottomPx)));
    const int last = std::min(int(bands_.size()) - 1, lastOnSurface);
    for (int band = first; band <= last; ++band)
        found.insert(found.end(), bands_[size_t(band)].refs.begin(), bands_[size_t(band)].refs.end());
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void SurfaceDrawing::removeCovered(const QRectF& box) {
    for (quint32 index : candidates(box.top(), box.bottom())) {
        auto& item = items_[index];
        if (item && box.contains(item->bounds)) drop(item);
    }
    compact();
}

void SurfaceDrawing::removeSameText(const DrawnText& text) {
    // The same text at the same place lies in the band of its top.
    const int band = bandSpan(text.box).first;
    if (size_t(band) >= bands_.size()) return;
    bool removed = false;
    for (quint32 index : bands_[size_t(band)].refs) {
        auto& item = items_[index];
        if (item && item->text && sameText(*item->text, text)) {
            drop(item);
            removed = true;
        }
    }
    if (removed) compact();
}

void SurfaceDrawing::keepBandBounded(int band) {
    auto& refs = bands_[size_t(band)].refs;
    if (qsizetype(refs.size()) <= bandLimit_) return;
    std::erase_if(refs, [this](quint32 index) { return !items_[index]; });
    if (qsizetype(refs.size()) > bandLimit_) flatten(band);
}

void SurfaceDrawing::flatten(int band) {
    Band& b = bands_[size_t(band)];
    const qreal top = band * kBandPx;
    qreal right = extent_.width();
    for (quint32 index : b.refs) right = std::max(right, items_[index]->bounds.right());
    const int width = int(std::ceil(std::min(right, kMaxContentPx)));
    if (b.picture.isNull() || b.picture.width() < width) {
        QImage wider(width, int(kBandPx), QImage::Format_ARGB32_Premultiplied);
        wider.setDotsPerMeterX(kDotsPerMetre);
        wider.setDotsPerMeterY(kDotsPerMetre);
        wider.fill(Qt::transparent);
        if (!b.picture.isNull()) QPainter(&wider).drawImage(0, 0, b.picture);
        b.picture = std::move(wider);
    }
    {
        QPainter painter(&b.picture);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(0, -top);
        for (quint32 index : b.refs) drawItem(painter, *items_[index], Qt::transparent, true);
    }
    // A drawing that reaches into other bands stays kept there.
    for (quint32 index : b.refs) {
        auto& item = items_[index];
        if (--item->bandRefs == 0) drop(item);
    }
    b.refs.clear();
    compact();
}

void SurfaceDrawing::setExtent(const QSizeF& extentPx) {
    const qreal oldHeight = extent_.height();
    extent_ = extentPx;
    if (extentPx.height() <= oldHeight || live_ == 0) return;
    // The index covers the surface only: a taller one indexes what reaches into the new part,
    // in drawing order.
    const int oldLast = int(std::floor(oldHeight / kBandPx));
    for (quint32 index = 0; index < items_.size(); ++index) {
        auto& item = items_[index];
        if (!item) continue;
        const int last = bandSpan(item->bounds).second;
        if (last <= oldLast) continue;
        if (bands_.size() <= size_t(last)) bands_.resize(size_t(last) + 1);
        const int first = std::max(oldLast + 1, bandSpan(item->bounds).first);
        for (int band = first; band <= last; ++band) bands_[size_t(band)].refs.push_back(index);
        item->bandRefs += last - first + 1;
    }
}

void SurfaceDrawing::compact() {
    const qsizetype dead = qsizetype(items_.size()) - live_;
    if (dead < 1024 || dead < live_) return;
    // The kept drawings move to the front; every band's references follow them.
    std::vector<quint32> moved(items_.size(), kGone);
    std::vector<std::optional<Item>> kept;
    kept.reserve(size_t(live_));
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i]) continue;
        moved[i] = quint32(kept.size());
        kept.push_back(std::move(items_[i]));
    }
    items_.swap(kept);
    for (auto& band : bands_) {
        std::erase_if(band.refs, [&moved](quint32 index) { return moved[index] == kGone; });
        for (quint32& index : band.refs) index = moved[index];
    }
}

void SurfaceDrawing::drawItem(QPainter& painter, const Item& item, const QColor& background, bool clearBlanks) {
    if (item.line) {
        QPen pen{QColor::fromRgb(item.line->colour)};
        pen.setWidth(std::max(1, item.line->widthPx));
        painter.setPen(pen);
        painter.drawLine(item.line->line);
    } else if (isBlankText(item.text->text)) {
        // In a band's picture a blank clears to transparent, so the back colour shows through
        // whatever it is when the band is painted.
        if (clearBlanks) painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(item.text->box, background);
        if (clearBlanks) painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        painter.setFont(item.text->font);
        painter.setPen(QColor::fromRgb(item.text->colour));
        painter.drawText(item.text->topLeft + QPointF(0, item.text->ascent), item.text->text);
    }
}

void SurfaceDrawing::paint(QPainter& painter, const QRectF& viewPx, const QColor& background) const {
    if (bands_.empty()) return;
    painter.save();
    painter.translate(-viewPx.topLeft());
    const auto [first, lastOnSurface] = bandSpan(viewPx);
    const int last = std::min(int(bands_.size()) - 1, lastOnSurface);
    // Band by band, each clipped to itself: its picture first, then what it keeps one by one,
    // so a drawing that spans two bands lies over the older ones of both.
    for (int index = first; index <= last; ++index) {
        const Band& band = bands_[size_t(index)];
        const QRectF area = QRectF(viewPx.left(), index * kBandPx, viewPx.width(), kBandPx).intersected(viewPx);
        if (area.isEmpty()) continue;
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        if (!band.picture.isNull()) painter.drawImage(QPointF(0, index * kBandPx), band.picture);
        for (quint32 ref : band.refs) {
            const auto& item = items_[ref];
            if (item && item->bounds.intersects(area)) drawItem(painter, *item, background, false);
        }
        painter.restore();
    }
    painter.restore();
}

qsizetype SurfaceDrawing::pictureBytes() const {
    qsizetype bytes = 0;
    for (const auto& band : bands_) bytes += band.picture.sizeInBytes();
    return bytes;
}

std::vector<DrawnText> SurfaceDrawing::texts() const {
    std::vector<DrawnText> found;
    for (const auto& item : items_)
        if (item && item->text) found.push_back(*item->text);
    return found;
}

std::vector<DrawnLine> SurfaceDrawing::lines() const {
    std::vector<DrawnLine> found;
    for (const auto& item : items_)
        if (item && item->line) found.push_back(*item->line);
    return found;
}

}  // namespace razudar::list
