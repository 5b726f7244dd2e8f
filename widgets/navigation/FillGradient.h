#pragma once

// The navigation pane's banded gradient fill.

#include <cstdint>

#include "core/Colors.h"
#include "platform/Geometry.h"
#include "platform/Surface.h"

namespace ostrak {

enum class TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };

// Fills `rect` with at most `colorCount` bands running from startColor to
// endColor. Band i of `steps` has, per channel, start + MulDiv(i, delta,
// steps - 1); the extent's remainder after whole bands is filled with the end
// colour at the far edge. Fewer than 2 colours, or equal colours, give one
// plain fill of the start colour. Both colours clNone draw nothing; when only
// one is clNone the other fills the rectangle.
void FillGradient(Surface& canvas, const TRect& rect, TColor startColor, TColor endColor,
                  TFillDirection direction, std::uint8_t colorCount);

}  // namespace ostrak
