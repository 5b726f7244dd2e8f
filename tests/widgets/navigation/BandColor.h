#pragma once

// The colour of band i of `steps` in a banded fill from `start` to `end`:
// start + round(i * delta / (steps - 1)) per channel, halves away from zero.
// Worked out in integers so the expected values share nothing with the fill.

#include <cstdint>
#include <cstdlib>

#include "core/Colors.h"

namespace ostrak::test {

inline int RoundedQuotient(int numerator, int denominator) {
  int quotient = numerator / denominator;
  const int remainder = numerator % denominator;
  if (2 * std::abs(remainder) >= denominator) quotient += numerator < 0 ? -1 : 1;
  return quotient;
}

inline TColor BandColor(TColor start, TColor end, int i, int steps) {
  auto channel = [&](int s, int e) {
    return static_cast<std::uint8_t>(s + RoundedQuotient(i * (e - s), steps - 1));
  };
  return RGB(channel(GetRValue(start), GetRValue(end)), channel(GetGValue(start), GetGValue(end)),
             channel(GetBValue(start), GetBValue(end)));
}

}  // namespace ostrak::test
