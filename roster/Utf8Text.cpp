#include "roster/Utf8Text.h"

#include <QString>

#include "record/AnsiText.h"

namespace ostrak::roster {

std::string Utf8FromFileText(const std::string& bytes) {
  // ASCII reads the same in both; the export converts most lines this way.
  for (const char byte : bytes) {
    if (static_cast<unsigned char>(byte) >= 0x80) return AnsiToQString(bytes).toUtf8().toStdString();
  }
  return bytes;
}

std::string ValidUtf8(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8().toStdString();
}

bool Utf8Validator::Feed(std::string_view bytes) {
  for (std::size_t i = 0; valid_ && i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (pending_ > 0) {
      valid_ = byte >= low_ && byte <= high_;
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
      continue;
    }
    if (byte < 0x80) continue;
    if (byte >= 0xC2 && byte <= 0xDF) {
      pending_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      pending_ = 2;
      if (byte == 0xE0) low_ = 0xA0;   // overlong
      if (byte == 0xED) high_ = 0x9F;  // surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      pending_ = 3;
      if (byte == 0xF0) low_ = 0x90;   // overlong
      if (byte == 0xF4) high_ = 0x8F;  // past U+10FFFF
    } else {
      valid_ = false;
    }
  }
  return valid_;
}

bool IsUtf8(std::string_view bytes) {
  Utf8Validator validator;
  validator.Feed(bytes);
  return validator.Finish();
}

}  // namespace ostrak::roster
