#include "platform/renderer/renderer.h"

#include <QFileInfo>
#include <QImageWriter>

#include "platform/renderer/frame_file.h"
#include "platform/renderer/page_file.h"
#include "platform/renderer/renderer_impl.h"
#include "platform/renderer/tga.h"

namespace razudar::renderer {

QString typeName(ObjectType t) {
    switch (t) {
    case ObjectType::Text: return QStringLiteral("testo");
    case ObjectType::Animation: return QStringLiteral("animazione");
    case ObjectType::Image: return QStringLiteral("immagine");
    case ObjectType::Crawl: return QStringLiteral("crawl");
    case ObjectType::Roll: return QStringLiteral("roll");
    case ObjectType::Clock: return QStringLiteral("orologio");
    case ObjectType::Clip: return QStringLiteral("clip");
    case ObjectType::Dve: return QStringLiteral("DVE");
    case ObjectType::Unknown: break;
    }
    return QStringLiteral("sconosciuto");
}

Renderer::Renderer(const Clock& clock, QObject* parent) : QObject(parent), d_(std::make_unique<Impl>(clock)) {}

Renderer::~Renderer() {
    VideoBoard* board = nullptr;
    {
        QMutexLocker lock(&d_->mutex);
        board = d_->attached;
        if (d_->outBoard) d_->outBoard->submitLayerFrame(d_->planeMode, QImage());
        d_->outBoard = nullptr;
        d_->outWindow.reset();
    }
    // Waits for a tick of the board in progress, so the render thread never sees us deleted.
    if (board) board->detachRenderer(this);
}

QString Renderer::lastError() const {
    QMutexLocker lock(&d_->mutex);
    return d_->lastError;
}

// ---- Page

bool Renderer::LoadPage(const QString& path, bool preloadResources) {
    QString error;
    const auto page = readPageFile(path, &error);
    QMutexLocker lock(&d_->mutex);
    if (!page) return d_->fail(error);
    d_->running = false;
    d_->frozenRunMs = 0;
    d_->queuedMoves.clear();
    d_->scene.load(*page, QFileInfo(path).absolutePath());
    if (preloadResources) {
        for (int i = 0; i < d_->scene.count(); ++i) {
            SceneObject& o = d_->scene.at(i);
            if (o.def.layout.type == ObjectType::Image) d_->scene.readPicture(o);
        }
    }
    d_->takeOffOutput();
    return d_->ok();
}

bool Renderer::SavePage(const QString& path) {
    QMutexLocker lock(&d_->mutex);
    QString error;
    if (!writePageFile(d_->scene.definition(), path, &error)) return d_->fail(error);
    return d_->ok();
}

bool Renderer::ClearPage() {
    QMutexLocker lock(&d_->mutex);
    d_->scene.clear();
    d_->queuedMoves.clear();
    d_->running = false;
    d_->frozenRunMs = 0;
    d_->takeOffOutput();
    return d_->ok();
}

bool Renderer::SetRunning(bool running) {
    QMutexLocker lock(&d_->mutex);
    const qint64 now = d_->clock.monotonicMs();
    if (running && !d_->running) {
        d_->running = true;
        d_->runStartMs = now;
        for (int i = 0; i < d_->scene.count(); ++i) d_->scene.at(i).scrollPasses = 0;
        d_->show();
    } else if (!running && d_->running) {
        d_->frozenRunMs = now - d_->runStartMs;
        d_->running = false;
    }
    return d_->ok();
}

bool Renderer::isRunning() const {
    QMutexLocker lock(&d_->mutex);
    return d_->running;
}

QString Renderer::pageFolder() const {
    QMutexLocker lock(&d_->mutex);
    return d_->scene.folder();
}

// ---- Output

bool Renderer::AttachBoard(const BoardLink& link) {
    if (!link.board) {
        QMutexLocker lock(&d_->mutex);
        return d_->fail(QStringLiteral("Collegamento alla scheda video non valido"));
    }
    VideoBoard* previous = nullptr;
    {
        QMutexLocker lock(&d_->mutex);
        previous = d_->attached;
        if (previous == link.board) return d_->ok();
    }
    if (previous) previous->detachRenderer(this);
    link.board->attachRenderer(this);
    QMutexLocker lock(&d_->mutex);
    d_->attached = link.board;
    if (d_->outBoard && d_->outBoard != link.board) {
        d_->outBoard->submitLayerFrame(d_->planeMode, QImage());
        d_->outBoard = nullptr;
    }
    return d_->ok();
}

bool Renderer::SetOutput(const OutputHandle& handle, bool toWindow) {
    QMutexLocker lock(&d_->mutex);
    if (toWindow ? !handle.windowTarget() : handle.boardTarget() == nullptr) {
        return d_->fail(toWindow ? QStringLiteral("Uscita su finestra senza finestra valida")
                                 : QStringLiteral("Uscita su scheda senza scheda valida"));
    }
    if (!toWindow && handle.boardTarget() != d_->attached) {
        return d_->fail(QStringLiteral("L'uscita appartiene a una scheda video non collegata"));
    }
    if (d_->outBoard) d_->outBoard->submitLayerFrame(d_->planeMode, QImage());
    d_->outBoard = toWindow ? nullptr : handle.boardTarget();
    d_->outWindow = toWindow ? handle.windowTarget() : nullptr;
    d_->deliver();
    return d_->ok();
}

bool Renderer::SetPlaneMode(int mode) {
    QMutexLocker lock(&d_->mutex);
    if (mode != 0 && mode != 1) return d_->fail(QStringLiteral("Modo piano %1 non valido (0 o 1)").arg(mode));
    if (mode == d_->planeMode) return d_->ok();
    if (d_->outBoard) d_->outBoard->submitLayerFrame(d_->planeMode, QImage());
    d_->planeMode = mode;
    d_->deliver();
    return d_->ok();
}

int Renderer::planeMode() const {
    QMutexLocker lock(&d_->mutex);
    return d_->planeMode;
}

bool Renderer::Draw(FrameSurface* target, int x, int y, int w, int h) {
    bool result = true;
    {
        QMutexLocker lock(&d_->mutex);
        if (!canDraw()) return d_->fail(QStringLiteral("Disegno non disponibile senza applicazione grafica"));
        d_->show();
        if (target) {
            const QImage frame = d_->output;
            target->paintWith([&](QImage& image) {
                result = d_->drawInto(image, frame, QRect(x, y, w, h), QRect(x, y, w, h));
            });
        }
        if (result) d_->ok();
    }
    flushNotifications();
    return result;
}

bool Renderer::Draw(QImage* target, int x, int y, int w, int h) {
    bool result = true;
    {
        QMutexLocker lock(&d_->mutex);
        if (!canDraw()) return d_->fail(QStringLiteral("Disegno non disponibile senza applicazione grafica"));
        d_->show();
        if (target) result = d_->drawInto(*target, d_->output, QRect(x, y, w, h), QRect(x, y, w, h));
        if (result) d_->ok();
    }
    flushNotifications();
    return result;
}

bool Renderer::DrawScaled(FrameSurface* target, int sx, int sy, int sw, int sh, int w, int h) {
    QMutexLocker lock(&d_->mutex);
    if (!target) return d_->fail(QStringLiteral("Destinazione del disegno non valida"));
    bool result = true;
    const QImage frame = d_->output;
    target->paintWith([&](QImage& image) { result = d_->drawInto(image, frame, QRect(sx, sy, sw, sh), QRect(0, 0, w, h)); });
    return result ? d_->ok() : false;
}

bool Renderer::DrawScaled(QImage* target, int sx, int sy, int sw, int sh, int w, int h) {
    QMutexLocker lock(&d_->mutex);
    if (!target) return d_->fail(QStringLiteral("Destinazione del disegno non valida"));
    return d_->drawInto(*target, d_->output, QRect(sx, sy, sw, sh), QRect(0, 0, w, h)) ? d_->ok() : false;
}

namespace {
std::optional<QImage> renderPageFile(const QString& path, const Clock& clock, QString* error) {
    const auto page = readPageFile(path, error);
    if (!page) return std::nullopt;
    Scene scene;
    scene.load(*page, QFileInfo(path).absolutePath());
    QImage frame = emptyFrame();
    if (canDraw()) {
        FrameTime t;
        t.monotonicMs = clock.monotonicMs();
        t.wallTime = clock.now();
        paintScene(scene, frame, t, {});
    }
    return frame;
}
}  // namespace

bool Renderer::DrawPageFile(const QString& path, FrameSurface* target, int x, int y, int w, int h) {
    QString error;
    const auto frame = renderPageFile(path, d_->clock, &error);
    QMutexLocker lock(&d_->mutex);
    if (!frame) return d_->fail(error);
    if (!target) return d_->fail(QStringLiteral("Destinazione del disegno non valida"));
    bool result = true;
    target->paintWith([&](QImage& image) { result = d_->drawInto(image, *frame, frame->rect(), QRect(x, y, w, h)); });
    return result ? d_->ok() : false;
}

bool Renderer::DrawPageFile(const QString& path, QImage* target, int x, int y, int w, int h) {
    QString error;
    const auto frame = renderPageFile(path, d_->clock, &error);
    QMutexLocker lock(&d_->mutex);
    if (!frame) return d_->fail(error);
    if (!target) return d_->fail(QStringLiteral("Destinazione del disegno non valida"));
    return d_->drawInto(*target, *frame, frame->rect(), QRect(x, y, w, h)) ? d_->ok() : false;
}

bool Renderer::SaveScreen(const QString& path) {
    QMutexLocker lock(&d_->mutex);
    const QImage frame = d_->output.isNull() ? emptyFrame() : d_->output;
    QString error;
    if (!saveFrameFile(frame, path, &error)) return d_->fail(error);
    return d_->ok();
}

QImage Renderer::currentFrame() const {
    QMutexLocker lock(&d_->mutex);
    return d_->output;
}

QImage Renderer::renderNow() {
    QImage frame;
    {
        QMutexLocker lock(&d_->mutex);
        frame = d_->render();
    }
    flushNotifications();
    return frame;
}

void Renderer::tick() {
    {
        QMutexLocker lock(&d_->mutex);
        const bool active = d_->advance(d_->clock.monotonicMs());
        // Off air, moves still advance (their positions are written through) but nothing is
        // drawn; on air, a page is drawn anew while it runs, moves or plays a file.
        if (d_->output.isNull() && !d_->running) return;
        if (!d_->running && !active) return;
        d_->show();
    }
    flushNotifications();
}

void Renderer::flushNotifications() {
    std::vector<std::pair<QString, int>> pending;
    {
        QMutexLocker lock(&d_->mutex);
        pending.swap(d_->pendingNotifications);
    }
    for (const auto& [name, event] : pending) emit Notify(name, event);
}

void Renderer::boardGone(VideoBoard* board) {
    QMutexLocker lock(&d_->mutex);
    if (d_->attached == board) d_->attached = nullptr;
    if (d_->outBoard == board) d_->outBoard = nullptr;
}

}  // namespace razudar::renderer
