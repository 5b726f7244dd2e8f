#include "ui/roster/RatingBars.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "core/Colors.h"

namespace ostrak::roster {

namespace {

QColor FromColorRef(TColor colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

// Around the trough, so the row's background and selection still show.
constexpr int kMarginX = 3;
constexpr int kMarginY = 2;

}  // namespace

std::pair<QColor, QColor> BarColours(BarKind kind) {
  return kind == BarKind::Overall ? std::pair(FromColorRef(clTeal), FromColorRef(clLime))
                                  : std::pair(FromColorRef(clRed), FromColorRef(clYellow));
}

const QPixmap& RatingBars::Bar(BarKind kind, int percent, QSize size, qreal pixelRatio, const QFont& font) {
  size.setWidth(std::min(size.width(), kBarWidth + 2 * kMarginX));
  if (pixelRatio != pixelRatio_ || font != font_ || (!sizes_.contains(size) && sizes_.size() >= kMaxSizes)) {
    bars_.clear();
    sizes_.clear();
    pixelRatio_ = pixelRatio;
    font_ = font;
  }
  if (!sizes_.contains(size)) sizes_.append(size);
  percent = std::clamp(percent, 0, 100);
  const quint64 key = (quint64(size.width() & 0xFFFF) << 32) | (quint64(size.height() & 0xFFFF) << 16) |
                      (kind == BarKind::Overall ? 0x100 : 0) | quint64(percent);
  auto found = bars_.find(key);
  if (found == bars_.end()) found = bars_.insert(key, Draw(kind, percent, size));
  return *found;
}

QPixmap RatingBars::Draw(BarKind kind, int percent, QSize size) const {
  QPixmap pixmap(size * pixelRatio_);
  pixmap.setDevicePixelRatio(pixelRatio_);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QRect trough = QRect(QPoint(0, 0), size).adjusted(kMarginX, kMarginY, -kMarginX, -kMarginY);
  if (trough.width() <= 0 || trough.height() <= 0) return pixmap;
  painter.fillRect(trough, Qt::black);
  const int filled = trough.width() * percent / 100;
  if (filled > 0) {
    const auto [top, bottom] = BarColours(kind);
    QLinearGradient gradient(trough.topLeft(), trough.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRect(trough.topLeft(), QSize(filled, trough.height())), gradient);
  }

  // Outlined as the evaluation window outlines its captions, so the text
  // reads over both the trough and the fill.
  painter.setFont(font_);
  const QString text = QString::number(percent) + QLatin1Char('%');
  painter.setPen(FromColorRef(clGray));
  for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
    painter.drawText(trough.translated(offset), Qt::AlignCenter, text);
  }
  painter.setPen(Qt::white);
  painter.drawText(trough, Qt::AlignCenter, text);
  return pixmap;
}

}  // namespace ostrak::roster
