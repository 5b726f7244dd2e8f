#include "support/PixelTools.h"

#include <algorithm>

#include "platform/Fonts.h"

namespace ostrak::test {

TRect BoundsOf(const Surface& surface, TColor color) {
  TRect bounds{surface.Width(), surface.Height(), 0, 0};
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.Pixel(x, y) != color) continue;
      bounds.left = std::min(bounds.left, x);
      bounds.top = std::min(bounds.top, y);
      bounds.right = std::max(bounds.right, x + 1);
      bounds.bottom = std::max(bounds.bottom, y + 1);
    }
  }
  return IsRectEmpty(bounds) ? TRect{} : bounds;
}

int CountOf(const Surface& surface, TColor color) {
  int count = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) count += surface.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

bool OutsideIs(const Surface& surface, const TRect& area, TColor color) {
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      if (!inside && surface.Pixel(x, y) != color) return false;
    }
  }
  return true;
}

std::string RowText(const Surface& surface, int y, int left, int right,
                    std::initializer_list<std::pair<TColor, char>> legend) {
  std::string text;
  for (int x = left; x < right; ++x) {
    char shown = '?';
    for (const auto& [color, character] : legend) {
      if (surface.Pixel(x, y) == color) shown = character;
    }
    text += shown;
  }
  return text;
}

TSize CanvasTextExtent(const QString& text) {
  Surface measure(1, 1);
  measure.SelectFont(DefaultCanvasFont().ToQFont());
  return measure.GetTextExtentPoint32(text);
}

}  // namespace ostrak::test
