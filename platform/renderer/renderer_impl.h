#pragma once
// The inside of a renderer, shared by the files that implement its members.
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

#include <map>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/renderer/renderer.h"
#include "platform/renderer/scene.h"
#include "platform/renderer/video_board.h"
#include "platform/services/clock.h"

namespace razudar::renderer {

// Italian name of a type in error texts ("testo", "immagine", ...).
QString typeName(ObjectType type);
// Text can be drawn only inside a graphical application.
inline bool canDraw() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

const std::initializer_list<ObjectType> kTextTypes = {ObjectType::Text, ObjectType::Crawl, ObjectType::Roll};
const std::initializer_list<ObjectType> kStyledTypes = {ObjectType::Text, ObjectType::Crawl, ObjectType::Roll,
                                                        ObjectType::Clock};

class Renderer::Impl {
public:
    explicit Impl(const Clock& c) : clock(c) {}

    const Clock& clock;
    mutable QMutex mutex;
    QString lastError;
    Scene scene;
    bool running = false;
    qint64 runStartMs = 0;
    qint64 frozenRunMs = 0;
    QImage output;          // the frame on the output; null = nothing shown
    VideoBoard* attached = nullptr;
    VideoBoard* outBoard = nullptr;
    FrameSurfacePtr outWindow;
    int planeMode = 0;
    std::vector<std::pair<QString, int>> pendingNotifications;
    // Keys queued for the next batch: by object name key, then key index.
    std::map<QString, std::map<qint32, MoveKey>> queuedMoves;

    bool fail(const QString& why) {
        lastError = why;
        return false;
    }
    bool ok() {
        lastError.clear();
        return true;
    }

    FrameTime frameTime() const {
        FrameTime t;
        t.monotonicMs = clock.monotonicMs();
        t.wallTime = clock.now();
        t.pageRunning = running;
        t.pageRunningMs = running ? t.monotonicMs - runStartMs : frozenRunMs;
        return t;
    }

    // Writes the moves' positions at `nowMs` into the objects (called at each tick of the
    // frame clock); true when something moves or plays (the page must be drawn anew).
    bool advance(qint64 nowMs) {
        bool active = false;
        for (int i = 0; i < scene.count(); ++i) {
            SceneObject& o = scene.at(i);
            if (o.player && !o.clipEndNotified && o.def.visible) active = true;
            if (!o.move) continue;
            active = true;
            bool finished = false;
            place(o, o.move->at(nowMs, &finished));
            if (finished) o.move.reset();
        }
        return active;
    }

    static void place(SceneObject& o, const MovePoint& p) {
        o.def.layout.x = p.x;
        o.def.layout.y = p.y;
        o.def.layout.alpha = std::clamp(p.alpha, 0, 255);
        for (std::size_t i = 0; i < p.wipe.size(); ++i) o.wipe[i] = std::max(0, p.wipe[i]);
    }

    static MovePoint pointOf(const SceneObject& o) {
        return MovePoint{o.def.layout.x, o.def.layout.y, o.def.layout.alpha, o.wipe};
    }

    // Draws the objects where they are: moves advance only at the ticks of the frame clock.
    QImage render() {
        const FrameTime t = frameTime();
        QImage frame = emptyFrame();
        if (!canDraw()) return frame;
        paintScene(scene, frame, t, [this](const QString& name, int event) {
            pendingNotifications.emplace_back(name, event);
        });
        return frame;
    }

    void deliver() {
        if (outBoard) outBoard->submitLayerFrame(planeMode, output);
        if (outWindow) outWindow->setFrame(output.isNull() ? emptyFrame() : output);
    }

    // Renders the page and puts it on the output.
    void show() {
        output = render();
        deliver();
    }

    void takeOffOutput() {
        output = QImage();
        deliver();
    }

    SceneObject* object(const QString& name) {
        const int i = scene.find(name);
        if (i < 0) {
            fail(QStringLiteral("Oggetto '%1' non trovato nella pagina").arg(name.trimmed()));
            return nullptr;
        }
        return &scene.at(i);
    }

    SceneObject* objectOf(const QString& name, std::initializer_list<ObjectType> types, const QString& what) {
        SceneObject* o = object(name);
        if (!o) return nullptr;
        for (ObjectType t : types) {
            if (o->def.layout.type == t) return o;
        }
        fail(QStringLiteral("L'oggetto '%1' (%2) non ha %3")
                 .arg(o->def.layout.name, typeName(o->def.layout.type), what));
        return nullptr;
    }

    // After a change the output shows at the next frame of a running page; a page on the
    // output that does not run is drawn again at once.
    void changed() {
        if (!running && !output.isNull()) show();
    }

    bool checkLayout(qint32 w, qint32 h, qint32 alpha) {
        if (w < 0 || h < 0) return fail(QStringLiteral("Dimensioni negative non ammesse (%1 x %2)").arg(w).arg(h));
        if (alpha < 0 || alpha > 255) return fail(QStringLiteral("Alpha %1 fuori dall'intervallo 0..255").arg(alpha));
        return true;
    }

    bool drawInto(QImage& target, const QImage& source, const QRect& from, const QRect& to) {
        if (target.isNull()) return fail(QStringLiteral("Destinazione del disegno non valida"));
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(to, source.isNull() ? emptyFrame() : source, from);
        return true;
    }
    // Under the lock: finds the named object of one of `types` and runs `action` on it; the
    // action returns nothing, or false after setting the error. Lookup failures set the error.
    template <typename Action>
    bool onObject(const QString& name, std::initializer_list<ObjectType> types, const QString& what, Action action) {
        QMutexLocker lock(&mutex);
        SceneObject* o = objectOf(name, types, what);
        if (!o) return false;
        if constexpr (std::is_void_v<decltype(action(*o))>) {
            action(*o);
        } else {
            if (!action(*o)) return false;
        }
        return ok();
    }
};

}  // namespace razudar::renderer
