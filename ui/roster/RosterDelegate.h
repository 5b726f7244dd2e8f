#pragma once

// Paints the roster table's cells straight from the model's rows: the
// background and selection as the style paints them, a text elided to fit,
// the problem marker, and each rating as its cached bar. Asking the model
// for item data cell by cell would cost more than the painting itself, and
// laying text out each time more than everything else: the texts are kept
// laid out, as they fit their columns.

#include <QHash>
#include <QPixmap>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <utility>

#include "ui/roster/RatingBars.h"

namespace ostrak::roster {

class RosterDelegate : public QStyledItemDelegate {
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Texts kept laid out at most; a few pages' worth.
  static constexpr qsizetype kMaxTexts = 4096;

private:
  const QPixmap& Warning(int size, qreal pixelRatio) const;
  // `text` elided to `width` and laid out in `font`.
  const QStaticText& LaidOut(const QString& text, int width, const QFont& font,
                             const QFontMetrics& metrics) const;

  mutable RatingBars bars_;
  mutable QPixmap warning_;
  mutable QFont textFont_;
  mutable QHash<std::pair<QString, int>, QStaticText> texts_;
};

}  // namespace ostrak::roster
