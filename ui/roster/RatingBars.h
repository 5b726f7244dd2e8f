#pragma once

// The small bars of the rating cells, in the evaluation window's look: a
// black trough, the fill a vertical gradient (red to yellow; teal to lime for
// the overall rating), the percentage in white outlined in grey over it.
// Each percentage is drawn once per cell size and kept, so a page of cells
// costs one pixmap copy each.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QSize>

namespace ostrak::roster {

enum class BarKind { Group, Overall };

class RatingBars {
public:
  // The bar for `percent` (0..100) filling `size` logical pixels at
  // `pixelRatio` device pixels each, its text in `font`.
  const QPixmap& Bar(BarKind kind, int percent, QSize size, qreal pixelRatio, const QFont& font);

  int CachedCount() const { return static_cast<int>(bars_.size()); }

private:
  QPixmap Draw(BarKind kind, int percent) const;

  QSize size_;
  qreal pixelRatio_ = 0;
  QFont font_;
  QHash<int, QPixmap> bars_;  // by kind and percent
};

// The fill's two colours, top to bottom, as the evaluation window's bars have them.
std::pair<QColor, QColor> BarColours(BarKind kind);

}  // namespace ostrak::roster
