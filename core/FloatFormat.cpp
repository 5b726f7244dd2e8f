#include "core/FloatFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace ostrak {

namespace {

// value = 0.d1d2d3... x 10^exponent; no leading or trailing zero digits;
// empty digits mean zero.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

void StripTrailingZeros(DecimalDigits& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.resize(last == std::string::npos ? 0 : last + 1);
  if (d.digits.empty()) {
    d.exponent = 0;
    d.negative = false;
  }
}

// Every digit of the binary value. A long double has a 64-bit mantissa, so
// its fraction never needs more decimal places than it has fraction bits.
DecimalDigits ExactDecimal(long double value) {
  DecimalDigits result;
  result.negative = std::signbit(value);
  const long double magnitude = std::fabs(value);
  if (magnitude == 0) return result;

  std::string text;
  if (magnitude < 0x1p63L && magnitude == std::floor(magnitude)) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(magnitude)).ptr;
    text.assign(buffer, end);
  } else {
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int fractionDigits = std::max(0, 64 - binaryExponent);
    const int integerDigits = std::max(1, binaryExponent * 30103 / 100000 + 2);
    text.resize(static_cast<std::size_t>(integerDigits + fractionDigits + 8));
    const auto end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                   std::chars_format::fixed, fractionDigits)
                         .ptr;
    text.resize(static_cast<std::size_t>(end - text.data()));
  }

  const auto point = text.find('.');
  const std::size_t integerLength = point == std::string::npos ? text.size() : point;
  std::string all = text.substr(0, integerLength);
  if (point != std::string::npos) all.append(text, point + 1);
  const auto first = all.find_first_not_of('0');
  result.digits = all.substr(first);
  result.exponent = static_cast<int>(integerLength) - static_cast<int>(first);
  StripTrailingZeros(result);
  return result;
}

// Keeps the first `keep` digits, rounding the rest half away from zero.
void RoundToDigits(DecimalDigits& d, int keep) {
  if (keep < 0) {
    d.digits.clear();
  } else if (d.digits.size() > static_cast<std::size_t>(keep)) {
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
        d.digits[static_cast<std::size_t>(i--)] = '0';
      if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      } else {
        ++d.digits[static_cast<std::size_t>(i)];
      }
    }
  }
  StripTrailingZeros(d);
}

std::string IntegerPart(const DecimalDigits& d) {
  if (d.exponent <= 0) return "0";
  std::string part = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
  part.resize(static_cast<std::size_t>(d.exponent), '0');
  return part;
}

// The digits after the point, without padding.
std::string FractionPart(const DecimalDigits& d) {
  if (d.exponent >= static_cast<int>(d.digits.size())) return "";
  if (d.exponent >= 0) return d.digits.substr(static_cast<std::size_t>(d.exponent));
  return std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
}

std::string Group(const std::string& integer, std::string_view separator) {
  std::string grouped;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
    grouped += integer[i];
  }
  return grouped;
}

const char* NonFiniteText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return nullptr;
}

std::string WriteGeneral(const DecimalDigits& d, int precision, std::string_view decimalSeparator) {
  if (d.digits.empty()) return "0";
  std::string text = d.negative ? "-" : "";
  if (d.exponent > precision || d.exponent < -3) {
    text += d.digits[0];
    if (d.digits.size() > 1) {
      text += decimalSeparator;
      text.append(d.digits, 1);
    }
    const int exponent = d.exponent - 1;
    text += 'E';
    if (exponent < 0) text += '-';
    text += std::to_string(std::abs(exponent));
    return text;
  }
  text += IntegerPart(d);
  const std::string fraction = FractionPart(d);
  if (!fraction.empty()) {
    text += decimalSeparator;
    text += fraction;
  }
  return text;
}

std::string WriteFixed(long double value, int decimals, std::string_view decimalSeparator,
                       std::string_view thousandsSeparator) {
  if (const char* text = NonFiniteText(value)) return text;
  decimals = std::clamp(decimals, 0, 18);
  DecimalDigits d = ExactDecimal(value);
  RoundToDigits(d, std::min(kFloatSignificantDigits, d.exponent + decimals));
  if (d.exponent > kFloatSignificantDigits) return WriteGeneral(d, kFloatSignificantDigits, decimalSeparator);

  std::string text = d.negative ? "-" : "";
  const std::string integer = IntegerPart(d);
  text += thousandsSeparator.empty() ? integer : Group(integer, thousandsSeparator);
  if (decimals > 0) {
    std::string fraction = FractionPart(d);
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    text += decimalSeparator;
    text += fraction;
  }
  return text;
}

}  // namespace

std::string FormatFloatGeneral(long double value, int precision, std::string_view decimalSeparator) {
  if (const char* text = NonFiniteText(value)) return text;
  precision = std::clamp(precision, 1, 18);
  DecimalDigits d = ExactDecimal(value);
  RoundToDigits(d, precision);
  return WriteGeneral(d, precision, decimalSeparator);
}

std::string FormatFloatFixed(long double value, int decimals, std::string_view decimalSeparator) {
  return WriteFixed(value, decimals, decimalSeparator, "");
}

std::string FormatFloatNumber(long double value, int decimals, std::string_view decimalSeparator,
                              std::string_view thousandsSeparator) {
  return WriteFixed(value, decimals, decimalSeparator, thousandsSeparator);
}

}  // namespace ostrak
