#pragma once

// Pixel access shared by the surface's source files; not for other users.

#include <QImage>
#include <cstdint>

#include "core/Colors.h"

namespace ostrak::detail {

// 0x00BBGGRR as an opaque 0xFFRRGGBB pixel.
constexpr std::uint32_t OpaquePixel(TColor rgb) {
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

// Row access with one detach per drawing operation rather than one per
// pixel, as QImage::scanLine would cost.
class Rows {
public:
  explicit Rows(QImage& image) : bits_(image.bits()), stride_(image.bytesPerLine()) {}
  std::uint32_t* operator[](int y) const { return reinterpret_cast<std::uint32_t*>(bits_ + y * stride_); }

private:
  uchar* bits_;
  qsizetype stride_;
};

class ConstRows {
public:
  explicit ConstRows(const QImage& image) : bits_(image.constBits()), stride_(image.bytesPerLine()) {}
  const std::uint32_t* operator[](int y) const {
    return reinterpret_cast<const std::uint32_t*>(bits_ + y * stride_);
  }

private:
  const uchar* bits_;
  qsizetype stride_;
};

}  // namespace ostrak::detail
