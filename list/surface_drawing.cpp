#include "list/surface_drawing.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace razudar::list {
bool isBlankText(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar ch) { return ch == u' '; });
}

namespace {

bool sameText(const DrawnText& a, const DrawnText& b) {
    return a.topLeft == b.topLeft && a.colour == b.colour && a.text == b.text && a.font == b.font;
}

}  // namespace

bool SurfaceDrawing::outsideSurface(const QRectF& bounds) const {
    return bounds.bottom() <= 0 || bounds.right() <= 0 || bounds.top() >= extent_.height() ||
           bounds.left() >= extent_.width();
}

void SurfaceDrawing::addText(DrawnText text) {
    if (outsideSurface(text.box)) return;
    if (isBlankText(text.text)) removeCovered(text.box);
    else removeSameText(text);
    const QRectF bounds = text.box;
    add(Item{std::move(text), std::nullopt, bounds});
}

void SurfaceDrawing::addLine(const DrawnLine& line) {
    const qreal half = std::max(1, line.widthPx) / 2.0 + 1;
    const QRectF bounds = QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(-half, -half, half, half);
    if (outsideSurface(bounds)) return;
    add(Item{std::nullopt, line, bounds});
}

void SurfaceDrawing::clear() {
    // Every drawing is freed. The index keeps its room for a list of the same length, which is
    // what the next fill writes; a very long one gives its room back.
    const bool large = items_.capacity() > kKeptCapacity;
    items_.clear();
    for (auto& band : bands_) band.clear();
    if (large) {
        std::vector<std::optional<Item>>().swap(items_);
        std::vector<std::vector<quint32>>().swap(bands_);
    }
    live_ = 0;
}

void SurfaceDrawing::add(Item item) {
    const auto index = static_cast<quint32>(items_.size());
    // Only the part on the surface is indexed (a line may run far beyond it).
    const qreal top = std::clamp(item.bounds.top(), 0.0, extent_.height());
    const qreal bottom = std::clamp(item.bounds.bottom(), top, extent_.height());
    const int first = int(std::floor(top / kBandPx));
    const int last = int(std::floor(bottom / kBandPx));
    if (bands_.size() <= size_t(last)) bands_.resize(size_t(last) + 1);
    for (int band = first; band <= last; ++band) bands_[size_t(band)].push_back(index);
    items_.push_back(std::move(item));
    ++live_;
}

std::vector<quint32> SurfaceDrawing::candidates(qreal topPx, qreal bottomPx) const {
    std::vector<quint32> found;
    if (bands_.empty()) return found;
    const qreal top = std::clamp(topPx, 0.0, extent_.height());
    const qreal bottom = std::clamp(bottomPx, top, extent_.height());
    const int first = int(std::floor(top / kBandPx));
    const int last = std::min(int(bands_.size()) - 1, int(std::floor(bottom / kBandPx)));
    for (int band = first; band <= last; ++band)
        found.insert(found.end(), bands_[size_t(band)].begin(), bands_[size_t(band)].end());
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void SurfaceDrawing::removeCovered(const QRectF& box) {
    for (quint32 index : candidates(box.top(), box.bottom())) {
        auto& item = items_[index];
        if (item && box.contains(item->bounds)) {
            item.reset();
            --live_;
        }
    }
    compact();
}

void SurfaceDrawing::removeSameText(const DrawnText& text) {
    // The same text at the same place lies in the band of its top.
    const int band = int(std::floor(std::clamp(text.box.top(), 0.0, extent_.height()) / kBandPx));
    if (size_t(band) >= bands_.size()) return;
    bool removed = false;
    for (quint32 index : bands_[size_t(band)]) {
        auto& item = items_[index];
        if (item && item->text && sameText(*item->text, text)) {
            item.reset();
            --live_;
            removed = true;
        }
    }
    if (removed) compact();
}

void SurfaceDrawing::setExtent(const QSizeF& extentPx) {
    const bool taller = extentPx.height() > extent_.height();
    extent_ = extentPx;
    // The index covers the surface only: a taller one indexes what reaches into the new part.
    if (taller && live_ > 0) reindex();
}

void SurfaceDrawing::compact() {
    const qsizetype dead = qsizetype(items_.size()) - live_;
    if (dead < 1024 || dead < live_) return;
    reindex();
}

void SurfaceDrawing::reindex() {
    std::vector<std::optional<Item>> kept;
    kept.swap(items_);
    bands_.clear();
    live_ = 0;
    for (auto& item : kept)
        if (item) add(std::move(*item));
}

void SurfaceDrawing::paint(QPainter& painter, qreal topPx, qreal heightPx, const QColor& background) const {
    painter.save();
    painter.translate(0, -topPx);
    const QRectF band(0, topPx, extent_.width(), heightPx);
    for (quint32 index : candidates(topPx, topPx + heightPx)) {
        const auto& item = items_[index];
        if (!item || !item->bounds.intersects(band)) continue;
        if (item->line) {
            QPen pen{QColor::fromRgb(item->line->colour)};
            pen.setWidth(std::max(1, item->line->widthPx));
            painter.setPen(pen);
            painter.drawLine(item->line->line);
        } else if (isBlankText(item->text->text)) {
            painter.fillRect(item->text->box, background);
        } else {
            painter.setFont(item->text->font);
            painter.setPen(QColor::fromRgb(item->text->colour));
            painter.drawText(item->text->topLeft + QPointF(0, item->text->ascent), item->text->text);
        }
    }
    painter.restore();
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
