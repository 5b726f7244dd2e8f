#pragma once

// Floating-point text in the three formats the system writes: general (the
// attribute encoding of the fighter file, "%g" in messages), fixed and number
// (the spin box). Rounding is always to the nearest, halves away from zero,
// on the exact binary value. Independent of the C locale: the separators are
// passed in.

#include <string>
#include <string_view>

namespace ostrak {

// Significant digits of every format here unless a caller asks otherwise.
constexpr int kFloatSignificantDigits = 15;

// Shortest of plain and scientific: plain when the decimal point sits at most
// `precision` digits from the left and the value is at least 0.0001 after
// rounding, else "d.dddE[-]x" with no '+' and no exponent padding ("1E20",
// "1.5E-7"). Trailing zeros and a bare separator are dropped; zero is "0";
// NaN and infinities are "NAN", "INF", "-INF". `precision` is clamped to 1..18.
std::string FormatFloatGeneral(long double value, int precision = kFloatSignificantDigits,
                               std::string_view decimalSeparator = ".");

// Plain with exactly `decimals` digits after the separator (0 to 18; 0 writes
// no separator), 15 significant digits, the rest written as zeros. A value of
// 10^15 or more in magnitude after rounding comes out in general format
// instead. A value that rounds to zero has no sign ("0", "0.00").
// With 0 decimals this is the spin box's integer format: 2.5 gives "3".
std::string FormatFloatFixed(long double value, int decimals, std::string_view decimalSeparator = ".");

// FormatFloatFixed with the integer digits grouped by three with
// `thousandsSeparator` ("1,234,567.50").
std::string FormatFloatNumber(long double value, int decimals, std::string_view decimalSeparator,
                              std::string_view thousandsSeparator);

// The spin box's integer format: FormatFloatFixed with no decimals, grouped
// like FormatFloatNumber when a thousands separator is given ("1", "20",
// 2.5 -> "3", -2.5 -> "-3", 1E15 and above in general format).
inline std::string FormatFloatInteger(long double value, std::string_view thousandsSeparator = "") {
  return thousandsSeparator.empty() ? FormatFloatFixed(value, 0)
                                    : FormatFloatNumber(value, 0, ".", thousandsSeparator);
}

}  // namespace ostrak
