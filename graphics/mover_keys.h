#pragma once
#include <QString>

#include "graphics/move_batch.h"

namespace razudar::gra {

// Key positions shared by the movers.

// "T": the move time, 1 when the caller gives 0.
inline qint64 moveTime(qint64 velocita) { return velocita == 0 ? 1 : velocita; }
// "D": one frame width in the direction given.
inline qint64 moveDistance(qint64 direzione) { return direzione * 720; }

// The standard slide with alpha `a`: moving, from where the object is to D further over T;
// not moving, placed at D further at once. Last key index 1.
inline bool standardSlide(MoveBatch& b, const QString& name, const renderer::ObjectLayout& l, qint64 a,
                          int direzione, qint64 velocita, bool visibile) {
    const qint64 d = moveDistance(direzione);
    if (visibile) {
        return b.key(name, {0, 0, l.x, l.y, a}) && b.key(name, {1, moveTime(velocita), l.x + d, l.y, a});
    }
    return b.key(name, {0, 0, l.x + d, l.y, a}) && b.key(name, {1, 1, l.x + d, l.y, a});
}

// Wipe keys of effects 1..4: edge 1 left (W), 2 top (H), 3 right (W), 4 bottom (H) hidden at
// key 0 when entering (direzione 1), uncovered over `velocita` (used as given, also 0).
inline bool wipeKeys(MoveBatch& b, const QString& name, const renderer::ObjectLayout& l, qint64 a, int effetto,
                     int direzione, qint64 velocita) {
    const qint64 size = (effetto == 1 || effetto == 3) ? l.w : l.h;
    const qint64 from = direzione == 1 ? size : 0;
    const qint64 to = direzione == 1 ? 0 : size;
    MoveBatch::Key k0{0, 0, l.x, l.y, a};
    MoveBatch::Key k1{1, velocita, l.x, l.y, a};
    qint64* edge0[] = {&k0.c1, &k0.c2, &k0.c3, &k0.c4};
    qint64* edge1[] = {&k1.c1, &k1.c2, &k1.c3, &k1.c4};
    *edge0[effetto - 1] = from;
    *edge1[effetto - 1] = to;
    return b.key(name, k0) && b.key(name, k1);
}

}  // namespace razudar::gra
