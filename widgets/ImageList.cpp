#include "widgets/ImageList.h"

#include <QPainter>
#include <algorithm>

namespace ostrak {

namespace {

QImage DisabledLook(const QImage& image) {
  QImage grey = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int level = qGray(line[x]);
      line[x] = qRgba(level, level, level, qAlpha(line[x]) / 2);
    }
  }
  return grey;
}

}  // namespace

TImageList::TImageList(int width, int height, QObject* owner)
    : QObject(owner), width_(std::max(0, width)), height_(std::max(0, height)) {}

int TImageList::Add(const QImage& image) {
  QImage picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (picture.width() != width_ || picture.height() != height_) {
    picture = picture.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  images_.push_back(std::move(picture));
  return Count() - 1;
}

void TImageList::Draw(Surface& canvas, int x, int y, int index, TImageLook look) const {
  if (index < 0 || index >= Count()) return;
  const QImage& picture = images_[static_cast<std::size_t>(index)];
  QPainter painter(&canvas.Image());
  painter.drawImage(x, y, look == TImageLook::Enabled ? picture : DisabledLook(picture));
}

}  // namespace ostrak
