#include "core/FloatPicture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "core/FloatFormat.h"
#include "core/IntToStr.h"

namespace ostrak {

namespace {

constexpr long double kGeneralThreshold = 1e15L;

// One element of a section.
struct Token {
  enum Kind { Literal, Zero, Hash, Point, Exponent } kind;
  std::string text;         // Literal: the text; Exponent: "E" or "e"
  bool alwaysSign = false;  // Exponent: E+ rather than E-
  int exponentDigits = 0;   // Exponent: least digits
};

struct Section {
  std::vector<Token> tokens;
  bool thousands = false;
  int integerPlaceholders = 0;
  int integerMinimum = 0;  // placeholders from the first '0' to the point
  int decimals = 0;
  int decimalsMinimum = 0;  // up to the last '0' after the point
  bool scientific = false;
  bool empty = true;
};

std::vector<std::string_view> SplitSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';' && sections.size() < 2) {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(picture.substr(start));
  return sections;
}

Section ParseSection(std::string_view text) {
  Section section;
  section.empty = text.empty();
  bool afterPoint = false;
  bool seenZero = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      const size_t end = text.find(c, i + 1);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      section.tokens.push_back({Token::Literal, std::string(text.substr(i + 1, stop - i - 1))});
      i = stop;
    } else if (c == '0' || c == '#') {
      section.tokens.push_back({c == '0' ? Token::Zero : Token::Hash, {}});
      if (afterPoint) {
        ++section.decimals;
        if (c == '0') section.decimalsMinimum = section.decimals;
      } else {
        ++section.integerPlaceholders;
        if (c == '0') seenZero = true;
        if (seenZero) ++section.integerMinimum;
      }
    } else if (c == '.' && !afterPoint && !section.scientific) {
      afterPoint = true;
      section.tokens.push_back({Token::Point, {}});
    } else if (c == '.') {
      // A second point is not a separator and writes nothing.
    } else if (c == ',') {
      section.thousands = true;
    } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-') &&
               !section.scientific) {
      Token token{Token::Exponent, std::string(1, c), text[i + 1] == '+'};
      i += 2;
      while (i < text.size() && text[i] == '0' && token.exponentDigits < 4) {
        ++token.exponentDigits;
        ++i;
      }
      --i;
      section.scientific = true;
      section.tokens.push_back(token);
    } else {
      section.tokens.push_back({Token::Literal, std::string(1, c)});
    }
  }
  return section;
}

// The integer and fraction digits a section writes, and the exponent.
struct Filled {
  std::string integer;   // without leading zeros beyond the '0' placeholders
  std::string fraction;  // trimmed to what the placeholders show
  int exponent = 0;
};

std::string WithoutLeadingZeros(const std::string& digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string::npos ? std::string() : digits.substr(first);
}

// The rounded digits of the magnitude as the fixed format writes them; none
// when the rounding reaches 10^15, which the general format writes.
std::optional<Filled> FixedDigits(long double magnitude, int decimals) {
  const std::string text = FormatFloatFixed(magnitude, std::min(decimals, 18), ".");
  if (text.find('E') != std::string::npos) return std::nullopt;
  const auto point = text.find('.');
  Filled digits{WithoutLeadingZeros(text.substr(0, point)),
                point == std::string::npos ? std::string() : text.substr(point + 1)};
  digits.fraction.resize(static_cast<size_t>(decimals), '0');
  return digits;
}

// `significant` rounded significant digits of a non-zero magnitude, as the
// general format writes them, and the power of ten of the first.
void SignificantDigits(long double magnitude, int significant, std::string& digits, int& exponent) {
  const std::string text = FormatFloatGeneral(magnitude, significant, ".");
  const auto e = text.find('E');
  int power = 0;
  if (e != std::string::npos) std::from_chars(text.data() + e + 1, text.data() + text.size(), power);
  std::string mantissa = text.substr(0, e);
  const auto point = mantissa.find('.');
  const int pointAt = static_cast<int>(point == std::string::npos ? mantissa.size() : point);
  if (point != std::string::npos) mantissa.erase(point, 1);
  const int leadingZeros = static_cast<int>(mantissa.find_first_not_of('0'));
  exponent = power + pointAt - 1 - leadingZeros;
  digits = mantissa.substr(static_cast<size_t>(leadingZeros));
}

std::optional<Filled> Fill(long double magnitude, const Section& section) {
  Filled filled;
  if (section.scientific) {
    const int integerDigits = std::max(section.integerPlaceholders, 1);
    const int significant = std::min(integerDigits + section.decimals, kFloatSignificantDigits);
    std::string all;
    int first = 0;
    if (magnitude != 0) SignificantDigits(magnitude, significant, all, first);
    // `integerDigits` digits stand before the point.
    filled.exponent = magnitude != 0 ? first - (integerDigits - 1) : 0;
    all.resize(static_cast<size_t>(integerDigits + section.decimals), '0');
    filled.integer = WithoutLeadingZeros(all.substr(0, static_cast<size_t>(integerDigits)));
    filled.fraction = all.substr(static_cast<size_t>(integerDigits));
  } else {
    const std::optional<Filled> digits = FixedDigits(magnitude, section.decimals);
    if (!digits) return std::nullopt;
    filled = *digits;
  }
  if (static_cast<int>(filled.integer.size()) < section.integerMinimum) {
    filled.integer.insert(0, static_cast<size_t>(section.integerMinimum) - filled.integer.size(), '0');
  }
  while (static_cast<int>(filled.fraction.size()) > section.decimalsMinimum &&
         filled.fraction.back() == '0') {
    filled.fraction.pop_back();
  }
  return filled;
}

std::string Write(const Section& section, const Filled& filled, bool minus, std::string_view decimalSeparator,
                  std::string_view thousandsSeparator) {
  std::string out;
  if (minus) out += '-';
  const int integerLength = static_cast<int>(filled.integer.size());
  int written = 0;  // integer digits written so far
  int placeholdersLeft = section.integerPlaceholders;
  size_t fractionIndex = 0;
  const auto writeDigit = [&](char digit) {
    out += digit;
    ++written;
    const int remaining = integerLength - written;
    if (section.thousands && remaining > 0 && remaining % 3 == 0) out += thousandsSeparator;
  };
  bool afterPoint = false;
  for (const Token& token : section.tokens) {
    switch (token.kind) {
      case Token::Literal:
        out += token.text;
        break;
      case Token::Zero:
      case Token::Hash:
        if (afterPoint) {
          if (fractionIndex < filled.fraction.size()) out += filled.fraction[fractionIndex];
          ++fractionIndex;
          break;
        }
        // The first placeholder writes every digit the others have no room
        // for; the rest write one each, the leading ones nothing when short.
        for (int n = std::max(0, (integerLength - written) - (placeholdersLeft - 1)); n > 0; --n) {
          writeDigit(filled.integer[static_cast<size_t>(written)]);
        }
        --placeholdersLeft;
        break;
      case Token::Point:
        afterPoint = true;
        while (written < integerLength) writeDigit(filled.integer[static_cast<size_t>(written)]);
        if (!filled.fraction.empty()) out += decimalSeparator;
        break;
      case Token::Exponent: {
        while (written < integerLength) writeDigit(filled.integer[static_cast<size_t>(written)]);
        out += token.text;
        if (filled.exponent < 0) {
          out += '-';
        } else if (token.alwaysSign) {
          out += '+';
        }
        std::string exponent = IntToStr(std::abs(filled.exponent));
        if (static_cast<int>(exponent.size()) < token.exponentDigits) {
          exponent.insert(0, static_cast<size_t>(token.exponentDigits) - exponent.size(), '0');
        }
        out += exponent;
        afterPoint = true;  // no more integer digits after the exponent
        break;
      }
    }
  }
  while (written < integerLength) writeDigit(filled.integer[static_cast<size_t>(written)]);
  return out;
}

}  // namespace

std::optional<std::string> FormatFloatPicture(long double value, std::string_view picture,
                                              std::string_view decimalSeparator,
                                              std::string_view thousandsSeparator) {
  if (picture.empty() || !std::isfinite(value)) return std::nullopt;
  const std::vector<std::string_view> texts = SplitSections(picture);
  std::vector<Section> sections;
  for (std::string_view text : texts) sections.push_back(ParseSection(text));

  const bool negative = std::signbit(value) && value != 0;
  const long double magnitude = std::fabs(value);
  const Section* section = &sections[0];
  bool minus = negative;
  if (negative && sections.size() >= 2 && !sections[1].empty) {
    section = &sections[1];
    minus = false;
  }
  if (!section->scientific && magnitude >= kGeneralThreshold) return std::nullopt;
  std::optional<Filled> filled = Fill(magnitude, *section);
  if (!filled) return std::nullopt;
  const auto allZero = [](const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
  };
  const bool zero = allZero(filled->integer) && allZero(filled->fraction);
  if (zero) {
    minus = false;
    if (sections.size() == 3 && !sections[2].empty) {
      section = &sections[2];
      filled = Fill(0, *section);
    }
  }
  return Write(*section, *filled, minus, decimalSeparator, thousandsSeparator);
}

}  // namespace ostrak
