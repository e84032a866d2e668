#pragma once
#include <QRect>

namespace razudar {

// True when the top band of `frame` (where the title bar is) lies on one of the screens.
bool isVisibleOnSomeScreen(const QRect& frame);

}  // namespace razudar
