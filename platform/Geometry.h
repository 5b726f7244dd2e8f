#pragma once

// Rectangles follow the platform's pixel rule: left and top are inside,
// right and bottom are outside, so a rectangle is (right - left) wide.

namespace ostrak {

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }

// Empty when it holds no pixel: width or height of 0 or less.
inline bool IsRectEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline void InflateRect(TRect& r, int dx, int dy) {
  r.left -= dx;
  r.top -= dy;
  r.right += dx;
  r.bottom += dy;
}

inline void OffsetRect(TRect& r, int dx, int dy) {
  r.left += dx;
  r.top += dy;
  r.right += dx;
  r.bottom += dy;
}

}  // namespace ostrak
