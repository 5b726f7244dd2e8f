#include "platform/Surface.h"

#include <algorithm>
#include <array>

#include "platform/Font.h"
#include "platform/SurfacePixels.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

// One byte per row, the leftmost pixel in the high bit.
constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatchPatterns = {{
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
}};

bool IsSupportedFormat(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

Surface::Surface(int width, int height, TColor fill, int scale)
    : own_(std::max(0, width) * std::max(1, scale), std::max(0, height) * std::max(1, scale),
           QImage::Format_RGB32),
      image_(&own_),
      scale_(std::max(1, scale)),
      font_(TFont().ToQFont()) {
  own_.setDevicePixelRatio(scale_);
  SelectFont(font_);
  own_.fill(detail::OpaquePixel(ColorToRGB(fill)));
}

Surface::Surface(QImage* target)
    : image_(target), scale_(std::max(1, qRound(target->devicePixelRatio()))), font_(TFont().ToQFont()) {
  SelectFont(font_);
  if (!image_->isNull() && !IsSupportedFormat(image_->format())) {
    *image_ = image_->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
}

QImage& Surface::Image() { return *image_; }
const QImage& Surface::Image() const { return *image_; }
int Surface::Width() const { return image_->width() / scale_; }
int Surface::Height() const { return image_->height() / scale_; }

void Surface::Resize(int width, int height, int scale) {
  const QImage::Format format = image_->isNull() ? QImage::Format_RGB32 : image_->format();
  scale_ = std::max(1, scale);
  *image_ = QImage(std::max(0, width) * scale_, std::max(0, height) * scale_, format);
  image_->setDevicePixelRatio(scale_);
  deviceFontStale_ = true;
}

TColor Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return clNone;
  const QRgb pixel = detail::ConstRows(*image_)[y * scale_][x * scale_];
  if (image_->format() != QImage::Format_RGB32 && qAlpha(pixel) == 0) return clNone;
  return RGB(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
             static_cast<std::uint8_t>(qBlue(pixel)));
}

Pen Surface::SelectPen(const Pen& pen) {
  Pen previous = pen_;
  pen_ = pen;
  dashPos_ = 0;
  return previous;
}

Brush Surface::SelectBrush(const Brush& brush) {
  Brush previous = brush_;
  brush_ = brush;
  return previous;
}

const Pen& Surface::CurrentPen() const { return pen_; }
const Brush& Surface::CurrentBrush() const { return brush_; }
const QFont& Surface::CurrentFont() const { return font_; }

int Surface::SetBkMode(int mode) {
  const int previous = bkMode_;
  if (mode == OPAQUE || mode == TRANSPARENT) bkMode_ = mode;
  return previous;
}

int Surface::GetBkMode() const { return bkMode_; }

TColor Surface::SetBkColor(TColor color) {
  const TColor previous = bkColor_;
  bkColor_ = color;
  return previous;
}

TColor Surface::GetBkColor() const { return bkColor_; }

TColor Surface::SetTextColor(TColor color) {
  const TColor previous = textColor_;
  textColor_ = color;
  return previous;
}

TColor Surface::GetTextColor() const { return textColor_; }

int Surface::GetMapMode() const { return mapMode_; }

int Surface::SetMapMode(int mode) {
  if (mode != MM_TEXT) return 0;
  const int previous = mapMode_;
  mapMode_ = mode;
  return previous;
}

int Surface::GetDeviceCaps(int index) const {
  switch (index) {
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    default:
      return 0;
  }
}

TPoint Surface::SetBrushOrg(int x, int y) {
  const TPoint previous = brushOrg_;
  brushOrg_ = TPoint{x, y};
  return previous;
}

TPoint Surface::GetBrushOrg() const { return brushOrg_; }

void Surface::FillRect(const TRect& rect, const Brush& brush) {
  if (brush.kind == BrushKind::Null || brush.color == clNone) return;
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, Width());
  const int bottom = std::min(rect.bottom, Height());
  if (right <= left || bottom <= top) return;
  const std::uint32_t ink = detail::OpaquePixel(ColorToRGB(brush.color));

  if (brush.kind == BrushKind::Solid) {
    FillPixels(left, top, right, bottom, ink);
    return;
  }
  if (brush.hatch < HS_HORIZONTAL || brush.hatch > HS_DIAGCROSS) return;
  const auto& pattern = kHatchPatterns[static_cast<std::size_t>(brush.hatch)];
  const bool fillGaps = bkMode_ == OPAQUE && bkColor_ != clNone;
  const std::uint32_t gap = detail::OpaquePixel(ColorToRGB(bkColor_));
  const detail::Rows rows(*image_);
  const int k = scale_;
  for (int y = top; y < bottom; ++y) {
    const std::uint8_t bits = pattern[static_cast<std::size_t>((y - brushOrg_.y) & 7)];
    for (int deviceY = y * k; deviceY < (y + 1) * k; ++deviceY) {
      std::uint32_t* row = rows[deviceY];
      for (int x = left; x < right; ++x) {
        if ((bits >> (7 - ((x - brushOrg_.x) & 7))) & 1) {
          std::fill_n(row + x * k, k, ink);
        } else if (fillGaps) {
          std::fill_n(row + x * k, k, gap);
        }
      }
    }
  }
}

void Surface::FillPixels(int left, int top, int right, int bottom, std::uint32_t argb) {
  const detail::Rows rows(*image_);
  const int k = scale_;
  for (int y = top * k; y < bottom * k; ++y) std::fill(rows[y] + left * k, rows[y] + right * k, argb);
}

void Surface::BitBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, std::uint32_t rop) {
  if (rop != SRCCOPY) return;
  Blit(x, y, w, h, source, sx, sy, clNone);
}

void Surface::TransparentBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy,
                             TColor transparent) {
  Blit(x, y, w, h, source, sx, sy, ColorToRGB(transparent));
}

void Surface::Blit(int x, int y, int w, int h, const Surface& source, int sx, int sy, TColor key) {
  // Clip against both images, moving the other side along.
  if (x < 0) w += x, sx -= x, x = 0;
  if (y < 0) h += y, sy -= y, y = 0;
  if (sx < 0) w += sx, x -= sx, sx = 0;
  if (sy < 0) h += sy, y -= sy, sy = 0;
  w = std::min({w, Width() - x, source.Width() - sx});
  h = std::min({h, Height() - y, source.Height() - sy});
  if (w <= 0 || h <= 0) return;

  // A copy within one image reads from a snapshot, so overlapping areas work.
  const int k = scale_;
  const int ks = source.scale_;
  const QImage snapshot = &source == this ? image_->copy(sx * k, sy * k, w * k, h * k) : QImage();
  const QImage& from = &source == this ? snapshot : source.Image();
  const int fromX = &source == this ? 0 : sx * ks;
  const int fromY = &source == this ? 0 : sy * ks;
  // Format_RGB32 promises 0xFF in the alpha byte; make sure of it.
  const std::uint32_t opaque = from.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;
  const bool skipKey = key != clNone;
  const detail::ConstRows in(from);
  const detail::Rows out(*image_);
  const std::uint32_t skipped = detail::OpaquePixel(key);
  const int width = w * k;
  for (int row = 0; row < h * k; ++row) {
    const std::uint32_t* source = in[fromY + row * ks / k] + fromX;
    std::uint32_t* target = out[y * k + row] + x * k;
    if (ks == k) {
      for (int col = 0; col < width; ++col) {
        const std::uint32_t pixel = source[col] | opaque;
        if (skipKey && pixel == skipped) continue;
        target[col] = pixel;
      }
    } else {
      for (int col = 0; col < width; ++col) {
        const std::uint32_t pixel = source[col * ks / k] | opaque;
        if (skipKey && pixel == skipped) continue;
        target[col] = pixel;
      }
    }
  }
}

}  // namespace ostrak
