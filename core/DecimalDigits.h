#pragma once

// The decimal digits of a binary floating-point magnitude, exact, and their
// rounding to a decimal place, halves away from zero. The building block of
// the floating-point text formats.

#include <string>

namespace ostrak {

// Significant digits of the formats built on these digits.
constexpr int kFloatTextSignificantDigits = 15;

// Integer digits without leading zeros (empty for zero) and fraction digits.
struct Digits {
  std::string integer;
  std::string fraction;

  bool IsZero() const;
  // Position of the leading non-zero digit: 0 for the units, -1 for tenths;
  // 0 for zero.
  int Exponent() const;
};

// Every digit of a finite, non-negative value (below 10^4000 and down to
// 2^-136 exactly; anything smaller has only zeros in the places these formats
// show).
Digits ExactDigits(long double magnitude);

// Rounds to `decimals` fraction digits (negative: into the integer part),
// halves away from zero; the fraction comes out exactly max(decimals, 0) long.
Digits RoundTo(Digits digits, int decimals);

// Rounds to `decimals` places but never beyond kFloatTextSignificantDigits
// significant digits, the places beyond written as zeros.
Digits RoundFixed(long double magnitude, int decimals);

}  // namespace ostrak
