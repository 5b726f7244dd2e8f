#include "widgets/navigation/FillGradient.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/MulDiv.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

std::uint8_t Channel(int start, int delta, int i, int last) {
  return static_cast<std::uint8_t>(std::clamp(start + MulDiv(i, delta, last), 0, 255));
}

}  // namespace

void FillGradient(Surface& canvas, const TRect& rect, TColor startColor, TColor endColor,
                  TFillDirection direction, std::uint8_t colorCount) {
  if (startColor == clNone && endColor == clNone) return;
  if (IsRectEmpty(rect) && canvas.GetMapMode() == MM_TEXT) return;
  if (startColor == clNone) startColor = endColor;
  if (endColor == clNone) endColor = startColor;

  TColor start = ColorToRGB(startColor);
  TColor end = ColorToRGB(endColor);
  bool vertical = true;
  switch (direction) {
    case TFillDirection::fdTopToBottom:
      break;
    case TFillDirection::fdBottomToTop:
      std::swap(start, end);
      break;
    case TFillDirection::fdLeftToRight:
      vertical = false;
      break;
    case TFillDirection::fdRightToLeft:
      std::swap(start, end);
      vertical = false;
      break;
  }

  if (colorCount < 2 || start == end) {
    canvas.FillRect(rect, Brush::Solid(start));
    return;
  }

  const int extent = vertical ? std::abs(rect.bottom - rect.top) : std::abs(rect.right - rect.left);
  const int steps = std::max(2, std::min<int>(colorCount, extent));
  const int band = extent / steps;
  const int dr = GetRValue(end) - GetRValue(start);
  const int dg = GetGValue(end) - GetGValue(start);
  const int db = GetBValue(end) - GetBValue(start);

  if (band > 0) {
    for (int i = 0; i < steps; ++i) {
      const TColor color =
          RGB(Channel(GetRValue(start), dr, i, steps - 1), Channel(GetGValue(start), dg, i, steps - 1),
              Channel(GetBValue(start), db, i, steps - 1));
      TRect stripe = rect;
      if (vertical) {
        stripe.top = rect.top + i * band;
        stripe.bottom = rect.top + (i + 1) * band;
      } else {
        stripe.left = rect.left + i * band;
        stripe.right = rect.left + (i + 1) * band;
      }
      canvas.FillRect(stripe, Brush::Solid(color));
    }
  }

  const int remainder = extent % steps;
  if (remainder > 0) {
    TRect rest = rect;
    if (vertical) {
      rest.top = rect.bottom - remainder;
    } else {
      rest.left = rect.right - remainder;
    }
    canvas.FillRect(rest, Brush::Solid(end));
  }
}

}  // namespace ostrak
