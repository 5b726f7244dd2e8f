// Formats any 80-bit pattern in the general, fixed and number formats and
// reads the general text back: it must name the same value to 15
// significant digits. Catches the exact-digit expansion going wrong at the
// edges of the type (denormals, the largest values, odd encodings).

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/FloatFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 12) return 0;
  long double value = 0;
  std::memcpy(&value, data, 10);
  const int precision = data[10] % 20;
  const int decimals = data[11] % 20;

  const std::string general = ostrak::FormatFloatGeneral(value, precision == 0 ? 15 : precision);
  ostrak::FormatFloatFixed(value, decimals);
  ostrak::FormatFloatNumber(value, decimals, ",", ".");
  // Encodings arithmetic never produces (an integer bit that disagrees with
  // the exponent) and subnormals, which the reading side refuses as out of
  // range, are only formatted.
  const int exponent = (data[8] | (data[9] << 8)) & 0x7FFF;
  const bool integerBit = (data[7] & 0x80) != 0;
  if (integerBit != (exponent != 0)) return 0;
  if (!std::isfinite(value) || precision != 0 || std::fabs(value) < LDBL_MIN) return 0;

  std::string text = general;
  const auto e = text.find('E');
  if (e != std::string::npos) text[e] = 'e';
  long double back = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
  // Fifteen digits can round just past either end of the range.
  const bool atAnEnd = std::fabs(value) < 2 * LDBL_MIN || std::fabs(value) > LDBL_MAX / 2;
  if (result.ec == std::errc::result_out_of_range && atAnEnd) return 0;
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) std::abort();
  // Half a unit in the 15th digit at most.
  if (std::fabs((back - value) / value) > 5.1e-15L) std::abort();
  return 0;
}
