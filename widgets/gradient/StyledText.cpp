// PaintStyledText: a line of text with highlight and shadow copies and an
// optional outline.

#include "platform/SystemColors.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {

void PaintStyledText(Surface& surface, int x, int y, const TRect& clipRect, const QString& text,
                     TTextStyle style, TextOutline outline, TColor faceColor, TColor delineateColor,
                     TColor highlightColor, TColor shadowColor, const TFont* font) {
  if (!font) return;
  const SelectedFont selected(surface, font->ToQFont());
  const SavedBkMode mode(surface, TRANSPARENT);
  const bool delineated = outline == TextOutline::Delineated;
  const auto copy = [&](TColor color, int at, int down) {
    surface.SetTextColor(ColorToRGB(color));
    surface.ExtTextOut(at, down, ETO_CLIPPED, &clipRect, text);
  };

  int d = delineated ? 4 : 2;
  if (style == TTextStyle::fstNone || style == TTextStyle::fstShadow) d = d / 2 - 1;
  constexpr int kShadowDepth = 2;
  int o = 0;
  switch (style) {
    case TTextStyle::fstNone:
      break;
    case TTextStyle::fstRaised:
      copy(highlightColor, x, y);
      copy(shadowColor, x + d, y + d);
      o = 1;
      break;
    case TTextStyle::fstRecessed:
      copy(shadowColor, x, y);
      copy(highlightColor, x + d, y + d);
      o = 1;
      break;
    case TTextStyle::fstPushed:
      copy(highlightColor, x + 1, y + 1);
      copy(shadowColor, x, y);
      return;  // no face
    case TTextStyle::fstShadow:
      copy(shadowColor, x + d + kShadowDepth, y + d + kShadowDepth);
      break;
    case TTextStyle::fstVolumetric:
      for (int i = 1; i <= kShadowDepth; ++i) copy(shadowColor, x + i, y + i);
      break;
  }
  if (delineated) {
    copy(delineateColor, x + o, y + o);
    copy(delineateColor, x + o + 2, y + o + 2);
    copy(delineateColor, x + o, y + o + 2);
    copy(delineateColor, x + o + 2, y + o);
    copy(faceColor, x + o + 1, y + o + 1);
  } else {
    copy(faceColor, x + o, y + o);
  }
}

}  // namespace ostrak
