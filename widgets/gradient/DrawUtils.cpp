#include "widgets/gradient/DrawUtils.h"

#include <algorithm>
#include <utility>

#include "core/MulDiv.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

// What one gradient paint needs, taken from the gradient so that the two
// halves of a convergent gradient can swap colours without touching it.
struct BandSettings {
  TColor fromRGB;
  TColor toRGB;
  TGradientDir orientation;
  int steps;
  int percentFilling;
  TBrushStyle brushStyle;
  bool buffered;
};

bool IsBias(TGradientDir orientation) {
  return orientation == TGradientDir::fgdLeftBias || orientation == TGradientDir::fgdRightBias;
}

int BandCount(const BandSettings& bands, int w, int h) {
  switch (bands.orientation) {
    case TGradientDir::fgdHorizontal:
      return std::min(bands.steps, h);
    case TGradientDir::fgdVertical:
      return std::min(bands.steps, w);
    case TGradientDir::fgdRectangle:
      return std::min(bands.steps, std::min(w / 2, h / 2));
    default:
      return std::min(bands.steps, w + h);
  }
}

TColor BandColor(const BandSettings& bands, int band, int count) {
  // A single band takes the from colour (the scale below would divide by 0).
  const auto channel = [&](int from, int to) {
    return static_cast<std::uint8_t>((from + (count == 1 ? 0 : MulDiv(band, to - from, count - 1))) & 0xFF);
  };
  return RGB(channel(GetRValue(bands.fromRGB), GetRValue(bands.toRGB)),
             channel(GetGValue(bands.fromRGB), GetGValue(bands.toRGB)),
             channel(GetBValue(bands.fromRGB), GetBValue(bands.toRGB)));
}

// The loop ends after the band that crosses the limit. The quotient and the
// product are taken in 80-bit extended precision, where 153 / 255 * 100 lies
// just above 60.
bool PastTheFilling(int percentFilling, int band, int count) {
  const long double share = static_cast<long double>(band) / static_cast<long double>(count);
  return static_cast<long double>(percentFilling) < share * 100.0L;
}

Brush BandBrush(TBrushStyle style, TColor color) {
  if (style == TBrushStyle::bsSolid) return Brush::Solid(color);
  // bsClear asks for hatch -1, which the surface draws as nothing.
  return Brush::Hatched(static_cast<int>(style) - 2, color);
}

// Diagonal lines from P to Q, both advancing along the edges by the pen width
// before each line and carried from band to band.
class BiasWalk {
public:
  BiasWalk(const TRect& rect, TGradientDir orientation, int step)
      : rect_(rect), left_(orientation == TGradientDir::fgdLeftBias), step_(step) {
    p_ = q_ = TPoint{left_ ? rect.left : rect.right, rect.top};
  }

  void Advance() {
    if (left_) {
      if (p_.y < rect_.bottom) {
        p_.y += step_;
      } else {
        p_.x += step_;
      }
      if (q_.x < rect_.right) {
        q_.x += step_;
      } else {
        q_.y += step_;
      }
    } else {
      if (p_.x > rect_.left) {
        p_.x -= step_;
      } else {
        p_.y += step_;
      }
      if (q_.y < rect_.bottom) {
        q_.y += step_;
      } else {
        q_.x -= step_;
      }
    }
  }

  void DrawLine(Surface& surface) {
    Advance();
    surface.MoveTo(p_.x, p_.y);
    surface.LineTo(q_.x, q_.y);
  }

  TPoint P() const { return p_; }
  TPoint Q() const { return q_; }

private:
  TRect rect_;
  bool left_;
  int step_;
  TPoint p_;
  TPoint q_;
};

int LineStep(int penWidth) { return penWidth == 0 ? 1 : penWidth; }

// Every pixel the bands may touch. A bias walk runs W + H lines whatever the
// pen width, so with a wide pen its lines leave the rectangle far behind.
TRect BandsExtent(const TRect& rect, const BandSettings& bands, int penWidth) {
  if (!IsBias(bands.orientation)) return rect;
  TRect extent = rect;
  const auto include = [&extent](TPoint point) {
    extent.left = std::min(extent.left, point.x);
    extent.top = std::min(extent.top, point.y);
    extent.right = std::max(extent.right, point.x + 1);
    extent.bottom = std::max(extent.bottom, point.y + 1);
  };
  BiasWalk walk(rect, bands.orientation, LineStep(penWidth));
  for (int line = 0, lines = rect.Width() + rect.Height(); line < lines; ++line) {
    walk.Advance();
    include(walk.P());
    include(walk.Q());
  }
  const int reach = std::max(penWidth, 1);  // a wide pen's square around each pixel
  InflateRect(extent, reach, reach);
  return extent;
}

void PaintBandsDirect(Surface& surface, const TRect& rect, const BandSettings& bands, int penStyle,
                      int penWidth) {
  const int w = rect.Width();
  const int h = rect.Height();
  const int count = BandCount(bands, w, h);
  BiasWalk walk(rect, bands.orientation, LineStep(penWidth));

  for (int band = 0; band < count; ++band) {
    const TColor color = BandColor(bands, band, count);
    switch (bands.orientation) {
      case TGradientDir::fgdHorizontal:
        surface.FillRect(Rect(rect.left, rect.top + MulDiv(band, h, count), rect.right,
                              rect.top + MulDiv(band + 1, h, count)),
                         BandBrush(bands.brushStyle, color));
        break;
      case TGradientDir::fgdVertical:
        surface.FillRect(Rect(rect.left + MulDiv(band, w, count), rect.top,
                              rect.left + MulDiv(band + 1, w, count), rect.bottom),
                         BandBrush(bands.brushStyle, color));
        break;
      case TGradientDir::fgdRectangle: {
        const int dx = MulDiv(band, w / 2, count);
        const int dy = MulDiv(band, h / 2, count);
        surface.FillRect(Rect(rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy),
                         BandBrush(bands.brushStyle, color));
        break;
      }
      default: {
        const SelectedPen pen(surface, Pen{penStyle, penWidth, color});
        const int lines = MulDiv(band + 1, w + h, count) - MulDiv(band, w + h, count);
        for (int line = 0; line < lines; ++line) walk.DrawLine(surface);
        break;
      }
    }
    if (PastTheFilling(bands.percentFilling, band, count)) break;
  }
}

// Composes the bands off-screen and copies them back. The off-screen image
// covers every pixel of the surface the bands may touch and starts as a copy
// of it, with the surface's background mode, colour and hatch alignment, so
// the result equals direct drawing pixel for pixel.
void PaintBandsBuffered(Surface& surface, const TRect& rect, const BandSettings& bands, int penStyle,
                        int penWidth) {
  if (BandCount(bands, rect.Width(), rect.Height()) < 1) return;
  const TRect extent = BandsExtent(rect, bands, penWidth);
  const int left = std::max(extent.left, 0);
  const int top = std::max(extent.top, 0);
  const int w = std::min(extent.right, surface.Width()) - left;
  const int h = std::min(extent.bottom, surface.Height()) - top;
  if (w <= 0 || h <= 0) return;
  Surface buffer(w, h, clBlack, surface.Scale());
  buffer.SetMapMode(surface.GetMapMode());
  buffer.SetBkMode(surface.GetBkMode());
  buffer.SetBkColor(surface.GetBkColor());
  const TPoint origin = surface.GetBrushOrg();
  buffer.SetBrushOrg(origin.x - left, origin.y - top);
  buffer.SelectPen(surface.CurrentPen());
  buffer.BitBlt(0, 0, w, h, surface, left, top);
  TRect local = rect;
  OffsetRect(local, -left, -top);
  PaintBandsDirect(buffer, local, bands, penStyle, penWidth);
  surface.BitBlt(left, top, w, h, buffer, 0, 0);
}

void PaintBands(Surface& surface, const TRect& rect, BandSettings bands, int penStyle, int penWidth) {
  if (bands.orientation == TGradientDir::fgdHorzConvergent) {
    const int half = rect.Height() / 2;
    bands.orientation = TGradientDir::fgdHorizontal;
    PaintBands(surface, Rect(rect.left, rect.top, rect.right, rect.bottom - half), bands, penStyle, penWidth);
    std::swap(bands.fromRGB, bands.toRGB);
    PaintBands(surface, Rect(rect.left, rect.top + half, rect.right, rect.bottom), bands, penStyle, penWidth);
  } else if (bands.orientation == TGradientDir::fgdVertConvergent) {
    const int half = rect.Width() / 2;
    bands.orientation = TGradientDir::fgdVertical;
    PaintBands(surface, Rect(rect.left, rect.top, rect.right - half, rect.bottom), bands, penStyle, penWidth);
    std::swap(bands.fromRGB, bands.toRGB);
    PaintBands(surface, Rect(rect.left + half, rect.top, rect.right, rect.bottom), bands, penStyle, penWidth);
  } else if (bands.buffered) {
    PaintBandsBuffered(surface, rect, bands, penStyle, penWidth);
  } else {
    PaintBandsDirect(surface, rect, bands, penStyle, penWidth);
  }
}

}  // namespace

void PaintGradientBands(Surface& surface, const TRect& rect, const TCustomGradient& gradient, int penStyle,
                        int penWidth) {
  if (!gradient.Active() || gradient.Steps() == 1 || surface.GetDeviceCaps(BITSPIXEL) < 16) return;
  const BandSettings bands{gradient.FromRGB(),     gradient.ToRGB(),          gradient.Orientation(),
                           gradient.Steps(),       gradient.PercentFilling(), gradient.BrushStyle(),
                           gradient.BufferedDraw()};
  PaintBands(surface, rect, bands, penStyle, penWidth);
}

}  // namespace ostrak
