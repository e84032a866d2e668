#include "platform/renderer/renderer_impl.h"

// Objects of the loaded page: layout, texts and the records by type.

namespace razudar::renderer {

namespace {
// Hiding a playing file, or giving it another file, stops it without a notification.
void stopWhenHiddenOrChanged(SceneObject& o, const QString& path, bool visible) {
    if (visible && path == o.def.path) return;
    o.player.reset();
    o.clipEndNotified = false;
    if (path != o.def.path) o.clipFrame = QImage();
}
}  // namespace

bool Renderer::GetObjectCount(qint32& count) {
    QMutexLocker lock(&d_->mutex);
    count = d_->scene.count();
    return d_->ok();
}

bool Renderer::GetObjectLayout(const QString& key, ObjectLayout& layout) {
    const QString k = key.trimmed();
    bool digits = !k.isEmpty() && k.size() <= 9;
    for (QChar c : k) digits = digits && c.isDigit() && c.unicode() < 128;
    {
        QMutexLocker lock(&d_->mutex);
        if (digits && k.toInt() < d_->scene.count()) {
            layout = d_->scene.at(k.toInt()).def.layout;
            return d_->ok();
        }
        SceneObject* o = d_->object(k);
        if (!o) return false;
        layout = o->def.layout;
        return d_->ok();
    }
}

bool Renderer::GetObjectLayoutAt(int index, ObjectLayout& layout) {
    QMutexLocker lock(&d_->mutex);
    if (index < 0 || index >= d_->scene.count()) {
        return d_->fail(QStringLiteral("Indice di oggetto %1 fuori dall'intervallo 0..%2").arg(index).arg(d_->scene.count() - 1));
    }
    layout = d_->scene.at(index).def.layout;
    return d_->ok();
}

bool Renderer::SetObjectLayout(const QString& name, const ObjectLayout& layout) {
    QMutexLocker lock(&d_->mutex);
    SceneObject* o = d_->object(name);
    if (!o || !d_->checkLayout(layout.w, layout.h, layout.alpha)) return false;
    ObjectLayout& l = o->def.layout;
    l.x = layout.x;
    l.y = layout.y;
    l.w = layout.w;
    l.h = layout.h;
    l.alpha = layout.alpha;
    d_->changed();
    return d_->ok();
}

bool Renderer::SetObjectRect(const QString& name, int x, int y, int w, int h) {
    QMutexLocker lock(&d_->mutex);
    SceneObject* o = d_->object(name);
    if (!o || !d_->checkLayout(w, h, 255)) return false;
    ObjectLayout& l = o->def.layout;
    l.x = x;
    l.y = y;
    l.w = w;
    l.h = h;
    d_->changed();
    return d_->ok();
}

bool Renderer::Refresh(const QString& nameOrAll) {
    {
        QMutexLocker lock(&d_->mutex);
        if (nameOrAll.trimmed().compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
            for (int i = 0; i < d_->scene.count(); ++i) {
                SceneObject& o = d_->scene.at(i);
                Scene::dropCaches(o);
                if (o.def.layout.type == ObjectType::Image) d_->scene.readPicture(o);
            }
            d_->show();
        } else {
            SceneObject* o = d_->object(nameOrAll);
            if (!o) return false;
            Scene::dropCaches(*o);
            if (o->def.layout.type == ObjectType::Image) d_->scene.readPicture(*o);
            d_->changed();
        }
        d_->ok();
    }
    flushNotifications();
    return true;
}

bool Renderer::GetText(const QString& name, QString& text) {
    return d_->onObject(name, kTextTypes, QStringLiteral("un testo"), [&](SceneObject& o) { text = o.def.text; });
}

bool Renderer::SetText(const QString& name, const QString& text) {
    return d_->onObject(name, kTextTypes, QStringLiteral("un testo"), [&](SceneObject& o) {
        o.def.text = text;
        d_->changed();
    });
}

bool Renderer::GetShownText(const QString& name, QString& text) {
    return d_->onObject(name, kStyledTypes, QStringLiteral("un testo"),
                        [&](SceneObject& o) { text = shownText(o, d_->frameTime()); });
}

bool Renderer::GetTextRecord(const QString& name, TextRecord& record) {
    return d_->onObject(name, kStyledTypes, QStringLiteral("uno stile di testo"), [&](SceneObject& o) {
        record = o.def.style;
        record.visible = o.def.visible;
    });
}

bool Renderer::SetTextRecord(const QString& name, const TextRecord& record) {
    return d_->onObject(name, kStyledTypes, QStringLiteral("uno stile di testo"), [&](SceneObject& o) {
        if (record.fontSizePx < 1 || record.fontSizePx > 1000) {
            return d_->fail(QStringLiteral("Dimensione del carattere %1 non valida (1..1000)").arg(record.fontSizePx));
        }
        if (record.outlineWidthPx < 0 || record.outlineWidthPx > 50) {
            return d_->fail(QStringLiteral("Spessore del bordo %1 non valido (0..50)").arg(record.outlineWidthPx));
        }
        o.def.style = record;
        o.def.visible = record.visible;
        d_->changed();
        return true;
    });
}

bool Renderer::GetImageRecord(const QString& name, ImageRecord& record) {
    return d_->onObject(name, {ObjectType::Image}, QStringLiteral("un record immagine"), [&](SceneObject& o) {
        record.path = o.def.path;
        record.visible = o.def.visible;
        record.stretch = o.def.stretch;
    });
}

bool Renderer::SetImageRecord(const QString& name, const ImageRecord& record) {
    return d_->onObject(name, {ObjectType::Image}, QStringLiteral("un record immagine"), [&](SceneObject& o) {
        const bool reread = record.path != o.def.path || record.stretch != o.def.stretch;
        o.def.path = record.path;
        o.def.visible = record.visible;
        o.def.stretch = record.stretch;
        if (reread) {
            Scene::dropCaches(o);
            d_->scene.readPicture(o);
        }
        d_->changed();
    });
}

bool Renderer::GetAnimationRecord(const QString& name, AnimationRecord& record) {
    return d_->onObject(name, {ObjectType::Animation}, QStringLiteral("un record animazione"), [&](SceneObject& o) {
        record.path = o.def.path;
        record.visible = o.def.visible;
    });
}

bool Renderer::SetAnimationRecord(const QString& name, const AnimationRecord& record) {
    return d_->onObject(name, {ObjectType::Animation}, QStringLiteral("un record animazione"), [&](SceneObject& o) {
        stopWhenHiddenOrChanged(o, record.path, record.visible);
        o.def.path = record.path;
        o.def.visible = record.visible;
        d_->changed();
    });
}

bool Renderer::GetClockRecord(const QString& name, ClockRecord& record) {
    return d_->onObject(name, {ObjectType::Clock}, QStringLiteral("un record orologio"), [&](SceneObject& o) {
        record.timeFormat = o.def.timeFormat;
        record.visible = o.def.visible;
    });
}

bool Renderer::SetClockRecord(const QString& name, const ClockRecord& record) {
    return d_->onObject(name, {ObjectType::Clock}, QStringLiteral("un record orologio"), [&](SceneObject& o) {
        o.def.timeFormat = record.timeFormat;
        o.def.visible = record.visible;
        d_->changed();
    });
}

bool Renderer::GetClipRecord(const QString& name, ClipRecord& record) {
    return d_->onObject(name, {ObjectType::Clip}, QStringLiteral("un record clip"), [&](SceneObject& o) {
        record.path = o.def.path;
        record.visible = o.def.visible;
    });
}

bool Renderer::SetClipRecord(const QString& name, const ClipRecord& record) {
    return d_->onObject(name, {ObjectType::Clip}, QStringLiteral("un record clip"), [&](SceneObject& o) {
        stopWhenHiddenOrChanged(o, record.path, record.visible);
        o.def.path = record.path;
        o.def.visible = record.visible;
        d_->changed();
    });
}

}  // namespace razudar::renderer
