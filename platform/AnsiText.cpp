#include "platform/AnsiText.h"

#include <QStringDecoder>

namespace ostrak {

QString MessageToQString(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? AnsiToQString(bytes) : text;
}

}  // namespace ostrak
