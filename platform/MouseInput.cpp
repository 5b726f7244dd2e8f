#include "platform/MouseInput.h"

#include <QCoreApplication>
#include <QEvent>

namespace ostrak {

void DiscardQueuedMouseInput() {
  for (const QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::Wheel}) {
    QCoreApplication::removePostedEvents(nullptr, type);
  }
}

}  // namespace ostrak
