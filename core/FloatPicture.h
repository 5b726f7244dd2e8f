#pragma once

// Floating-point text by a format picture, for the display format of the
// numeric fields. A picture has up to three sections separated by ';' (all
// values; positive and zero ; negative; positive ; negative ; zero) made of:
//   0      a digit, or 0 where the number has none
//   #      a digit, or nothing
//   .      the decimal separator (the first one counts; shown only when a
//          fraction digit follows)
//   ,      anywhere: group the integer digits by three with the thousands
//          separator
//   E+ E- e+ e-  scientific notation; E+ always writes the exponent's sign,
//          E- only a '-'; the '0's after it give the exponent's least digits
//   'xx' "xx"  literal text; any other character is literal too
// Rounding is to the nearest, halves away from zero, on the exact binary
// value, to at most 15 significant digits. With one section a negative
// number gets a leading '-'; a negative section writes its own signs. A value
// that rounds to zero takes the zero section when there is one. A number of
// 10^15 or more without scientific notation in its section, and an empty
// picture, come out as "" here: the caller writes general format instead.
// Separators are UTF-8 text; everything else of the picture is copied as it
// stands.

#include <optional>
#include <string>
#include <string_view>

namespace ostrak {

std::optional<std::string> FormatFloatPicture(long double value, std::string_view picture,
                                              std::string_view decimalSeparator,
                                              std::string_view thousandsSeparator);

}  // namespace ostrak
