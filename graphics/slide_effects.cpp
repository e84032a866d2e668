#include "graphics/slide_effects.h"

#include "graphics/control_state.h"
#include "platform/services/waiter.h"

namespace razudar::gra {

namespace {
constexpr int kStepWaitMs = 1;

// Clamps a stepped position to the slide's end: below `lowEnd` (moving left or up) or above 0
// (moving right or down).
// The step is added in 64 bits: a speed near the largest Long would overflow 32 bits.
qint32 clampStep(qint32 position, qint32 velocita, qint32 lowEnd) {
    const qint64 next = qint64(position) + velocita;
    if (velocita < 1 && next < lowEnd) return lowEnd;
    if (velocita >= 1 && next > 0) return 0;
    return qint32(next);
}
}  // namespace

SlideEffects::SlideEffects(ControlState& state, std::function<void(int, int, int, int)> placeWindow)
    : s_(state), placeWindow_(std::move(placeWindow)) {
    timer_.setInterval(1);
    // The timer steps the slide that EffettoX_ started until it reaches its end.
    QObject::connect(&timer_, &QTimer::timeout, [this] { EffettoX_(0); });
}

void SlideEffects::slide(EffectState& e, qint32& position, qint32 span, qint32 velocita, bool relativo) {
    if (velocita != 0) e.Velocita = velocita;
    const qint32 v = e.Velocita;
    // Without a speed the window would never move: the slide ends at once.
    if (v == 0) return;
    ++slideCount_;
    if (!timer_.isActive()) {
        e.X = 0;
        e.Y = 0;
        e.W = kFrameWidth;
        e.H = kFrameHeight;
        position = relativo ? span : (v > 0 ? -span : 0);
        place(e);
    }
    const qint32 lowEnd = relativo ? 0 : -span;
    do {
        position = clampStep(position, v, lowEnd);
        place(e);
        if (s_.environment.waiter) s_.environment.waiter->sleepMs(kStepWaitMs);
    } while (position != 0 && position != -span);
}

void SlideEffects::EffettoX(qint32 velocita, bool relativo) {
    if (s_.booSchedaVideoAssente) return;
    slide(x_, x_.X, kFrameWidth, velocita, relativo);
}

void SlideEffects::EffettoY(qint32 velocita, bool relativo) { slide(y_, y_.Y, kFrameHeight, velocita, relativo); }

void SlideEffects::EffettoX_(qint32 velocita) {
    if (velocita != 0) xStep_.Velocita = velocita;
    const qint32 v = xStep_.Velocita;
    if (!timer_.isActive()) {
        xStep_.X = v > 0 ? -kFrameWidth : 0;
        xStep_.Y = 0;
        xStep_.W = kFrameWidth;
        xStep_.H = kFrameHeight;
        place(xStep_);
        timer_.start();
        return;
    }
    xStep_.X = clampStep(xStep_.X, v, -kFrameWidth);
    place(xStep_);
    if (xStep_.X == 0 || xStep_.X == -kFrameWidth) timer_.stop();
}

}  // namespace razudar::gra
