#pragma once

// Where a top-level window opens: where it is asked to, but wholly inside
// the screen's available area (the desktop less its panels). A window larger
// than that area keeps its top-left corner in it, title bar included, and
// reaches past the right or bottom edge: the window cannot shrink, and its
// title bar stays within reach.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace ostrak {

// The top-left corner nearest `wanted` for a frame of `frame` size inside
// `available`.
QPoint KeepInside(const QRect& available, const QSize& frame, const QPoint& wanted);

// Moves `window` so that its frame is centred on `centre` and kept inside
// the available area of `screen` (none: only centred). A frame is unknown
// until the window is first shown: `frame` is what it adds to the window's
// size, as far as it is known.
void PlaceCentred(QWidget& window, const QPoint& centre, const QScreen* screen, const QMargins& frame = {});

}  // namespace ostrak
