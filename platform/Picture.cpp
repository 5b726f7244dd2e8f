#include "platform/Picture.h"

#include <QPainter>
#include <algorithm>

#include "core/Errors.h"
#include "platform/JpegImage.h"
#include "platform/RasterImage.h"
#include "platform/Surface.h"

namespace ostrak {
namespace {

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

std::unique_ptr<TGraphic> LoadGraphic(PictureFormat format, const std::string& fileName) {
  switch (format) {
    case PictureFormat::Jpeg:
      return std::make_unique<TJPEGImage>(TJPEGImage::FromFile(fileName));
    case PictureFormat::Bitmap:
      return std::make_unique<TRasterImage>(TRasterImage::FromFile(TRasterImage::Kind::Bitmap, fileName));
    case PictureFormat::Icon:
      return std::make_unique<TRasterImage>(TRasterImage::FromFile(TRasterImage::Kind::Icon, fileName));
    case PictureFormat::Metafile:
      break;
  }
  throw PictureError("Metafile pictures are not supported (." + PictureExtension(fileName) + ")");
}

QRect ToQRect(const TRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// A finer surface's image carries its scale, so the painter's coordinates
// stay in pixels; the device's extra pixels are interpolated from the
// picture's own.
void PreparePainter(QPainter& painter, const Surface& surface) {
  if (surface.Scale() > 1) painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

}  // namespace

std::string PictureExtension(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return fileName.substr(dot + 1);
}

PictureFormat PictureFormatOf(const std::string& fileName) {
  const std::string extension = PictureExtension(fileName);
  const std::string key = AsciiLower(extension);
  if (key == "jpg" || key == "jpeg") return PictureFormat::Jpeg;
  if (key == "bmp") return PictureFormat::Bitmap;
  if (key == "ico") return PictureFormat::Icon;
  if (key == "wmf" || key == "emf") return PictureFormat::Metafile;
  throw PictureError("Unknown picture file extension (." + extension + ")");
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::LoadFromFile(const std::string& fileName) {
  graphic_ = LoadGraphic(PictureFormatOf(fileName), fileName);
  if (OnChange) OnChange(*this);
}

void TPicture::StretchDraw(Surface& surface, const TRect& rect) {
  if (!graphic_ || IsRectEmpty(rect)) return;
  const QImage& pixels = graphic_->Pixels();
  if (pixels.isNull()) return;
  QPainter painter(&surface.Image());
  PreparePainter(painter, surface);
  painter.drawImage(ToQRect(rect), pixels);
}

void TPicture::Draw(Surface& surface, TPoint origin, const TRect& clip) {
  if (!graphic_ || IsRectEmpty(clip)) return;
  const QImage& pixels = graphic_->Pixels();
  if (pixels.isNull()) return;
  QPainter painter(&surface.Image());
  PreparePainter(painter, surface);
  painter.setClipRect(ToQRect(clip));
  painter.drawImage(QPoint(origin.x, origin.y), pixels);
}

}  // namespace ostrak
