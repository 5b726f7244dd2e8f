#pragma once

// The enumerations of the gradient and text drawing routines. Names and order
// are fixed: the numbers are what forms store.

#include "core/Set.h"

namespace ostrak {

enum class TGradientDir {
  fgdHorizontal,
  fgdVertical,
  fgdLeftBias,
  fgdRightBias,
  fgdRectangle,
  fgdHorzConvergent,
  fgdVertConvergent,
};

enum class TTextStyle { fstNone, fstRaised, fstRecessed, fstPushed, fstShadow, fstVolumetric };

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// bsHorizontal .. bsDiagCross map in order onto the surface's HS_* hatches.
enum class TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// Sides of a bevel frame; as a set they are the bits Left 1, Top 2, Right 4,
// Bottom 8.
enum class TBevelSide { Left, Top, Right, Bottom };
using TBevelSides = TSet<TBevelSide>;

inline constexpr TBevelSides kAllBevelSides{TBevelSide::Left, TBevelSide::Top, TBevelSide::Right,
                                            TBevelSide::Bottom};

}  // namespace ostrak
