#include "widgets/spin/SpinButtonFaces.h"

#include <algorithm>

#include "platform/SystemColors.h"

namespace ostrak {

namespace {

constexpr TColor SystemColor(int index) { return kSystemColorFlag | static_cast<TColor>(index); }

constexpr TColor kButtonText = SystemColor(18);
constexpr TColor kHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor kShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor kDarkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor kLight = SystemColor(COLOR_3DLIGHT);

enum Side : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kAllSides = 15 };

struct EdgeColours {
  TColor outerTopLeft;
  TColor outerBottomRight;
  TColor innerTopLeft;
  TColor innerBottomRight;
};

constexpr EdgeColours kRaised{kLight, kDarkShadow, kHighlight, kShadow};
constexpr EdgeColours kSunken{kShadow, kHighlight, kDarkShadow, kLight};

void EdgeLines(Surface& face, TRect& r, TColor topLeft, TColor bottomRight, unsigned sides) {
  if (sides & kTop) face.FillRect(Rect(r.left, r.top, r.right, r.top + 1), Brush::Solid(topLeft));
  if (sides & kLeft) face.FillRect(Rect(r.left, r.top, r.left + 1, r.bottom), Brush::Solid(topLeft));
  if (sides & kRight) face.FillRect(Rect(r.right - 1, r.top, r.right, r.bottom), Brush::Solid(bottomRight));
  if (sides & kBottom)
    face.FillRect(Rect(r.left, r.bottom - 1, r.right, r.bottom), Brush::Solid(bottomRight));
  if (sides & kLeft) ++r.left;
  if (sides & kTop) ++r.top;
  if (sides & kRight) --r.right;
  if (sides & kBottom) --r.bottom;
}

// A two-pixel edge on the given sides, outer line first.
void Edge(Surface& face, TRect r, bool sunken, unsigned sides) {
  const EdgeColours& colours = sunken ? kSunken : kRaised;
  EdgeLines(face, r, colours.outerTopLeft, colours.outerBottomRight, sides);
  EdgeLines(face, r, colours.innerTopLeft, colours.innerBottomRight, sides);
}

enum class Direction { Up, Down };

// A solid triangle `base` pixels wide (odd), (base + 1) / 2 rows high,
// centred on (cx, cy).
void Triangle(Surface& face, int cx, int cy, int base, Direction direction, TColor colour) {
  const int rows = (base + 1) / 2;
  const int top = cy - rows / 2;
  for (int k = 0; k < rows; ++k) {
    const int half = direction == Direction::Up ? k : rows - 1 - k;
    face.FillRect(Rect(cx - half, top + k, cx + half + 1, top + k + 1), Brush::Solid(colour));
  }
}

void Arrow(Surface& face, TPoint centre, int base, Direction direction, bool pressed, bool enabled) {
  if (!enabled) {
    Triangle(face, centre.x + 1, centre.y + 1, base, direction, kHighlight);
    Triangle(face, centre.x, centre.y, base, direction, kShadow);
    return;
  }
  const int shift = pressed ? 1 : 0;
  Triangle(face, centre.x + shift, centre.y + shift, base, direction, kButtonText);
}

int ArrowBase(int extent, int divisor) { return std::clamp(extent / divisor * 2 + 1, 3, 9); }

}  // namespace

SpinFaceCentres SpinFaceArrowCentres(int width, int height, TSpinButtonStyle style) {
  if (style == TSpinButtonStyle::sbsClassic) {
    const int half = height / 2;
    const int cx = (width - 1) / 2;
    return SpinFaceCentres{TPoint{cx, (half - 1) / 2}, TPoint{cx, half + (height - half - 1) / 2}};
  }
  return SpinFaceCentres{TPoint{width / 3, height / 3},
                         TPoint{width - 1 - width / 3, height - 1 - height / 3}};
}

void DrawDiagonalSpinFace(Surface& face, TSpinButtonState pressed, bool enabled, SpinFaceArrows arrows) {
  const int w = face.Width();
  const int h = face.Height();
  face.FillRect(Rect(0, 0, w, h), Brush::Solid(clBtnFace));
  const bool upDown = pressed == TSpinButtonState::sbTopDown;
  const bool downDown = pressed == TSpinButtonState::sbBottomDown;
  Edge(face, Rect(0, 0, w, h), upDown, kLeft | kTop);
  Edge(face, Rect(0, 0, w, h), downDown, kRight | kBottom);
  // Above the diagonal: the up half's own lower edge, inner then outer; below
  // it: the down half's upper edge.
  const EdgeColours& up = upDown ? kSunken : kRaised;
  const EdgeColours& down = downDown ? kSunken : kRaised;
  const TColor lines[3] = {up.innerBottomRight, up.outerBottomRight, down.outerTopLeft};
  for (int i = 0; i < 3; ++i) {
    const int d = i - 1;
    SelectedPen pen(face, Pen{PS_SOLID, 1, lines[i]});
    face.MoveTo(0, h - 1 + d);
    face.LineTo(w, -1 + d);
  }
  if (arrows == SpinFaceArrows::None) return;
  const SpinFaceCentres centres = SpinFaceArrowCentres(w, h, TSpinButtonStyle::sbsDefault);
  const int base = ArrowBase(std::min(w, h), 6);
  Arrow(face, centres.up, base, Direction::Up, upDown, enabled);
  Arrow(face, centres.down, base, Direction::Down, downDown, enabled);
}

void DrawClassicSpinFace(Surface& face, TSpinButtonState pressed, bool enabled, SpinFaceArrows arrows) {
  const int w = face.Width();
  const int h = face.Height();
  const int half = h / 2;
  face.FillRect(Rect(0, 0, w, h), Brush::Solid(clBtnFace));
  const bool upDown = pressed == TSpinButtonState::sbTopDown;
  const bool downDown = pressed == TSpinButtonState::sbBottomDown;
  Edge(face, Rect(0, 0, w, half), upDown, kAllSides);
  Edge(face, Rect(0, half, w, h), downDown, kAllSides);
  if (arrows == SpinFaceArrows::None) return;
  const SpinFaceCentres centres = SpinFaceArrowCentres(w, h, TSpinButtonStyle::sbsClassic);
  const int base = ArrowBase(std::min(w, half), 4);
  Arrow(face, centres.up, base, Direction::Up, upDown, enabled);
  Arrow(face, centres.down, base, Direction::Down, downDown, enabled);
}

}  // namespace ostrak
