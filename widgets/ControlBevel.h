#pragma once

// The bevel a windowed control may draw inside its own bounds, around its
// client area: up to two one-pixel rings (outer, then inner), each lit on
// its top and left and shaded on its bottom and right, in one of three
// looks. The ring's right and bottom are drawn last, so the top-right and
// bottom-left corners take their colour.

#include <QImage>

#include "platform/Geometry.h"
#include "widgets/DrawTypes.h"

class QPainter;

namespace ostrak {

class Surface;

enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

struct TControlBevel {
  TBevelKind kind = TBevelKind::bkNone;
  TBevelCut inner = TBevelCut::bvRaised;
  TBevelCut outer = TBevelCut::bvLowered;

  // Pixels taken on each side: one per ring that is not bvNone; none
  // without a kind.
  int Width() const;
  friend bool operator==(const TControlBevel&, const TControlBevel&) = default;
};

// Draws the rings on the edge of `bounds` (right and bottom excluded).
void PaintControlBevel(Surface& surface, const TRect& bounds, const TControlBevel& bevel);

// The rings of a control that lays them over what Qt paints for it, kept
// between paints: they are drawn again only for another size, scale or bevel.
class TBevelOverlay {
public:
  // The rings on a transparent image of the given size, at `scale` device
  // pixels a pixel.
  const QImage& Image(int width, int height, const TControlBevel& bevel, int scale = 1);
  // Whether those rings cover every pixel of the edge they take (a ring cut
  // bvSpace takes its pixel but draws nothing).
  bool RingsOpaque(int width, int height, const TControlBevel& bevel);
  // Lays the rings over the control `painter` paints, at the target's scale.
  void Paint(QPainter& painter, int width, int height, const TControlBevel& bevel);

private:
  QImage image_;
  TControlBevel drawn_;
  int scale_ = 1;
  bool ringsOpaque_ = false;
};

}  // namespace ostrak
