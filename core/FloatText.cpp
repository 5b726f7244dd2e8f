#include "core/FloatText.h"

#include <algorithm>
#include <cmath>

#include "core/DecimalDigits.h"

namespace ostrak {

namespace {

const char* NonFiniteText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return nullptr;
}

std::string Grouped(const std::string& integer, std::string_view separator) {
  std::string grouped;
  for (size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
    grouped += integer[i];
  }
  return grouped;
}

// All significant digits of a rounded value and the exponent of the first.
std::string SignificantDigits(const Digits& d) {
  std::string all = d.integer + d.fraction;
  const auto first = all.find_first_not_of('0');
  all = first == std::string::npos ? std::string() : all.substr(first);
  const auto last = all.find_last_not_of('0');
  all.resize(last == std::string::npos ? 0 : last + 1);
  return all;
}

}  // namespace

std::string FloatTextGeneral(long double value, int precision, std::string_view decimalSeparator) {
  if (const char* text = NonFiniteText(value)) return text;
  precision = std::clamp(precision, 1, 18);
  const long double magnitude = std::fabs(value);
  const Digits exact = ExactDigits(magnitude);
  if (exact.IsZero()) return "0";
  const Digits rounded = RoundTo(exact, precision - 1 - exact.Exponent());
  const int exponent = rounded.Exponent();
  const std::string digits = SignificantDigits(rounded);
  std::string text = std::signbit(value) ? "-" : "";
  if (exponent >= precision || exponent < -4) {
    text += digits.front();
    if (digits.size() > 1) {
      text += decimalSeparator;
      text.append(digits, 1);
    }
    text += 'E';
    if (exponent < 0) text += '-';
    text += std::to_string(std::abs(exponent));
    return text;
  }
  text += rounded.integer.empty() ? std::string("0") : rounded.integer;
  std::string fraction = rounded.fraction;
  const auto last = fraction.find_last_not_of('0');
  fraction.resize(last == std::string::npos ? 0 : last + 1);
  if (!fraction.empty()) {
    text += decimalSeparator;
    text += fraction;
  }
  return text;
}

std::string FloatTextFixed(long double value, int decimals, std::string_view decimalSeparator,
                           std::string_view thousandsSeparator) {
  if (const char* text = NonFiniteText(value)) return text;
  decimals = std::clamp(decimals, 0, 18);
  const Digits rounded = RoundFixed(std::fabs(value), decimals);
  if (static_cast<int>(rounded.integer.size()) > kFloatTextSignificantDigits) {
    return FloatTextGeneral(value, kFloatTextSignificantDigits, decimalSeparator);
  }
  std::string text = std::signbit(value) && !rounded.IsZero() ? "-" : "";
  const std::string integer = rounded.integer.empty() ? std::string("0") : rounded.integer;
  text += thousandsSeparator.empty() ? integer : Grouped(integer, thousandsSeparator);
  if (decimals > 0) {
    text += decimalSeparator;
    text += rounded.fraction;
  }
  return text;
}

}  // namespace ostrak
