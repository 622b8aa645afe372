#pragma once

#include <QList>
#include <QRect>

// Fits a window's outer geometry, as restored from the settings, to the screens there are now:
// a window stored on a screen that has since gone, or larger than any screen, would otherwise
// open out of reach.
namespace ScreenFit {

// The available area of the screen that holds the largest part of outer, or primary when none
// holds any part of it; outer is made at most that area's size and moved wholly into it. Without
// any screen area, outer as it is.
QRect fit(const QRect& outer, const QList<QRect>& available, const QRect& primary);

} // namespace ScreenFit
