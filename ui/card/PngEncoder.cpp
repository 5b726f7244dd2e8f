#include "ui/card/PngEncoder.h"

#include <png.h>

#include <QSysInfo>
#include <csetjmp>

// libpng reports errors by longjmp to the setjmp in Write. Only libpng's own
// frames and Write's lie between the two, so no object with a destructor may
// live in Write; the output grows in its caller's buffer.

namespace ostrak {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  static_cast<QByteArray*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void Flush(png_structp) {}

// Rows of `image` (Format_RGB32) into `out`; false when libpng failed.
bool Write(const QImage& image, int dotsPerMetre, QByteArray* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, static_cast<png_uint_32>(dotsPerMetre), static_cast<png_uint_32>(dotsPerMetre),
               PNG_RESOLUTION_METER);
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  // A 32-bit pixel in memory is B, G, R, unused on little-endian machines and
  // unused, R, G, B on others.
  if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
  for (int y = 0; y < image.height(); ++y) png_write_row(png, const_cast<png_bytep>(image.constScanLine(y)));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

QByteArray EncodePng(const QImage& image, int dotsPerMetre) {
  const QImage rows =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  QByteArray bytes;
  if (rows.isNull() || !Write(rows, dotsPerMetre, &bytes)) return QByteArray();
  return bytes;
}

}  // namespace ostrak
