#include "widgets/ControlBevel.h"

#include <QPainter>
#include <algorithm>

#include "platform/DeviceScale.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

namespace ostrak {
namespace {

// The colours of one ring: top-left, bottom-right; -1 draws nothing.
struct RingColours {
  int lit = -1;
  int shaded = -1;
};

enum class Ring { Outer, Inner };

RingColours ColoursOf(TBevelKind kind, Ring ring, TBevelCut cut) {
  const bool raised = cut == TBevelCut::bvRaised;
  const bool lowered = cut == TBevelCut::bvLowered;
  if (!raised && !lowered) return {};
  switch (kind) {
    case TBevelKind::bkFlat:
      // A flat bevel is a shadow line outside and a face-coloured line inside.
      return ring == Ring::Outer ? RingColours{COLOR_BTNSHADOW, COLOR_BTNSHADOW}
                                 : RingColours{COLOR_BTNFACE, COLOR_BTNFACE};
    case TBevelKind::bkSoft:
      if (ring == Ring::Outer) {
        return raised ? RingColours{COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW}
                      : RingColours{COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT};
      }
      return raised ? RingColours{COLOR_3DLIGHT, COLOR_BTNSHADOW}
                    : RingColours{COLOR_BTNSHADOW, COLOR_3DLIGHT};
    case TBevelKind::bkTile:
      if (ring == Ring::Outer) {
        return raised ? RingColours{COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                      : RingColours{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
      }
      return raised ? RingColours{COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}
                    : RingColours{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    case TBevelKind::bkNone:
      break;
  }
  return {};
}

void Line(Surface& surface, int colour, TPoint from, TPoint to) {
  if (colour < 0) return;
  surface.SelectPen(Pen{PS_SOLID, 1, GetSysColor(colour)});
  surface.MoveTo(from.x, from.y);
  surface.LineTo(to.x, to.y);
}

void PaintRing(Surface& surface, const TRect& r, RingColours colours) {
  Line(surface, colours.lit, {r.left, r.top}, {r.right, r.top});
  Line(surface, colours.lit, {r.left, r.top}, {r.left, r.bottom});
  Line(surface, colours.shaded, {r.left, r.bottom - 1}, {r.right, r.bottom - 1});
  Line(surface, colours.shaded, {r.right - 1, r.top}, {r.right - 1, r.bottom});
}

}  // namespace

int TControlBevel::Width() const {
  if (kind == TBevelKind::bkNone) return 0;
  return (inner != TBevelCut::bvNone ? 1 : 0) + (outer != TBevelCut::bvNone ? 1 : 0);
}

void PaintControlBevel(Surface& surface, const TRect& bounds, const TControlBevel& bevel) {
  if (bevel.kind == TBevelKind::bkNone || IsRectEmpty(bounds)) return;
  const Pen previous = surface.CurrentPen();
  TRect ring = bounds;
  for (const auto& [which, cut] :
       {std::pair{Ring::Outer, bevel.outer}, std::pair{Ring::Inner, bevel.inner}}) {
    if (cut == TBevelCut::bvNone) continue;
    PaintRing(surface, ring, ColoursOf(bevel.kind, which, cut));
    InflateRect(ring, -1, -1);
  }
  surface.SelectPen(previous);
}

const QImage& TBevelOverlay::Image(int width, int height, const TControlBevel& bevel, int scale) {
  scale = std::max(1, scale);
  if (image_.width() == width * scale && image_.height() == height * scale && bevel == drawn_ &&
      scale == scale_ && !image_.isNull())
    return image_;
  image_ =
      QImage(std::max(0, width) * scale, std::max(0, height) * scale, QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(scale);
  image_.fill(Qt::transparent);
  drawn_ = bevel;
  scale_ = scale;
  Surface canvas(&image_);
  PaintControlBevel(canvas, Rect(0, 0, width, height), bevel);
  ringsOpaque_ = !image_.isNull() && bevel.Width() > 0;
  // Only the band the rings take is looked at: inside it, every row of the
  // top and bottom rings and the two ends of every other row.
  const int edge = bevel.Width() * scale;
  const int imageWidth = image_.width();
  const int imageHeight = image_.height();
  const auto opaque = [](const QRgb* from, const QRgb* to) {
    return std::all_of(from, to, [](QRgb pixel) { return qAlpha(pixel) == 255; });
  };
  for (int y = 0; y < imageHeight && ringsOpaque_; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    const int band = std::min(edge, imageWidth);
    if (y < edge || y >= imageHeight - edge || 2 * band >= imageWidth) {
      ringsOpaque_ = opaque(line, line + imageWidth);
    } else {
      ringsOpaque_ = opaque(line, line + band) && opaque(line + imageWidth - band, line + imageWidth);
    }
  }
  return image_;
}

// Whether the rings are opaque does not depend on the scale: the one drawn
// last serves.
bool TBevelOverlay::RingsOpaque(int width, int height, const TControlBevel& bevel) {
  Image(width, height, bevel, scale_);
  return ringsOpaque_;
}

void TBevelOverlay::Paint(QPainter& painter, int width, int height, const TControlBevel& bevel) {
  DrawScaledImage(painter, QPoint(0, 0), Image(width, height, bevel, DrawingScale(painter)));
}

}  // namespace ostrak
