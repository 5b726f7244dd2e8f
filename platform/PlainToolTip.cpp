#include "platform/PlainToolTip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace ostrak {

bool ShowPlainToolTip(QWidget& control, QEvent& event) {
  if (event.type() != QEvent::ToolTip || control.toolTip().isEmpty()) return false;
  // Marked up so that Qt takes it as rich text, with every character
  // escaped and every space kept, as the plain text would show it.
  const QString text = QStringLiteral("<p style=\"white-space:pre\">") + control.toolTip().toHtmlEscaped() +
                       QStringLiteral("</p>");
  QToolTip::showText(static_cast<QHelpEvent&>(event).globalPos(), text, &control, QRect(),
                     control.toolTipDuration());
  return true;
}

}  // namespace ostrak
