#include "platform/DeviceScale.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ostrak {

namespace {
// Ratios carry rounding noise (1.5 as 1.5000000001): within this of a whole
// number they are that number.
constexpr double kTolerance = 1e-6;

double DeviceRatio(const QPainter& painter) {
  const QTransform& transform = painter.deviceTransform();
  return std::hypot(transform.m11(), transform.m12());
}
}  // namespace

int DrawingScale(double devicePixelRatio) {
  if (!(devicePixelRatio > 1.0 + kTolerance)) return 1;
  return static_cast<int>(std::min(std::ceil(devicePixelRatio - kTolerance), 64.0));
}

int DrawingScale(const QPainter& painter) { return DrawingScale(DeviceRatio(painter)); }

void DrawScaledImage(QPainter& painter, const QPoint& at, const QImage& image) {
  const bool exact = std::abs(DeviceRatio(painter) - image.devicePixelRatio()) <= kTolerance;
  const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
  painter.drawImage(at, image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

}  // namespace ostrak
