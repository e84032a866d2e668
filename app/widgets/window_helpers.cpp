#include "app/widgets/window_helpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace razudar {

void CentraForm(QWidget& window, const QWidget* owner) {
    const QRect frame = window.frameGeometry();
    QRect area;
    if (owner) {
        area = owner->frameGeometry();
    } else {
        const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (!screen) return;
        area = screen->geometry();
    }
    window.move((area.width() - frame.width()) / 2 + area.left(),
                (area.height() - frame.height()) / 2 + area.top());
}

}  // namespace razudar
