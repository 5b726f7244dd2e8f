#pragma once

// Stateless drawing routines of the rating bar. Each one puts back whatever
// it selects into the surface (pen, brush, font, background mode), except the
// text colour. Colours pass through ColorToRGB before they are drawn.

#include <QString>

#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Surface.h"
#include "widgets/DrawTypes.h"
#include "widgets/gradient/GradientClasses.h"

namespace ostrak {

enum class BevelWeight { Normal, Bold };
enum class FrameFill { Filled, Transparent };
enum class TextOutline { None, Delineated };

// Fills rect with the gradient's bands, up to its PercentFilling: the band
// that crosses the limit is still painted. penStyle and penWidth (0 counts as
// 1) draw the lines of the two bias orientations. Buffered drawing gives the
// same pixels as direct drawing.
void PaintGradientBands(Surface& surface, const TRect& rect, const TCustomGradient& gradient, int penStyle,
                        int penWidth);

// Draws the outer, then the inner bevel on the chosen sides of rect, whose
// right and bottom are the last column and row the frame may touch, with the
// style and width of the surface's current pen; fills what is left inside
// (its right and bottom included) with fillColor unless Transparent, and
// returns that inner rectangle.
TRect PaintBevelFrame(Surface& surface, const TRect& rect, TBevelSides sides, TBevelCut inner,
                      TBevelCut outer, BevelWeight weight, TColor fillColor, FrameFill fill);

// One line of text with its cell's top-left at (x, y), clipped to clipRect,
// with the style's highlight and shadow copies and an optional outline (the
// text smeared over a 3 x 3 square in delineateColor around the face).
// Without a font nothing is drawn.
void PaintStyledText(Surface& surface, int x, int y, const TRect& clipRect, const QString& text,
                     TTextStyle style, TextOutline outline, TColor faceColor, TColor delineateColor,
                     TColor highlightColor, TColor shadowColor, const TFont* font);

}  // namespace ostrak
