#pragma once

// The integer syntax of the fighter file, shared by every line that holds a
// number. Accepted: any number of leading spaces (the space character only),
// one optional '+' or '-' directly before the number, then decimal digits
// (leading zeros allowed) or a hexadecimal number introduced by '$', 'x', 'X',
// "0x" or "0X"; nothing may follow, not even a space.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrak {

// Decimal must lie in -2147483648..2147483647. Hexadecimal has at most 8
// significant digits (leading zeros do not count) and is a 32-bit pattern:
// "$FFFFFFFF" is -1, and a '-' before it negates the pattern ("-$FFFFFFFF" is 1).
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt; failure throws ConversionError "'%s' is not a valid integer
// value" quoting the text as it stands.
std::int32_t StrToInt(const std::string& text);

}  // namespace ostrak
