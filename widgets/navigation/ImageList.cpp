#include "widgets/navigation/ImageList.h"

#include <QPainter>
#include <algorithm>

namespace ostrak {

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

void TImageList::Draw(Surface& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  QPainter painter(&canvas.Image());
  painter.drawImage(x, y, images_[static_cast<std::size_t>(index)]);
}

}  // namespace ostrak
