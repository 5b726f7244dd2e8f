#pragma once

// Floating-point text in general, fixed and number format, rounding to the
// nearest with halves away from zero on the exact binary value, with the
// separators passed in (never the C locale).

#include <string>
#include <string_view>

namespace ostrak {

// Up to `precision` significant digits (1 to 18), trailing zeros dropped;
// scientific ("1E15", "1.5E-7": no '+', no padding) when the leading digit
// stands `precision` or more places left of the point, or the value is below
// 0.0001 after rounding. Zero is "0"; NaN and infinities "NAN", "INF", "-INF".
std::string FloatTextGeneral(long double value, int precision, std::string_view decimalSeparator);

// Exactly `decimals` digits after the separator (0 to 18; 0 writes none) and
// at most 15 significant digits, the places beyond as zeros; 10^15 or more in
// magnitude after rounding comes out in general format. A value that rounds
// to zero has no sign. With a thousands separator the integer digits are
// grouped by three (number format).
std::string FloatTextFixed(long double value, int decimals, std::string_view decimalSeparator,
                           std::string_view thousandsSeparator = {});

}  // namespace ostrak
