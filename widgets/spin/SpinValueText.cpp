#include "widgets/spin/SpinValueText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace ostrak {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The power of ten of the first non-zero digit of a plain number
// "[-]ddd.ddde[+-]ddd"; 0 when it has none.
long long LeadingDigitPower(std::string_view number) {
  const size_t e = number.find('e');
  long long exponent = 0;
  if (e != std::string_view::npos) {
    const char* from = number.data() + e + 1;
    if (*from == '+') ++from;
    std::from_chars(from, number.data() + number.size(), exponent);  // out of range keeps 0
  }
  const std::string_view mantissa = number.substr(0, e);
  const size_t point = mantissa.find('.');
  const long long units =
      static_cast<long long>(point == std::string_view::npos ? mantissa.size() : point) - 1;
  for (size_t i = 0; i < mantissa.size(); ++i) {
    const char c = mantissa[i];
    if (c < '1' || c > '9') continue;
    const long long at = static_cast<long long>(i);
    return (at <= units ? units - at : units - at + 1) + exponent;
  }
  return 0;
}

}  // namespace

std::optional<std::int32_t> ParseDecimalInt32(const QString& text) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return std::nullopt;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    if (!IsAsciiDigit(text[i])) return std::nullopt;
    magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    if (magnitude > 2147483648LL) return std::nullopt;
  }
  const long long value = negative ? -magnitude : magnitude;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<long double> ParseFloat(const QString& text, QChar decimalSeparator) {
  qsizetype i = 0;
  const qsizetype end = [&] {
    qsizetype e = text.size();
    while (e > 0 && text[e - 1] == u' ') --e;
    return e;
  }();
  while (i < end && text[i] == u' ') ++i;
  std::string ascii;
  if (i < end && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') ascii += '-';
    ++i;
  }
  bool digits = false;
  bool point = false;
  for (; i < end; ++i) {
    const QChar c = text[i];
    if (IsAsciiDigit(c)) {
      ascii += static_cast<char>(c.unicode());
      digits = true;
    } else if (c == decimalSeparator && !point) {
      ascii += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < end && (text[i] == u'E' || text[i] == u'e')) {
    ascii += 'e';
    ++i;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++].unicode());
    bool exponentDigits = false;
    for (; i < end && IsAsciiDigit(text[i]); ++i) {
      ascii += static_cast<char>(text[i].unicode());
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  if (i != end) return std::nullopt;
  long double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range && LeadingDigitPower(ascii) < 0) {
    return ascii.front() == '-' ? -0.0L : 0.0L;  // too small to hold is zero
  }
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

QString CleanPictureText(const QString& text, QChar decimalSeparator) {
  QString clean;
  bool point = false;
  bool exponent = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool digitBefore = !clean.isEmpty() && IsAsciiDigit(clean.back());
    if (IsAsciiDigit(c)) {
      clean += c;
    } else if (c == decimalSeparator && !point && !exponent) {
      clean += c;
      point = true;
    } else if ((c == u'-' || c == u'+') && (clean.isEmpty() || clean.back() == u'E')) {
      clean += c;
    } else if ((c == u'E' || c == u'e') && digitBefore && !exponent && i + 1 < text.size() &&
               (IsAsciiDigit(text[i + 1]) || text[i + 1] == u'+' || text[i + 1] == u'-')) {
      clean += u'E';
      exponent = true;
    }
  }
  return clean;
}

QString Hex32Text(std::int32_t value) {
  return QString::number(static_cast<std::uint32_t>(value), 16).toUpper();
}

std::int32_t TruncateToInt32(long double value) {
  if (!std::isfinite(value)) return 0;
  constexpr long double kModulus = 4294967296.0L;
  long double low = std::fmod(std::trunc(value), kModulus);
  if (low < 0) low += kModulus;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
}

QString WithoutSeparator(const QString& text, QChar separator) {
  QString result = text;
  result.remove(separator);
  return result;
}

}  // namespace ostrak
