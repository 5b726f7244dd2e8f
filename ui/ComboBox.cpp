#include "ui/ComboBox.h"

#include <QContextMenuEvent>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QStylePainter>

#include "platform/ErrorGuard.h"

namespace ostrak {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  font_.OnChange = [this](TFont&) { setFont(font_.ToQFont()); };
  setFont(font_.ToQFont());
  // Only a choice the user makes reports a change; currentIndexChanged would
  // also report the selections made from code.
  connect(this, &QComboBox::activated, this, [this] { UserChose(); });
}

void TComboBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

void TComboBox::SetBevel(const TControlBevel& bevel) {
  if (bevel == bevel_) return;
  bevel_ = bevel;
  update();
}

void TComboBox::UseRightToLeftReadingWhereTheLocaleDoes() {
  setLayoutDirection(QLocale::system().textDirection() == Qt::RightToLeft ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
}

void TComboBox::UserChose() {
  Guard([this] {
    if (OnChange) OnChange(this);
  });
}

// Qt's own drawing of the list box, inside the bevel.
void TComboBox::paintEvent(QPaintEvent*) {
  const int inset = bevel_.Width();
  {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = rect().adjusted(inset, inset, -inset, -inset);
    // Right-to-left reading moves the button to the left, not the text to
    // the right: the text keeps to the left of its field.
    option.textAlignment = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
  if (inset == 0) return;
  QPainter painter(this);
  bevelOverlay_.Paint(painter, width(), height(), bevel_);
}

void TComboBox::contextMenuEvent(QContextMenuEvent* event) { event->ignore(); }

}  // namespace ostrak
