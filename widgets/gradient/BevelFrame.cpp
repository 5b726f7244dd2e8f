// PaintBevelFrame: one-pixel bevels whose lines each move the inner
// rectangle's matching edge one pixel inward.

#include "platform/SystemColors.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {

namespace {

struct BevelPens {
  Pen dark;
  Pen light;
  Pen shade;
};

class BevelPainter {
public:
  BevelPainter(Surface& surface, const BevelPens& pens, TBevelSides sides, BevelWeight weight, TRect& inner)
      : surface_(surface), pens_(pens), sides_(sides), bold_(weight == BevelWeight::Bold), inner_(inner) {}

  // One bevel on cur = (L, T, R, B), sides in the order left, top, right,
  // bottom. Bold doubles only the shaded sides.
  void Draw(const TRect& cur, TBevelCut cut) {
    const int l = cur.left, t = cur.top, r = cur.right, b = cur.bottom;
    if (sides_.Contains(TBevelSide::Left)) {
      if (cut == TBevelCut::bvRaised) {
        Line(pens_.light, l, t, l, b + 1, inner_.left, +1);
      } else if (cut == TBevelCut::bvLowered && bold_) {
        Line(pens_.dark, l, t, l, b, inner_.left, +1);
        const int e = sides_.Contains(TBevelSide::Bottom) ? 0 : 1;
        Line(pens_.shade, l + 1, t + 1, l + 1, b + e, inner_.left, +1);
      } else {
        Line(pens_.shade, l, t, l, b, inner_.left, +1);
      }
    }
    if (sides_.Contains(TBevelSide::Top)) {
      if (cut == TBevelCut::bvRaised) {
        Line(pens_.light, l, t, r, t, inner_.top, +1);
      } else if (cut == TBevelCut::bvLowered && bold_) {
        Line(pens_.dark, l, t, r, t, inner_.top, +1);
        Line(pens_.shade, l + 1, t + 1, r, t + 1, inner_.top, +1);
      } else {
        Line(pens_.shade, l, t, r, t, inner_.top, +1);
      }
    }
    if (sides_.Contains(TBevelSide::Right)) {
      if (cut == TBevelCut::bvLowered) {
        Line(pens_.light, r, t, r, b, inner_.right, -1);
      } else if (cut == TBevelCut::bvRaised && bold_) {
        Line(pens_.dark, r, t, r, b + 1, inner_.right, -1);
        Line(pens_.shade, r - 1, t + 1, r - 1, b + 1, inner_.right, -1);
      } else if (cut == TBevelCut::bvRaised) {
        Line(pens_.shade, r, t, r, b + 1, inner_.right, -1);
      } else {
        Line(pens_.shade, r, t, r, b, inner_.right, -1);
      }
    }
    if (sides_.Contains(TBevelSide::Bottom)) {
      if (cut == TBevelCut::bvLowered) {
        Line(pens_.light, l, b, r + 1, b, inner_.bottom, -1);
      } else if (cut == TBevelCut::bvRaised && bold_) {
        Line(pens_.dark, l, b, r, b, inner_.bottom, -1);
        const int c = sides_.Contains(TBevelSide::Left) ? 1 : 0;
        Line(pens_.shade, l + c, b - 1, r, b - 1, inner_.bottom, -1);
      } else if (cut == TBevelCut::bvRaised) {
        Line(pens_.shade, l, b, r, b, inner_.bottom, -1);
      } else {
        Line(pens_.shade, l, b, r + 1, b, inner_.bottom, -1);
      }
    }
  }

private:
  void Line(const Pen& pen, int x0, int y0, int x1, int y1, int& edge, int inward) {
    surface_.SelectPen(pen);
    surface_.MoveTo(x0, y0);
    surface_.LineTo(x1, y1);
    edge += inward;
  }

  Surface& surface_;
  const BevelPens& pens_;
  TBevelSides sides_;
  bool bold_;
  TRect& inner_;
};

}  // namespace

TRect PaintBevelFrame(Surface& surface, const TRect& rect, TBevelSides sides, TBevelCut inner,
                      TBevelCut outer, BevelWeight weight, TColor fillColor, FrameFill fill) {
  TRect out = rect;
  {
    const SelectedPen keep(surface, surface.CurrentPen());
    const int style = surface.CurrentPen().style;
    const int width = surface.CurrentPen().width == 0 ? 1 : surface.CurrentPen().width;
    const BevelPens pens{Pen{style, width, GetSysColor(COLOR_3DDKSHADOW)},
                         Pen{style, width, GetSysColor(COLOR_BTNHIGHLIGHT)},
                         Pen{style, width, GetSysColor(COLOR_BTNSHADOW)}};
    BevelPainter painter(surface, pens, sides, weight, out);
    if (outer != TBevelCut::bvNone) painter.Draw(rect, outer);
    const TRect cur = out;
    if (inner != TBevelCut::bvNone) painter.Draw(cur, inner);
  }
  if (fill == FrameFill::Filled) {
    surface.FillRect(Rect(out.left, out.top, out.right + 1, out.bottom + 1),
                     Brush::Solid(ColorToRGB(fillColor)));
  }
  return out;
}

}  // namespace ostrak
