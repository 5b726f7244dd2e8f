#include "core/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace ostrak {

bool Digits::IsZero() const {
  return std::all_of(integer.begin(), integer.end(), [](char c) { return c == '0'; }) &&
         std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
}

int Digits::Exponent() const {
  if (!integer.empty()) return static_cast<int>(integer.size()) - 1;
  const auto first = fraction.find_first_not_of('0');
  return first == std::string::npos ? 0 : -static_cast<int>(first) - 1;
}

// 200 fraction digits hold every long double down to 2^-136 exactly.
Digits ExactDigits(long double magnitude) {
  std::vector<char> buffer(6000);
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, 200);
  const std::string text(buffer.data(), result.ptr);
  const auto point = text.find('.');
  Digits digits{text.substr(0, point), point == std::string::npos ? std::string() : text.substr(point + 1)};
  const auto firstNonZero = digits.integer.find_first_not_of('0');
  digits.integer = firstNonZero == std::string::npos ? std::string() : digits.integer.substr(firstNonZero);
  return digits;
}

Digits RoundTo(Digits digits, int decimals) {
  std::string all = digits.integer + digits.fraction;
  const int integerLength = static_cast<int>(digits.integer.size());
  const int keep = integerLength + decimals;  // digits of `all` that stay
  const int wanted = std::max(decimals, 0);
  if (keep < 0) return Digits{std::string(), std::string(static_cast<size_t>(wanted), '0')};
  all.resize(std::max(all.size(), static_cast<size_t>(keep) + 1), '0');
  const bool up = all[static_cast<size_t>(keep)] >= '5';
  std::string kept = all.substr(0, static_cast<size_t>(keep));
  int carryInto = integerLength;
  if (up) {
    int i = keep - 1;
    while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++kept[static_cast<size_t>(i)];
    } else {
      kept.insert(kept.begin(), '1');
      ++carryInto;
    }
  }
  // Back to integer and fraction, the dropped integer places as zeros.
  Digits rounded;
  if (decimals >= 0) {
    rounded.integer = kept.substr(0, static_cast<size_t>(carryInto));
    rounded.fraction = kept.substr(static_cast<size_t>(carryInto));
  } else {
    rounded.integer = kept + std::string(static_cast<size_t>(-decimals), '0');
  }
  rounded.fraction.resize(static_cast<size_t>(wanted), '0');
  const auto firstNonZero = rounded.integer.find_first_not_of('0');
  rounded.integer = firstNonZero == std::string::npos ? std::string() : rounded.integer.substr(firstNonZero);
  return rounded;
}

Digits RoundFixed(long double magnitude, int decimals) {
  const Digits exact = ExactDigits(magnitude);
  const int limit = kFloatTextSignificantDigits - 1 - exact.Exponent();
  Digits rounded = RoundTo(exact, std::min(decimals, limit));
  rounded.fraction.resize(static_cast<size_t>(std::max(decimals, 0)), '0');
  return rounded;
}

}  // namespace ostrak
