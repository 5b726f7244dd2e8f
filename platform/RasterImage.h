#pragma once

// Bitmaps and icons, decoded whole when they are loaded, by Qt's readers.

#include <string>

#include "platform/Graphic.h"

namespace ostrak {

class TRasterImage : public TGraphic {
public:
  enum class Kind { Bitmap, Icon };

  // Decodes `bytes` as the given kind only, whatever they hold. An invalid or
  // oversized (more than 16 million pixels) picture fails with PictureError
  // "Bitmap image is not valid" or "Icon image is not valid". An icon file
  // gives its first image.
  TRasterImage(Kind kind, const std::string& bytes);
  // Reads the file whole first (FileOpenError when it cannot).
  static TRasterImage FromFile(Kind kind, const std::string& fileName);

  int Width() const override { return pixels_.width(); }
  int Height() const override { return pixels_.height(); }
  const QImage& Pixels() override { return pixels_; }

private:
  QImage pixels_;
};

}  // namespace ostrak
