#include "record/AnsiText.h"

#include <array>

namespace ostrak {

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves unassigned map to the C1
// control of the same number, as the platform's own conversion does, so
// every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Decode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<char> TryEncode(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

char Encode(char16_t unit) { return TryEncode(unit).value_or('?'); }

}  // namespace

QString AnsiToQString(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char byte : bytes) text.append(QChar(Decode(static_cast<unsigned char>(byte))));
  return text;
}

std::string QStringToAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    // A surrogate pair is one character outside the code page: one '?'.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    bytes.push_back(c.isSurrogate() ? '?' : Encode(c.unicode()));
  }
  return bytes;
}

std::optional<char32_t> FirstCharacterWithoutAnsiByte(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    if (c.isSurrogate() || !TryEncode(c.unicode())) return c.unicode();
  }
  return std::nullopt;
}

}  // namespace ostrak
