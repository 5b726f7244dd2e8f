// Lines: the current point, the pixel choice of MoveTo/LineTo and pen styles.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

#include "platform/Surface.h"
#include "platform/SurfacePixels.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

// On and off run lengths in pixels of the styled one-pixel pens.
constexpr std::array<int, 2> kDash = {18, 6};
constexpr std::array<int, 2> kDot = {3, 3};
constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};

// The pattern of a pen, empty for a continuous one. Styled pens wider than
// one pixel draw solid, as the platform makes them.
std::span<const int> DashPattern(const Pen& pen) {
  if (pen.width > 1) return {};
  switch (pen.style) {
    case PS_DASH:
      return kDash;
    case PS_DOT:
      return kDot;
    case PS_DASHDOT:
      return kDashDot;
    case PS_DASHDOTDOT:
      return kDashDotDot;
    default:
      return {};
  }
}

bool DashOn(std::span<const int> pattern, int position) {
  int period = 0;
  for (int run : pattern) period += run;
  int at = position % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return true;
}

// round(i * d / n) with halves away from zero, i.e. toward the end point.
int StepOffset(int i, int d, int n) {
  const long long magnitude = (2LL * i * std::abs(d) + n) / (2LL * n);
  return static_cast<int>(d < 0 ? -magnitude : magnitude);
}

}  // namespace

TPoint Surface::MoveTo(int x, int y) {
  const TPoint previous = current_;
  current_ = TPoint{x, y};
  dashPos_ = 0;
  return previous;
}

TPoint Surface::CurrentPoint() const { return current_; }

void Surface::FillSquare(int x, int y, int size, std::uint32_t argb) {
  const int left = std::max(x - size / 2, 0);
  const int top = std::max(y - size / 2, 0);
  const int right = std::min(x - size / 2 + size, Width());
  const int bottom = std::min(y - size / 2 + size, Height());
  if (right <= left || bottom <= top) return;
  FillPixels(left, top, right, bottom, argb);
}

void Surface::LineTo(int x, int y) {
  const TPoint from = current_;
  current_ = TPoint{x, y};
  if (pen_.style == PS_NULL || pen_.color == clNone) return;
  const int dx = x - from.x;
  const int dy = y - from.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;

  const std::uint32_t ink = detail::OpaquePixel(ColorToRGB(pen_.color));
  const std::uint32_t gap = detail::OpaquePixel(ColorToRGB(bkColor_));
  const bool fillGaps = bkMode_ == OPAQUE && bkColor_ != clNone;
  const std::span<const int> pattern = DashPattern(pen_);
  const int width = std::max(pen_.width, 1);
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int w = Width();
  const int h = Height();
  const detail::Rows rows(*image_);

  // The common case, a plain horizontal rule, fills its row at once.
  if (dy == 0 && width == 1 && pattern.empty()) {
    if (from.y < 0 || from.y >= h) return;
    const int left = std::max(dx > 0 ? from.x : x + 1, 0);
    const int right = std::min(dx > 0 ? x : from.x + 1, w);
    if (left < right) FillPixels(left, from.y, right, from.y + 1, ink);
    return;
  }

  for (int i = 0; i < steps; ++i) {
    const int px = xMajor ? from.x + (dx < 0 ? -i : i) : from.x + StepOffset(i, dx, steps);
    const int py = xMajor ? from.y + StepOffset(i, dy, steps) : from.y + (dy < 0 ? -i : i);
    std::uint32_t colour = ink;
    if (!pattern.empty()) {
      const bool on = DashOn(pattern, dashPos_++);
      if (!on && !fillGaps) continue;
      if (!on) colour = gap;
    }
    if (width == 1) {
      if (px < 0 || py < 0 || px >= w || py >= h) continue;
      if (scale_ == 1) {
        rows[py][px] = colour;
      } else {
        FillPixels(px, py, px + 1, py + 1, colour);
      }
    } else {
      FillSquare(px, py, width, colour);
    }
  }
}

}  // namespace ostrak
