#pragma once

// The faces of the self-drawn spin button, drawn on a surface the size of the
// button: button-face ground, a raised edge for each half (sunken when
// pressed) and an arrow on each half.
//  - Default style: the halves are the triangles on either side of the
//    diagonal from the lower-left to the upper-right corner; the up half has
//    its edge on the top and left sides, the down half on the right and
//    bottom sides, and the diagonal is three one-pixel lines whose colours
//    follow the pressed half.
//  - Classic style: the upper half is the top height / 2 rows, the lower half
//    the rest, each with a full edge.
// A pressed half's arrow moves one pixel right and down; a disabled face has
// embossed grey arrows.

#include "platform/Geometry.h"
#include "platform/Surface.h"
#include "widgets/spin/SpinButtonBitmaps.h"

namespace ostrak {

enum class SpinFaceArrows { Standard, None };

void DrawDiagonalSpinFace(Surface& face, TSpinButtonState pressed, bool enabled, SpinFaceArrows arrows);
void DrawClassicSpinFace(Surface& face, TSpinButtonState pressed, bool enabled, SpinFaceArrows arrows);

struct SpinFaceCentres {
  TPoint up;
  TPoint down;
};
// Where each half's arrow or glyph is centred.
SpinFaceCentres SpinFaceArrowCentres(int width, int height, TSpinButtonStyle style);

}  // namespace ostrak
