#include "tools/fighter/Output.h"

#include <locale.h>
#include <wchar.h>

#include <QList>
#include <QString>

namespace ostrak::fighter {

namespace {

// `prefix` then `digits` upper-case hexadecimal digits of `value`.
std::string Hex(unsigned value, const char* prefix, int digits) {
  std::string text = prefix;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    text += "0123456789ABCDEF"[(value >> shift) & 0xF];
  return text;
}

// The length of the well-formed UTF-8 sequence at `i`, or 0 when the byte
// there does not start one (a stray continuation byte, an overlong form, a
// surrogate, a cut sequence).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size() || at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

void Print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

std::string TerminalSafe(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(text, i);
    if (length == 0 || (byte < 0x20 && byte != '\t') || byte == 0x7F) {
      safe += Hex(byte, "\\x", 2);  // a control character, or a byte that is not UTF-8
    } else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      safe += Hex(static_cast<unsigned char>(text[i + 1]), "\\u", 4);  // a C1 control
    } else {
      safe.append(text, i, length);
    }
    i += length == 0 ? 1 : length;
  }
  return safe;
}

// The C library's character widths under its built-in UTF-8 locale, the
// tables terminals themselves follow, whatever locale the user runs in. A
// character it has no width for (unassigned, or replaced as invalid) takes
// one column.
std::size_t DisplayWidth(std::string_view utf8) {
  static const locale_t columns = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const locale_t previous = columns ? uselocale(columns) : locale_t{};
  std::size_t width = 0;
  for (const uint code : text.toUcs4()) {
    const int w = columns ? wcwidth(static_cast<wchar_t>(code)) : 1;
    width += w < 0 ? 1 : static_cast<std::size_t>(w);
  }
  if (columns) uselocale(previous);
  return width;
}

}  // namespace ostrak::fighter
