#pragma once
#include "shell/screen.h"

#include <QRect>
#include <QString>

// Where every window stands on the screen, computed from the screen alone: the description of
// each window gives its outer frame (title bar and borders included) as a fraction of the
// screen's available area, beside or under the windows it opens with. On a screen too small
// or too narrow for that, a window is shrunk (keeping its proportions) rather than run off
// the screen, and a window that would open over what the student is asked to read moves.
//
// `window` is the window's name; `menuHeight` the height of its menu bar in pixels (the
// semicircle window keeps a square drawing surface under its menu). The result is in pixels
// from the top left of the available area, and always lies inside it.
QRect WindowPlace(const QString& window, const Screen& screen, int menuHeight = 0);

// The designed width of the list window's client area beside the semicircle window, in pixels.
inline constexpr int kListWindowWidth = 420;
// The narrowest mean-error window that shows its graph; narrower room puts it over the index
// graph instead.
inline constexpr int kLeastErrorsWidth = 200;
