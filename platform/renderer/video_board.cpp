#include "platform/renderer/video_board.h"

#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/renderer/renderer.h"
#include "platform/renderer/scene.h"
#include "platform/renderer/tv_output_window.h"
#include "platform/services/clock.h"
#include "platform/services/settings_store.h"

namespace razudar::renderer {

QString outputScreenSettingApplication() { return QStringLiteral("Razudar"); }
QString outputScreenSettingSection() { return QStringLiteral("Grafica"); }
QString outputScreenSettingKey() { return QStringLiteral("SchermoUscita"); }

// Why a thread of the board's own: the program and the control block their thread in short
// sleeps (page removal, slide effects, report waits) and in synchronous link sends. A TV output
// must not freeze meanwhile, and waits that pumped the renderer would have to be threaded
// through every blocking call of the program. So the board owns a render thread that ticks the
// attached renderers and composes a frame every 40 ms; renderers and board guard their state
// with mutexes. Lock order: the board's tick lock, then a renderer's lock, then the board's
// state lock (a renderer delivers its frame while holding its own lock).
class VideoBoard::Impl {
public:
    explicit Impl(const BoardEnvironment& e) : env(e) {}

    BoardEnvironment env;
    mutable QMutex stateMutex;
    QString lastError;
    bool open = false;
    bool started = false;
    qint32 layer1Active = 0;
    QImage layers[2];
    QImage output;
    quint64 frameCount = 0;
    std::function<void(const QImage&, quint64, qint64)> listener;
    std::vector<Renderer*> renderers;
    std::unique_ptr<TvOutputWindow> window;

    QMutex tickMutex;  // held for a whole tick; attach and detach wait for it

    std::thread thread;
    std::mutex threadMutex;
    std::condition_variable wake;
    bool stopThread = false;

    bool fail(const QString& why) {
        lastError = why;
        return false;
    }
    bool ok() {
        lastError.clear();
        return true;
    }

    void compose() {
        QImage plane0, plane1;
        {
            QMutexLocker lock(&stateMutex);
            plane0 = layers[0];
            if (layer1Active == 1) plane1 = layers[1];
        }
        QImage frame = emptyFrame();
        {
            QPainter painter(&frame);
            if (!plane0.isNull()) painter.drawImage(QPoint(0, 0), plane0);
            if (!plane1.isNull()) painter.drawImage(QPoint(0, 0), plane1);
        }
        std::function<void(const QImage&, quint64, qint64)> notify;
        quint64 number = 0;
        {
            QMutexLocker lock(&stateMutex);
            output = frame;
            number = ++frameCount;
            notify = listener;
            if (window) window->present(frame);
        }
        if (notify) notify(frame, number, env.clock ? env.clock->monotonicMs() : 0);
    }

    void tickAndCompose() {
        QMutexLocker tick(&tickMutex);
        std::vector<Renderer*> list;
        {
            QMutexLocker lock(&stateMutex);
            list = renderers;
        }
        for (Renderer* r : list) r->tick();
        compose();
    }

    void run() {
        using clock = std::chrono::steady_clock;
        const auto interval = std::chrono::milliseconds(kFrameIntervalMs);
        auto next = clock::now();
        std::unique_lock<std::mutex> lock(threadMutex);
        while (!stopThread) {
            lock.unlock();
            tickAndCompose();
            lock.lock();
            next += interval;
            const auto now = clock::now();
            if (next < now) next = now;  // fell behind: keep the cadence from here
            wake.wait_until(lock, next, [this] { return stopThread; });
        }
    }

    void stop() {
        {
            std::lock_guard<std::mutex> lock(threadMutex);
            stopThread = true;
        }
        wake.notify_all();
        if (thread.joinable()) thread.join();
    }
};

VideoBoard::VideoBoard(const BoardEnvironment& environment) : d_(std::make_unique<Impl>(environment)) {}

VideoBoard::~VideoBoard() {
    d_->stop();
    std::vector<Renderer*> list;
    {
        QMutexLocker lock(&d_->stateMutex);
        list.swap(d_->renderers);
    }
    for (Renderer* r : list) r->boardGone(this);
    QMutexLocker lock(&d_->stateMutex);
    d_->window.reset();
}

QString VideoBoard::lastError() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->lastError;
}

bool VideoBoard::OpenBoard() {
    QMutexLocker lock(&d_->stateMutex);
    if (d_->open) return d_->ok();
    if (!d_->env.clock) return d_->fail(QStringLiteral("Scheda video senza orologio di riferimento"));
    const QString wanted = d_->env.settings
                               ? d_->env.settings->value(outputScreenSettingApplication(), outputScreenSettingSection(),
                                                         outputScreenSettingKey()).trimmed()
                               : QString();
    if (!wanted.isEmpty()) {
        auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        if (!app || QThread::currentThread() != app->thread()) {
            return d_->fail(QStringLiteral("Uscita TV sullo schermo '%1' non disponibile senza applicazione grafica").arg(wanted));
        }
        const QList<QScreen*> screens = QGuiApplication::screens();
        QScreen* screen = nullptr;
        bool isNumber = false;
        const int number = wanted.toInt(&isNumber);
        if (isNumber) {
            if (number >= 0 && number < screens.size()) screen = screens[number];
        } else {
            for (QScreen* s : screens) {
                if (s->name().compare(wanted, Qt::CaseInsensitive) == 0) screen = s;
            }
        }
        if (!screen) return d_->fail(QStringLiteral("Schermo di uscita TV '%1' non trovato").arg(wanted));
        d_->window = std::make_unique<TvOutputWindow>(screen);
        d_->window->showFullScreen();
    }
    d_->open = true;
    return d_->ok();
}

bool VideoBoard::isOpen() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->open;
}

bool VideoBoard::StartOutput() {
    {
        QMutexLocker lock(&d_->stateMutex);
        if (!d_->open) return d_->fail(QStringLiteral("Scheda video non aperta"));
        if (d_->started) return d_->ok();
        d_->started = true;
        d_->ok();
    }
    if (d_->env.renderThread) d_->thread = std::thread([this] { d_->run(); });
    return true;
}

bool VideoBoard::isOutputStarted() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->started;
}

bool VideoBoard::UpdateOutput(int x, int y, int w, int h) {
    {
        QMutexLocker lock(&d_->stateMutex);
        if (!d_->open) return d_->fail(QStringLiteral("Scheda video non aperta"));
        if (x < 0 || y < 0 || w < 0 || h < 0 || x + w > kFrameWidth || y + h > kFrameHeight) {
            return d_->fail(QStringLiteral("Area %1, %2, %3, %4 fuori dal quadro 720 x 576").arg(x).arg(y).arg(w).arg(h));
        }
        d_->ok();
    }
    d_->tickAndCompose();
    return true;
}

bool VideoBoard::GetOutputHandle(OutputHandle& handle) {
    QMutexLocker lock(&d_->stateMutex);
    if (!d_->open) return d_->fail(QStringLiteral("Scheda video non aperta"));
    handle = OutputHandle::board(this);
    return d_->ok();
}

bool VideoBoard::GetBoardLink(BoardLink& link) {
    QMutexLocker lock(&d_->stateMutex);
    if (!d_->open) return d_->fail(QStringLiteral("Scheda video non aperta"));
    link.board = this;
    return d_->ok();
}

bool VideoBoard::GetLayer1Active(qint32& active) {
    QMutexLocker lock(&d_->stateMutex);
    active = d_->layer1Active;
    return d_->ok();
}

bool VideoBoard::SetLayer1Active(qint32 active) {
    QMutexLocker lock(&d_->stateMutex);
    if (active != 0 && active != 1) return d_->fail(QStringLiteral("Valore %1 non valido per il livello 1 (0 o 1)").arg(active));
    d_->layer1Active = active;
    return d_->ok();
}

bool VideoBoard::ClearLayer(int layer) {
    QMutexLocker lock(&d_->stateMutex);
    if (layer != 1 && layer != 2) return d_->fail(QStringLiteral("Livello %1 non valido (1 o 2)").arg(layer));
    d_->layers[layer - 1] = QImage();
    return d_->ok();
}

QImage VideoBoard::outputFrame() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->output;
}

QImage VideoBoard::layerFrame(int plane) const {
    QMutexLocker lock(&d_->stateMutex);
    return plane == 0 || plane == 1 ? d_->layers[plane] : QImage();
}

quint64 VideoBoard::frameCount() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->frameCount;
}

void VideoBoard::setFrameListener(std::function<void(const QImage&, quint64, qint64)> listener) {
    QMutexLocker lock(&d_->stateMutex);
    d_->listener = std::move(listener);
}

void VideoBoard::composeNow() { d_->tickAndCompose(); }

bool VideoBoard::hasOutputWindow() const {
    QMutexLocker lock(&d_->stateMutex);
    return d_->window != nullptr;
}

void VideoBoard::attachRenderer(Renderer* renderer) {
    QMutexLocker tick(&d_->tickMutex);
    QMutexLocker lock(&d_->stateMutex);
    if (std::find(d_->renderers.begin(), d_->renderers.end(), renderer) == d_->renderers.end()) {
        d_->renderers.push_back(renderer);
    }
}

void VideoBoard::detachRenderer(Renderer* renderer) {
    QMutexLocker tick(&d_->tickMutex);
    QMutexLocker lock(&d_->stateMutex);
    d_->renderers.erase(std::remove(d_->renderers.begin(), d_->renderers.end(), renderer), d_->renderers.end());
}

void VideoBoard::submitLayerFrame(int plane, const QImage& frame) {
    if (plane != 0 && plane != 1) return;
    QMutexLocker lock(&d_->stateMutex);
    d_->layers[plane] = frame;
}

}  // namespace razudar::renderer
