#include "widgets/SpinValueText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace ostrak {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int HexDigitValue(QChar c) {
  if (IsAsciiDigit(c)) return c.unicode() - u'0';
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
  return -1;
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

std::optional<std::int32_t> ParseHex32(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  std::uint32_t pattern = 0;
  int significant = 0;
  for (QChar c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return std::nullopt;
    pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(pattern);
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
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
    // Too small to hold is zero; too large fails.
    if (result.ec == std::errc::result_out_of_range && std::fabs(value) < 1)
      return ascii.front() == '-' ? -0.0L : 0.0L;
    return std::nullopt;
  }
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

long double RoundHalfToEven(long double value) {
  if (!std::isfinite(value)) return value;
  const long double lower = std::floor(value);
  const long double fraction = value - lower;
  if (fraction < 0.5L) return lower;
  if (fraction > 0.5L) return lower + 1;
  return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
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
