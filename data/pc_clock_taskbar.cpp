#include "data/pc_clock_taskbar.h"

#include <QGuiApplication>
#include <QScreen>

namespace razudar {

int AltezzaBarraApplicazioni(bool inTwips, const QRect& screen, const QRect& available) {
    int heightPx = 0;
    if (available.isValid() && available != screen) {
        // Narrower than the screen: docked at a side, so the bar spans the screen's height.
        heightPx = available.width() < screen.width() ? screen.height()
                                                       : screen.height() - available.height();
    }
    if (heightPx < 0) heightPx = 0;
    return inTwips ? heightPx * kTwipsPerPixel : heightPx;
}

int AltezzaBarraApplicazioni(bool inTwips) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return 0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    return AltezzaBarraApplicazioni(inTwips, screen->geometry(), screen->availableGeometry());
}

}  // namespace razudar
