#pragma once

// The colour of an attribute's number in the editor's boxes: green from 15,
// black above 7, red up to 7.

#include "core/Colors.h"

namespace ostrak {

constexpr TColor AttributeBandColor(long double value) {
  return value >= 15 ? clGreen : value > 7 ? clBlack : clRed;
}

}  // namespace ostrak
