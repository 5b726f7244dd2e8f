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

}  // namespace ostrak::roster
