#include "platform/RasterImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "core/Errors.h"
#include "core/FileAccess.h"

namespace ostrak {
namespace {

QImage Decode(TRasterImage::Kind kind, const std::string& bytes) {
  const bool bitmap = kind == TRasterImage::Kind::Bitmap;
  const PictureError invalid(bitmap ? "Bitmap image is not valid" : "Icon image is not valid");
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, bitmap ? "bmp" : "ico");
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels)
    throw invalid;
  QImage image = reader.read();
  if (image.isNull()) throw invalid;
  return image;
}

}  // namespace

TRasterImage::TRasterImage(Kind kind, const std::string& bytes) : pixels_(Decode(kind, bytes)) {}

TRasterImage TRasterImage::FromFile(Kind kind, const std::string& fileName) {
  return TRasterImage(kind, ReadWholeFile(fileName));
}

}  // namespace ostrak
