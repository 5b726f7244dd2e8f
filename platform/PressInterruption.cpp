#include "platform/PressInterruption.h"

#include <QEvent>
#include <QWidget>

namespace ostrak {

// Hiding or disabling an ancestor reaches the control as its own hide or
// enabled change, and a blocked window hands its block on to its children.
bool InterruptsPress(const QWidget& control, const QEvent& event) {
  switch (event.type()) {
    case QEvent::Hide:
    case QEvent::WindowBlocked:
      return true;
    case QEvent::EnabledChange:
      return !control.isEnabled();
    default:
      return false;
  }
}

}  // namespace ostrak
