#pragma once

// TImageList: a list of pictures of one size, drawn by index onto a surface.

#include <QImage>
#include <QObject>
#include <vector>

#include "platform/Surface.h"

namespace ostrak {

class TImageList : public QObject {
  Q_OBJECT

public:
  TImageList(int width, int height, QObject* owner = nullptr);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds a picture, scaled to the list's size when it differs; returns its index.
  int Add(const QImage& image);

  // Draws picture `index` as it is (there is no greyed look) with its
  // top-left corner at (x, y), blending its transparent pixels. An index
  // outside the list draws nothing.
  void Draw(Surface& canvas, int x, int y, int index) const;

private:
  int width_;
  int height_;
  std::vector<QImage> images_;
};

}  // namespace ostrak
