#include "ui/roster/RosterDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

const QPixmap& RosterDelegate::Warning(int size, qreal pixelRatio) const {
  if (warning_.isNull() || warning_.devicePixelRatio() != pixelRatio ||
      warning_.height() != qRound(size * pixelRatio)) {
    warning_ = QApplication::style()
                   ->standardIcon(QStyle::SP_MessageBoxWarning)
                   .pixmap(QSize(size, size), pixelRatio);
  }
  return warning_;
}

const QStaticText& RosterDelegate::LaidOut(const QString& text, int width, const QFont& font,
                                           const QFontMetrics& metrics) const {
  if (font != textFont_ || texts_.size() >= kMaxTexts) {
    texts_.clear();
    textFont_ = font;
  }
  const auto key = std::pair(text, width);
  auto found = texts_.find(key);
  if (found == texts_.end()) {
    QStaticText laidOut(metrics.elidedText(text, Qt::ElideRight, width));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), font);
    found = texts_.insert(key, laidOut);
  }
  return *found;
}

void RosterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const auto* model = qobject_cast<const RosterModel*>(index.model());
  if (!model) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const RosterRow& row = model->RowAt(index.row());
  const int column = index.column();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();

  // The background, selected or not, as the style's item views have it.
  QStyleOptionViewItem background = option;
  background.index = index;
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);

  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  QRect area = option.rect.adjusted(margin, 0, -margin, 0);
  if (RosterModel::IsRating(column)) {
    const int percent = row.ratings[static_cast<std::size_t>(column - RosterModel::FirstRating)];
    if (percent >= 0) {
      const BarKind kind = column == RosterModel::LastRating ? BarKind::Overall : BarKind::Group;
      const qreal ratio = painter->device()->devicePixelRatioF();
      painter->drawPixmap(option.rect.topLeft(),
                          bars_.Bar(kind, percent, option.rect.size(), ratio, option.font));
    }
  } else {
    if (column == RosterModel::File && row.HasProblem()) {
      const int size = std::min(option.decorationSize.height(), area.height());
      const QPixmap& icon = Warning(size, painter->device()->devicePixelRatioF());
      painter->drawPixmap(QPoint(area.left(), area.top() + (area.height() - size) / 2), icon);
      area.setLeft(area.left() + size + margin);
    }
    const QString text = model->Text(row, column);
    if (!text.isEmpty()) {
      const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                         : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                 : QPalette::Inactive;
      const bool selected = option.state & QStyle::State_Selected;
      painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
      painter->setFont(option.font);
      const int top = area.top() + (area.height() - option.fontMetrics.height()) / 2;
      painter->drawStaticText(QPoint(area.left(), top),
                              LaidOut(text, area.width(), option.font, option.fontMetrics));
    }
  }

  // The line between columns, solid, where the view's grid would be.
  const QRect& cell = option.rect;
  painter->fillRect(QRect(cell.right(), cell.top(), 1, cell.height()),
                    option.palette.color(QPalette::Active, QPalette::Midlight));

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor = option.palette.color(QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
}

}  // namespace ostrak::roster
