#pragma once

// The small bars of the rating cells, in the evaluation window's look: a
// black trough, the fill a vertical gradient (red to yellow; teal to lime for
// the overall rating), the percentage in white outlined in grey over it.
// Each percentage is drawn once per bar size and kept, so a page of cells
// costs one pixmap copy each. The bars are as wide as kBarWidth in any wider
// column, so the columns share them.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QSize>

namespace ostrak::roster {

enum class BarKind { Group, Overall };

class RatingBars {
public:
  static constexpr int kBarWidth = 64;
  // Sizes of bars kept at most, beyond which they are drawn again.
  static constexpr int kMaxSizes = 8;

  // The bar for `percent` (0..100) in a cell of `size` logical pixels at
  // `pixelRatio` device pixels each, its text in `font`; it is drawn at the
  // cell's top left.
  const QPixmap& Bar(BarKind kind, int percent, QSize size, qreal pixelRatio, const QFont& font);

  int CachedCount() const { return static_cast<int>(bars_.size()); }

private:
  QPixmap Draw(BarKind kind, int percent, QSize size) const;

  qreal pixelRatio_ = 0;
  QFont font_;
  QList<QSize> sizes_;
  QHash<quint64, QPixmap> bars_;  // by size, kind and percent
};

// The fill's two colours, top to bottom, as the evaluation window's bars have them.
std::pair<QColor, QColor> BarColours(BarKind kind);

}  // namespace ostrak::roster
