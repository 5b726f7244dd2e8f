#include "tools/fighter/Output.h"

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

}  // namespace

std::string TerminalSafe(std::string_view utf8) {
  std::string safe;
  safe.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
      safe += Hex(byte, "\\x", 2);
    } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      safe += Hex(static_cast<unsigned char>(utf8[++i]), "\\u", 4);  // a C1 control
    } else {
      safe += static_cast<char>(byte);
    }
  }
  return safe;
}

std::string ValidUtf8(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8().toStdString();
}

std::string CsvField(std::string_view utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(utf8);
  std::string quoted = "\"";
  for (const char c : utf8) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string JsonString(std::string_view utf8) {
  std::string json = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          json += Hex(byte, "\\u", 4);
        } else {
          json += c;
        }
    }
  }
  return json + "\"";
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (const char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
  }
  return width;
}

}  // namespace ostrak::fighter
