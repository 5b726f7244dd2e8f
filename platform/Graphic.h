#pragma once

// A loaded picture of one kind (JPEG, bitmap, icon). Drawing only needs its
// size and its pixels, so every kind draws through the same routines.

#include <QImage>

namespace ostrak {

// Larger pictures are refused when they are loaded, before their pixels are
// decoded, whatever their kind.
constexpr long long kMaxPicturePixels = 16'000'000;

class TGraphic {
public:
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // The pixels to draw. A kind that decodes lazily does it on the first call
  // and may fail there; a null image draws nothing.
  virtual const QImage& Pixels() = 0;
};

}  // namespace ostrak
