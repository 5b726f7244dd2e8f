#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ostrak {
namespace {

// Too long for the span: the start of the span.
int KeepWithin(int start, int length, int wantedStart, int size) {
  return std::max(start, std::min(wantedStart, start + length - size));
}

}  // namespace

QPoint KeepInside(const QRect& available, const QSize& frame, const QPoint& wanted) {
  return {KeepWithin(available.left(), available.width(), wanted.x(), frame.width()),
          KeepWithin(available.top(), available.height(), wanted.y(), frame.height())};
}

void PlaceCentred(QWidget& window, const QPoint& centre, const QScreen* screen, const QMargins& frame) {
  const QSize size = window.size().grownBy(frame);
  QPoint topLeft = centre - QPoint((size.width() - 1) / 2, (size.height() - 1) / 2);
  if (screen) topLeft = KeepInside(screen->availableGeometry(), size, topLeft);
  // A top-level window's position is that of its frame.
  window.move(topLeft);
}

}  // namespace ostrak
