#pragma once

// Paints the roster table's cells straight from the model's rows: the
// background and selection as the style paints them, a text elided to fit,
// the problem marker, and each rating as its cached bar. Asking the model
// for item data cell by cell would cost more than the painting itself.

#include <QPixmap>
#include <QStyledItemDelegate>

#include "ui/roster/RatingBars.h"

namespace ostrak::roster {

class RosterDelegate : public QStyledItemDelegate {
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  const QPixmap& Warning(int size, qreal pixelRatio) const;

  mutable RatingBars bars_;
  mutable QPixmap warning_;
};

}  // namespace ostrak::roster
