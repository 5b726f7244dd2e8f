#pragma once

// JPEG decoding through libjpeg (6b interface), from bytes held in memory.
// Every failure the library reports becomes JpegError carrying the library's
// message code; its warnings are ignored, so a file cut inside its image data
// still decodes, with grey rows where the data is missing.
// Hostile input is bounded before it can exhaust memory or time: more than
// kMaxJpegPixels is refused with the library's image-too-big code
// (JERR_IMAGE_TOO_BIG), decoding stops after kMaxJpegScans scans with its
// bad-progression code (JERR_BAD_PROGRESSION), and the library's own memory
// use has a ceiling (JERR_NO_BACKING_STORE beyond it).

#include <QImage>
#include <string_view>

#include "platform/Graphic.h"

namespace ostrak {

constexpr long long kMaxJpegPixels = kMaxPicturePixels;
constexpr int kMaxJpegScans = 100;
// The library's own working memory. Multi-scan (progressive) files keep every
// coefficient of the picture: 2 bytes per sample, so this admits grey and
// 4:2:0 colour at the pixel limit, 4:4:4 colour up to about 11 million pixels.
// A file over it fails with the library's no-backing-store code.
constexpr long kJpegMemoryCeiling = 64L * 1024 * 1024;

enum class JpegColorSpace { Grayscale, Color, Cmyk };

struct JpegHeader {
  int width = 0;
  int height = 0;
  JpegColorSpace colorSpace = JpegColorSpace::Color;
  bool progressive = false;
  friend bool operator==(const JpegHeader&, const JpegHeader&) = default;
};

// Reads up to the first scan. Fails for anything that is not a JPEG stream
// the library accepts, for a picture over the pixel limit and for colour
// spaces with no conversion to RGB.
JpegHeader ReadJpegHeader(std::string_view bytes);

// The whole picture as Format_RGB32. Grayscale, YCbCr, RGB, CMYK and YCCK
// are converted; CMYK written with an Adobe marker is taken as inverted, the
// way those writers store it.
QImage DecodeJpeg(std::string_view bytes);

}  // namespace ostrak
