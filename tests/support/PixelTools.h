#pragma once

// Reading pictures in tests: where a colour lies, and what a row shows.

#include <QString>
#include <string>

#include "platform/Geometry.h"
#include "platform/Surface.h"

namespace ostrak::test {

// The smallest rectangle holding every pixel of `color` (right and bottom
// excluded); all zero when there is none.
TRect BoundsOf(const Surface& surface, TColor color);

// Number of pixels of exactly `color`.
int CountOf(const Surface& surface, TColor color);

// True when every pixel outside `area` is `color`.
bool OutsideIs(const Surface& surface, const TRect& area, TColor color);

// One character per pixel of row y from x = left to right - 1, looked up in
// `legend` (pairs of colour and character); '?' for other colours.
std::string RowText(const Surface& surface, int y, int left, int right,
                    std::initializer_list<std::pair<TColor, char>> legend);

// The size of `text` in the font a control's canvas starts with.
TSize CanvasTextExtent(const QString& text);

}  // namespace ostrak::test
