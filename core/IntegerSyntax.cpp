#include "core/IntegerSyntax.h"

#include "core/Errors.h"

namespace ostrak {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> ParseHexPattern(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t pattern = 0;
  int significant = 0;
  for (const char c : digits) {
    const int value = HexDigitValue(c);
    if (value < 0) return std::nullopt;
    if (significant > 0 || value != 0) ++significant;
    if (significant > 8) return std::nullopt;
    pattern = (pattern << 4) | static_cast<std::uint32_t>(value);
  }
  return pattern;
}

// The magnitude limit depends on the sign: 2147483648 only after a '-'.
std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                            : static_cast<std::int64_t>(magnitude));
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);

  std::size_t prefix = 0;
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    prefix = 1;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    prefix = 2;
  }
  if (prefix == 0) return ParseDecimal(rest, negative);

  const auto pattern = ParseHexPattern(rest.substr(prefix));
  if (!pattern) return std::nullopt;
  const std::uint32_t value = negative ? 0u - *pattern : *pattern;
  return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(const std::string& text) {
  if (const auto value = TryStrToInt(text)) return *value;
  throw ConversionError::NotAnInteger(text);
}

}  // namespace ostrak
