#pragma once
// Height of the desktop taskbar, which the report preview window uses to place itself. The
// taskbar is the part of the screen that the desktop keeps out of the windows' available area.
#include <QRect>

namespace razudar {

// Twips per pixel in the window-placement units of the report preview.
inline constexpr int kTwipsPerPixel = 15;

// The taskbar's height in pixels, or in twips when inTwips is true, for a screen of geometry
// `screen` whose area available to windows is `available`. A taskbar docked at the top or the
// bottom is as high as the strip it takes; one docked at the left or the right edge is as high as
// the screen; no taskbar gives 0. The result is never narrowed, so a tall screen in twips does
// not overflow.
int AltezzaBarraApplicazioni(bool inTwips, const QRect& screen, const QRect& available);

// The same for the primary screen of the running graphical application; 0 when there is none.
int AltezzaBarraApplicazioni(bool inTwips);

}  // namespace razudar
