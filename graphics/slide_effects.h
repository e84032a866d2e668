#pragma once
#include <QTimer>

#include <functional>

namespace razudar::gra {

struct ControlState;

// Position of the graphics window during a slide, and the speed of the last slide.
struct EffectState {
    qint32 X = 0;
    qint32 Y = 0;
    qint32 W = 0;
    qint32 H = 0;
    qint32 Velocita = 0;  // pixels per step; keeps the last non-zero speed given
};

// The slides of the whole graphics window: EffettoX and EffettoY block until the window has
// reached its end position, one step and a 1 ms wait at a time; EffettoX_ makes one step per
// call and lets the timer make the others.
class SlideEffects {
public:
    // `placeWindow` receives every position of the window (setdveRazudar).
    SlideEffects(ControlState& state, std::function<void(int, int, int, int)> placeWindow);

    void EffettoX(qint32 velocita, bool relativo);
    void EffettoY(qint32 velocita, bool relativo);
    void EffettoX_(qint32 velocita);

    QTimer& timEffettoX() { return timer_; }
    bool stepping() const { return timer_.isActive(); }
    const EffectState& stateX() const { return x_; }
    const EffectState& stateY() const { return y_; }
    const EffectState& stateXStep() const { return xStep_; }
    // Blocking slides run so far (EffettoX and EffettoY that moved the window): each one holds
    // the caller for its whole length, so hosts and tests can tell how often the air froze.
    int slideCount() const { return slideCount_; }

private:
    // One blocking slide along one axis: `position` is X or Y of `effect`, `span` the frame's
    // extent along that axis.
    void slide(EffectState& effect, qint32& position, qint32 span, qint32 velocita, bool relativo);
    void place(const EffectState& e) { placeWindow_(e.X, e.Y, e.W, e.H); }

    ControlState& s_;
    std::function<void(int, int, int, int)> placeWindow_;
    EffectState x_;
    EffectState y_;
    EffectState xStep_;
    QTimer timer_;
    int slideCount_ = 0;
};

}  // namespace razudar::gra
