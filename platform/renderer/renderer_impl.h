#pragma once
// The inside of a renderer, shared by the files that implement its members.
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

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

    QImage render() {
        QImage frame = emptyFrame();
        if (!canDraw()) return frame;
        paintScene(scene, frame, frameTime(), [this](const QString& name, int event) {
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
