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

inline std::uint32_t* Row(QImage& image, int y) {
  return reinterpret_cast<std::uint32_t*>(image.scanLine(y));
}

inline const std::uint32_t* ConstRow(const QImage& image, int y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}

}  // namespace ostrak::detail
