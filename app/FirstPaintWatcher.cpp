#include "app/FirstPaintWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ostrak {

FirstPaintWatcher::FirstPaintWatcher(QWidget& window, std::function<void()> painted)
    : QObject(&window), window_(window), painted_(std::move(painted)) {
  QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatcher::~FirstPaintWatcher() {
  if (!done_) QCoreApplication::instance()->removeEventFilter(this);
}

// Only notes the paint: the pass that delivers it is still running.
bool FirstPaintWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != &window_) return false;
  paintedWidgets_.insert(watched);
  if (!checkPending_) {
    checkPending_ = true;
    QMetaObject::invokeMethod(this, &FirstPaintWatcher::Check, Qt::QueuedConnection);
  }
  return false;
}

bool FirstPaintWatcher::CanShow(const QWidget& widget) const {
  return widget.window() == &window_ && widget.isVisible() && !widget.visibleRegion().isEmpty();
}

void FirstPaintWatcher::Check() {
  checkPending_ = false;
  if (done_ || !CanShow(window_) || !paintedWidgets_.contains(&window_)) return;
  for (const QWidget* child : window_.findChildren<QWidget*>()) {
    if (CanShow(*child) && !paintedWidgets_.contains(child)) return;
  }
  done_ = true;
  QCoreApplication::instance()->removeEventFilter(this);
  if (painted_) painted_();
}

}  // namespace ostrak
