#pragma once

#include <cmath>

namespace ostrak {

// Nearest whole number, halves to the even neighbour (62.5 -> 62, 63.5 -> 64),
// whatever rounding mode the floating-point environment is in.
inline long double RoundHalfEven(long double value) {
  if (!std::isfinite(value)) return value;
  const long double lower = std::floor(value);
  const long double fraction = value - lower;  // exact: both share the same binary scale
  if (fraction < 0.5L) return lower;
  if (fraction > 0.5L) return lower + 1;
  const bool even =
      std::fabs(lower) < 0x1p62L ? static_cast<long long>(lower) % 2 == 0 : std::fmod(lower, 2.0L) == 0;
  return even ? lower : lower + 1;
}

}  // namespace ostrak
