#include "app/windows/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace razudar {

bool isVisibleOnSomeScreen(const QRect& frame) {
    // At least a grip of the title bar must be reachable with the mouse.
    const QRect titleBand(frame.left(), frame.top(), frame.width(), 24);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(titleBand);
        if (common.width() >= 40 && common.height() >= 8) return true;
    }
    return false;
}

}  // namespace razudar
