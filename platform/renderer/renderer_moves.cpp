#include "platform/renderer/renderer_impl.h"

// Moves of objects, animation and clip playback, and objects added to a loaded page.

namespace razudar::renderer {

namespace {
const std::initializer_list<ObjectType> kPlayableTypes = {ObjectType::Animation, ObjectType::Clip};
}  // namespace

// ---- Moves

bool Renderer::QueueMove(const QString& name, qint32 keyIndex, qint32 timeFrames, qint32 x, qint32 y, qint32 alpha,
                         qint32 wipeLeft, qint32 wipeTop, qint32 wipeRight, qint32 wipeBottom) {
    QMutexLocker lock(&d_->mutex);
    if (!d_->object(name)) return false;
    if (keyIndex < 0 || keyIndex >= kMoveKeyCount)
        return d_->fail(QStringLiteral("Indice di chiave %1 non valido (0..%2)").arg(keyIndex).arg(kMoveKeyCount - 1));
    if (timeFrames < 0) return d_->fail(QStringLiteral("Tempo di movimento %1 non valido").arg(timeFrames));
    if (alpha < 0 || alpha > 255) return d_->fail(QStringLiteral("Alpha %1 fuori dall'intervallo 0..255").arg(alpha));
    for (qint32 edge : {wipeLeft, wipeTop, wipeRight, wipeBottom}) {
        if (edge < 0) return d_->fail(QStringLiteral("Tendina %1 non valida (0 o più)").arg(edge));
    }
    MoveKey key;
    key.timeFrames = timeFrames;
    key.point = MovePoint{x, y, alpha, WipeEdges{wipeLeft, wipeTop, wipeRight, wipeBottom}};
    d_->queuedMoves[nameKey(name)][keyIndex] = key;
    return d_->ok();
}

bool Renderer::RunMoves(const QString& lastName, qint32 mode) {
    QMutexLocker lock(&d_->mutex);
    if (mode != 1) return d_->fail(QStringLiteral("Modo %1 non valido per i movimenti (1)").arg(mode));
    if (!lastName.trimmed().isEmpty() && !d_->object(lastName)) return false;
    return d_->ok();
}

bool Renderer::SetMoveValue(const QString& names, qint32 firstKey, qint32 lastKey, qint32 animate) {
    QMutexLocker lock(&d_->mutex);
    auto queued = std::move(d_->queuedMoves);
    d_->queuedMoves.clear();
    std::vector<int> objects;
    for (const QString& part : names.split(u',', Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty()) continue;
        const int i = d_->scene.find(part);
        if (i < 0) return d_->fail(QStringLiteral("Oggetto '%1' non trovato nella pagina").arg(part.trimmed()));
        objects.push_back(i);
    }
    const qint64 now = d_->clock.monotonicMs();
    for (int i : objects) {
        SceneObject& o = d_->scene.at(i);
        std::vector<MoveKey> keys;
        const auto found = queued.find(nameKey(o.def.layout.name));
        if (found != queued.end()) {
            for (const auto& [index, key] : found->second) {
                if (index >= firstKey && index <= lastKey) keys.push_back(key);
            }
        }
        o.move.reset();
        if (keys.empty()) continue;
        if (animate == 0) {
            Impl::place(o, keys.back().point);
            continue;
        }
        o.move.emplace(Impl::pointOf(o), std::move(keys), now);
        // A key at time 0 applies at once: the first frame already shows it.
        bool finished = false;
        Impl::place(o, o.move->at(now, &finished));
        if (finished) o.move.reset();
    }
    d_->changed();
    return d_->ok();
}

bool Renderer::DiscardMoves() {
    QMutexLocker lock(&d_->mutex);
    d_->queuedMoves.clear();
    return d_->ok();
}

bool Renderer::isMoving(const QString& name) const {
    QMutexLocker lock(&d_->mutex);
    const int i = d_->scene.find(name);
    return i >= 0 && d_->scene.at(i).move.has_value();
}

// ---- Animations and clips

bool Renderer::ResetAnimation(const QString& name, qint32) {
    return d_->onObject(name, kPlayableTypes, QStringLiteral("un filmato"), [&](SceneObject& o) {
        o.player.reset();
        o.clipFrame = QImage();
        o.clipEndNotified = false;
        d_->changed();
    });
}

bool Renderer::PlayAnimation(const QString& name, qint32) {
    QString file;
    QString stored;
    QSize size;
    bool loop = false;
    {
        QMutexLocker lock(&d_->mutex);
        SceneObject* o = d_->objectOf(name, kPlayableTypes, QStringLiteral("un filmato"));
        if (!o) return false;
        o->player.reset();
        o->clipFrame = QImage();
        o->clipEndNotified = false;
        stored = o->def.path;
        file = d_->scene.resolveFile(stored);
        size = QSize(o->def.layout.w, o->def.layout.h);
        loop = o->def.loop;
    }
    // Opening reads the file's header: done without the lock, so the output never waits.
    QString error;
    std::shared_ptr<ClipPlayer> player;
    if (file.isEmpty()) {
        error = QStringLiteral("Filmato '%1' non trovato").arg(stored);
    } else {
        player = ClipPlayer::open(file, size.isEmpty() ? QSize() : size, loop, &error);
    }
    bool result = false;
    {
        QMutexLocker lock(&d_->mutex);
        SceneObject* o = d_->objectOf(name, kPlayableTypes, QStringLiteral("un filmato"));
        if (!o) return false;  // the page changed meanwhile
        o->def.visible = true;
        o->player = std::move(player);
        if (!o->player) {
            // Nothing to play: the file is over at once, reported like any end.
            o->clipEndNotified = true;
            d_->pendingNotifications.emplace_back(o->def.layout.name, int(NotifyEvent::ClipEnded));
            d_->fail(error);
        } else {
            // An object drawn without a size takes the file's own.
            if (o->def.layout.w <= 0 || o->def.layout.h <= 0) {
                o->def.layout.w = o->player->frameSize().width();
                o->def.layout.h = o->player->frameSize().height();
            }
            d_->changed();
            result = d_->ok();
        }
    }
    flushNotifications();
    return result;
}

// ---- New objects

bool Renderer::addObject(const QString& name, ObjectType type) {
    QMutexLocker lock(&d_->mutex);
    if (name.trimmed().isEmpty()) return d_->fail(QStringLiteral("Nome di oggetto vuoto"));
    ObjectDefinition def;
    def.layout.name = name.trimmed();
    def.layout.type = type;
    if (!d_->scene.add(def)) return d_->fail(QStringLiteral("L'oggetto '%1' esiste già nella pagina").arg(name.trimmed()));
    return d_->ok();
}

bool Renderer::AddTextObject(const QString& name) { return addObject(name, ObjectType::Text); }
bool Renderer::AddImageObject(const QString& name) { return addObject(name, ObjectType::Image); }
bool Renderer::AddAnimationObject(const QString& name) { return addObject(name, ObjectType::Animation); }
bool Renderer::AddClipObject(const QString& name) { return addObject(name, ObjectType::Clip); }

}  // namespace razudar::renderer
