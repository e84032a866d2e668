#include "platform/renderer/scene.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "platform/renderer/clock_format.h"
#include "platform/services/paths.h"

namespace razudar::renderer {

QImage emptyFrame() {
    QImage frame(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    return frame;
}

void Scene::clear() {
    objects_.clear();
    index_.clear();
    description_.clear();
    pictures_.clear();
}

void Scene::load(const PageDefinition& page, const QString& folder) {
    clear();
    folder_ = folder;
    description_ = page.description;
    objects_.reserve(page.objects.size());
    for (const ObjectDefinition& def : page.objects) {
        SceneObject object;
        object.def = def;
        object.timeSgn = def.showSign ? 1 : 0;
        index_.insert(nameKey(def.layout.name), int(objects_.size()));
        objects_.push_back(std::move(object));
    }
}

PageDefinition Scene::definition() const {
    PageDefinition page;
    page.description = description_;
    for (const SceneObject& o : objects_) page.objects.push_back(o.def);
    return page;
}

int Scene::find(const QString& name) const { return index_.value(nameKey(name), -1); }

bool Scene::add(const ObjectDefinition& def) {
    const QString key = nameKey(def.layout.name);
    if (key.isEmpty() || index_.contains(key)) return false;
    SceneObject object;
    object.def = def;
    object.timeSgn = def.showSign ? 1 : 0;
    index_.insert(key, int(objects_.size()));
    objects_.push_back(std::move(object));
    return true;
}

QString Scene::resolveFile(const QString& storedPath) const {
    const QString stored = storedPath.trimmed();
    if (stored.isEmpty()) return {};
    const QString native = paths::toNative(stored);
    if (QFileInfo(native).isAbsolute()) {
        return QFileInfo::exists(native) ? native : paths::findCaseInsensitive(QStringLiteral("/"), native);
    }
    return paths::findCaseInsensitive(folder_, native);
}

void Scene::readPicture(SceneObject& object) const {
    object.pictureRead = true;
    object.picture = QImage();
    object.scaledPicture = QImage();
    const QString file = resolveFile(object.def.path);
    if (file.isEmpty()) return;
    const QFileInfo info(file);
    CachedPicture& cached = pictures_[info.absoluteFilePath()];
    if (cached.picture.isNull() || cached.modified != info.lastModified() || cached.size != info.size()) {
        QImageReader reader(file);
        reader.setAutoTransform(true);
        const QImage read = reader.read();
        cached.picture = read.isNull() ? QImage() : read.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        cached.modified = info.lastModified();
        cached.size = info.size();
    }
    if (cached.picture.isNull()) return;
    object.picture = cached.picture;
    if (!object.def.stretch) {
        object.def.layout.w = object.picture.width();
        object.def.layout.h = object.picture.height();
    }
}

void Scene::dropCaches(SceneObject& object) {
    object.textSprite = QImage();
    object.textSpriteKey.clear();
    object.scrollKey.clear();
    object.picture = QImage();
    object.pictureRead = false;
    object.scaledPicture = QImage();
}

namespace {

QColor fromLong(LongColour c) {
    const quint32 v = quint32(c);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QFont fontOf(const TextRecord& style) {
    QFont font(style.fontName);
    font.setPixelSize(std::max(1, style.fontSizePx));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString styleKey(const TextRecord& s) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(s.fontName)
        .arg(s.fontSizePx)
        .arg(s.bold)
        .arg(s.colour)
        .arg(s.outlineColour)
        .arg(s.outlineWidthPx)
        .arg(int(s.hAlign))
        .arg(int(s.vAlign))
        .arg(s.shrinkToFit);
}

// Outlines up to this width are drawn by stamping the text around itself (fast, glyphs come
// from the glyph cache); wider ones by stroking the letters' outlines (slow but exact).
constexpr int kMaxStampedOutlinePx = 4;

// Draws the lines of `text`, laid out in a box of `size` by the alignment (shrink to fit squeezes
// lines wider than the box), into a transparent picture of the part `window` of that box.
QImage drawTextPicture(const QString& text, const TextRecord& style, QSize size, QRect window) {
    window = window.isEmpty() ? QRect(QPoint(0, 0), QSize(1, 1)) : window;
    QImage picture(window.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (text.isEmpty()) return picture;
    const QFont font = fontOf(style);
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(u'\n');
    const int outline = std::max(0, style.outlineWidthPx);
    const double lineHeight = metrics.height();
    const double blockHeight = lineHeight * lines.size();
    double top = 0;
    if (style.vAlign == VAlign::Middle) top = (size.height() - blockHeight) / 2.0;
    else if (style.vAlign == VAlign::Bottom) top = size.height() - blockHeight;

    // Runs `draw` once per line with the painter moved to the line's baseline (and squeezed);
    // `origin` is the point of the box at the picture's top-left corner.
    auto forEachLine = [&](QPainter& painter, QPoint origin, const std::function<void(const QString&)>& draw) {
        for (int i = 0; i < lines.size(); ++i) {
            const double lineTop = top + i * lineHeight;
            // Lines wholly outside the picture cost nothing.
            if (lineTop + lineHeight + outline < origin.y() ||
                lineTop - outline > origin.y() + painter.device()->height())
                continue;
            const QString& line = lines[i];
            const double width = metrics.horizontalAdvance(line);
            const double room = size.width() - 2.0 * outline;
            double scale = 1.0;
            if (style.shrinkToFit && width > room && width > 0 && room > 0) scale = room / width;
            const double shown = width * scale;
            double left = outline;
            if (style.hAlign == HAlign::Center) left = (size.width() - shown) / 2.0;
            else if (style.hAlign == HAlign::Right) left = size.width() - outline - shown;
            painter.save();
            painter.translate(left - origin.x(), lineTop + metrics.ascent() - origin.y());
            painter.scale(scale, 1.0);
            draw(line);
            painter.restore();
        }
    };
    auto drawGlyphs = [&](QImage& target, QPoint origin, const QColor& colour) {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(colour);
        forEachLine(painter, origin, [&](const QString& line) { painter.drawText(QPointF(0, 0), line); });
    };

    const QColor fill = fromLong(style.colour);
    if (outline == 0) {
        drawGlyphs(picture, window.topLeft(), fill);
    } else if (outline <= kMaxStampedOutlinePx) {
        // The outline layer reaches `outline` pixels past the window, so that letters just
        // outside it still stamp their outline in.
        const QRect layerArea = window.adjusted(-outline, -outline, outline, outline);
        QImage layer(layerArea.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        drawGlyphs(layer, layerArea.topLeft(), fromLong(style.outlineColour));
        {
            QPainter painter(&picture);
            for (int dy = -outline; dy <= outline; ++dy) {
                for (int dx = -outline; dx <= outline; ++dx) {
                    if (dx * dx + dy * dy <= outline * outline + outline)
                        painter.drawImage(QPoint(dx - outline, dy - outline), layer);
                }
            }
        }
        drawGlyphs(picture, window.topLeft(), fill);
    } else {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPen pen(fromLong(style.outlineColour), outline * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        forEachLine(painter, window.topLeft(), [&](const QString& line) {
            QPainterPath path;
            path.addText(0, 0, font, line);
            painter.strokePath(path, pen);
            painter.fillPath(path, fill);
        });
    }
    return picture;
}

// A drawn text (a sprite) is kept whole while it stays within a few frames' worth of pixels; a
// larger one is drawn only where it meets the frame, so an object of any size costs at most
// a frame's memory. `spriteAt` is where the sprite's top-left corner falls in the frame.
constexpr qint64 kMaxWholeSpritePixels = qint64(4) * kFrameWidth * kFrameHeight;
constexpr int kMaxWholeSpriteSidePx = 16384;

QRect spriteWindow(QSize sprite, QPoint spriteAt, const QRect& frame) {
    const QRect whole(QPoint(0, 0), sprite);
    if (qint64(sprite.width()) * sprite.height() <= kMaxWholeSpritePixels &&
        sprite.width() <= kMaxWholeSpriteSidePx && sprite.height() <= kMaxWholeSpriteSidePx)
        return whole;
    return frame.translated(-spriteAt).intersected(whole);
}

QString windowKey(const QRect& window) {
    return QStringLiteral("|%1,%2,%3x%4").arg(window.x()).arg(window.y()).arg(window.width()).arg(window.height());
}

// A frame point from coordinates worked out in 64 bits (far-out positions are held in range).
QPoint framePoint(qint64 x, qint64 y) {
    auto clampInt = [](qint64 v) { return int(std::clamp<qint64>(v, -1000000000, 1000000000)); };
    return QPoint(clampInt(x), clampInt(y));
}

}  // namespace

QString shownText(const SceneObject& o, const FrameTime& time) {
    const ObjectDefinition& d = o.def;
    if (d.layout.type == ObjectType::Clock) {
        return time.wallTime.time().toString(d.timeFormat.isEmpty() ? QStringLiteral("hh:mm:ss") : d.timeFormat);
    }
    if (d.layout.type == ObjectType::Text) {
        if (const auto shown = o.clock.shown(time.monotonicMs)) {
            QString format = shown->stopFormat ? d.stopFormat : d.runFormat;
            if (format.isEmpty()) format = shown->stopFormat ? d.runFormat : d.stopFormat;
            auto parsed = parseClockFormat(format);
            if (!parsed) parsed = parseClockFormat(defaultClockFormat());
            return formatClockTime(shown->ms, *parsed, d.showSign);
        }
    }
    return d.text;
}

namespace {

void paintTextObject(QPainter& painter, const QRect& frame, SceneObject& o, const FrameTime& time) {
    const ObjectLayout& l = o.def.layout;
    if (l.w <= 0 || l.h <= 0) return;
    const QString text = shownText(o, time);
    const QPoint at(l.x, l.y);
    const QRect window = spriteWindow(QSize(l.w, l.h), at, frame);
    if (window.isEmpty()) return;
    const QString key = text + QChar(0x1F) + styleKey(o.def.style) + QStringLiteral("|%1x%2").arg(l.w).arg(l.h) +
                        windowKey(window);
    if (key != o.textSpriteKey || o.textSprite.isNull()) {
        o.textSprite = QImage();  // the old picture goes before the new one is drawn
        o.textSprite = drawTextPicture(text, o.def.style, QSize(l.w, l.h), window);
        o.textSpriteKey = key;
    }
    painter.drawImage(at + window.topLeft(), o.textSprite);
}

void paintScrollObject(QPainter& painter, const QRect& frame, SceneObject& o, const FrameTime& time,
                       const std::function<void(const QString&, int)>& notify) {
    const ObjectLayout& l = o.def.layout;
    if (l.w <= 0 || l.h <= 0) return;
    const bool crawl = l.type == ObjectType::Crawl;
    const QString text = crawl ? QString(o.def.text).replace(u'\n', u' ') : o.def.text;
    const QString textKey = text + QChar(0x1F) + styleKey(o.def.style) + QStringLiteral("|%1x%2").arg(l.w).arg(l.h);
    // The size of the whole scrolling text, measured once per text and style.
    if (o.scrollKey != textKey) {
        const QFontMetricsF metrics(fontOf(o.def.style));
        const int outline = std::max(0, o.def.style.outlineWidthPx);
        const double extent = crawl ? metrics.horizontalAdvance(text) : metrics.height() * text.split(u'\n').size();
        const int length = int(std::min<double>(std::ceil(extent) + 2 * outline, 1000000000.0));
        o.scrollSize = crawl ? QSize(length, l.h) : QSize(l.w, length);
        o.scrollKey = textKey;
    }
    const QSize size = o.scrollSize;
    const double travel = (crawl ? double(l.w) + size.width() : double(l.h) + size.height());
    const double offset = double(time.pageRunningMs) * o.def.scrollSpeed / 1000.0;
    const qint64 passes = travel > 0 ? qint64(std::floor(offset / travel)) : 0;
    if (time.pageRunning && passes > o.scrollPasses) {
        o.scrollPasses = passes;
        if (notify) notify(l.name, int(NotifyEvent::ScrollPassEnded));
    }
    const double within = travel > 0 ? offset - double(passes) * travel : 0;
    const QPoint at = crawl ? framePoint(qint64(l.x) + l.w - qint64(std::floor(within)), l.y)
                            : framePoint(l.x, qint64(l.y) + l.h - qint64(std::floor(within)));
    const QRect shownArea = QRect(l.x, l.y, l.w, l.h).intersected(frame);
    const QRect window = spriteWindow(size, at, shownArea);
    if (window.isEmpty()) return;
    const QString key = textKey + windowKey(window);
    if (key != o.textSpriteKey || o.textSprite.isNull()) {
        TextRecord style = o.def.style;
        if (crawl) {
            style.hAlign = HAlign::Left;  // the picture is exactly as wide as the text
            style.shrinkToFit = false;
        } else {
            style.vAlign = VAlign::Top;   // lines keep their alignment across the width
        }
        o.textSprite = QImage();
        o.textSprite = drawTextPicture(text, style, size, window);
        o.textSpriteKey = key;
    }
    const double fraction = within - std::floor(within);
    painter.save();
    painter.setClipRect(QRect(l.x, l.y, l.w, l.h), Qt::IntersectClip);
    const QPointF shownAt = QPointF(at + window.topLeft()) - (crawl ? QPointF(fraction, 0) : QPointF(0, fraction));
    painter.drawImage(shownAt, o.textSprite);
    painter.restore();
}

void paintImageObject(QPainter& painter, const Scene& scene, SceneObject& o) {
    if (!o.pictureRead) scene.readPicture(o);
    const ObjectLayout& l = o.def.layout;
    if (o.picture.isNull() || l.w <= 0 || l.h <= 0) return;
    if (o.picture.size() == QSize(l.w, l.h)) {
        painter.drawImage(QPoint(l.x, l.y), o.picture);
        return;
    }
    // A picture stretched beyond a few frames is scaled while drawn, only where it meets the
    // frame, instead of being kept scaled whole.
    if (qint64(l.w) * l.h > kMaxWholeSpritePixels) {
        o.scaledPicture = QImage();
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(l.x, l.y, l.w, l.h), o.picture);
        painter.restore();
        return;
    }
    if (o.scaledPicture.size() != QSize(l.w, l.h)) {
        o.scaledPicture = o.picture.scaled(l.w, l.h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawImage(QPoint(l.x, l.y), o.scaledPicture);
}

void paintClipObject(QPainter& painter, const SceneObject& o) {
    const ObjectLayout& l = o.def.layout;
    if (o.clipFrame.isNull() || l.w <= 0 || l.h <= 0) return;
    if (o.clipFrame.size() == QSize(l.w, l.h)) painter.drawImage(QPoint(l.x, l.y), o.clipFrame);
    else painter.drawImage(QRect(l.x, l.y, l.w, l.h), o.clipFrame);
}

// Takes the frame due from a playing file; reports the end of a file that does not loop once.
void advanceClip(SceneObject& o, const FrameTime& time, const std::function<void(const QString&, int)>& notify) {
    if (!o.player) return;
    ClipPlayer::Sample sample = o.player->sample(time.monotonicMs);
    if (!sample.frame.isNull()) o.clipFrame = std::move(sample.frame);
    if (sample.ended && !o.clipEndNotified) {
        o.clipEndNotified = true;
        if (notify) notify(o.def.layout.name, int(NotifyEvent::ClipEnded));
    }
}

// The part of the object's rectangle that its wipe edges leave uncovered.
QRect uncovered(const ObjectLayout& l, const WipeEdges& wipe) {
    const qint64 left = qint64(l.x) + wipe[0];
    const qint64 top = qint64(l.y) + wipe[1];
    const qint64 right = qint64(l.x) + l.w - wipe[2];
    const qint64 bottom = qint64(l.y) + l.h - wipe[3];
    if (right <= left || bottom <= top) return {};
    auto clampInt = [](qint64 v) { return int(std::clamp<qint64>(v, -100000, 100000)); };
    return QRect(QPoint(clampInt(left), clampInt(top)), QPoint(clampInt(right) - 1, clampInt(bottom) - 1));
}

}  // namespace

void paintScene(Scene& scene, QImage& frame, const FrameTime& time,
                const std::function<void(const QString&, int)>& notify) {
    QPainter painter(&frame);
    for (int i = 0; i < scene.count(); ++i) {
        SceneObject& o = scene.at(i);
        const ObjectLayout& l = o.def.layout;
        if (o.def.visible && o.player) advanceClip(o, time, notify);
        if (!o.def.visible || l.alpha <= 0) continue;
        // A picture read for the first time may give the object its size.
        if (l.type == ObjectType::Image && !o.pictureRead) scene.readPicture(o);
        // Positions and sizes set at run time are not bounded as a page file's are; beyond
        // these an object cannot reach the frame (and its edges would not fit an int).
        constexpr qint32 kFarOutPx = 1000000000;
        if (std::abs(qint64(l.x)) > kFarOutPx || std::abs(qint64(l.y)) > kFarOutPx || l.w > kFarOutPx || l.h > kFarOutPx)
            continue;
        const QRect area(l.x, l.y, l.w, l.h);
        const bool scrolls = l.type == ObjectType::Crawl || l.type == ObjectType::Roll;
        // Objects wholly outside the frame cost nothing (but crawls keep counting passes).
        if (!scrolls && !area.intersects(frame.rect())) continue;
        const bool wiped = o.wipe != WipeEdges{};
        QRect shown;
        if (wiped) {
            shown = uncovered(l, o.wipe);
            if (shown.isEmpty()) continue;
        }
        painter.save();
        if (wiped) painter.setClipRect(shown);
        painter.setOpacity(std::min(255, l.alpha) / 255.0);
        switch (l.type) {
        case ObjectType::Text:
        case ObjectType::Clock: paintTextObject(painter, frame.rect(), o, time); break;
        case ObjectType::Crawl:
        case ObjectType::Roll: paintScrollObject(painter, frame.rect(), o, time, notify); break;
        case ObjectType::Image: paintImageObject(painter, scene, o); break;
        case ObjectType::Animation:
        case ObjectType::Clip: paintClipObject(painter, o); break;
        case ObjectType::Dve:
        case ObjectType::Unknown: break;
        }
        painter.restore();
    }
}

}  // namespace razudar::renderer
