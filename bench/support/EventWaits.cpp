#include "support/EventWaits.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/FirstPaintWatcher.h"

namespace ostrak::bench {

bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  // The timer only wakes a wait that nothing else would end.
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(limit);
  while (!done() && wake.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return done();
}

namespace {

void Drain() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace

bool SettleHidden(QWidget& window) {
  window.hide();
  const bool hidden =
      ProcessEventsUntil([&window] { return !window.windowHandle() || !window.windowHandle()->isExposed(); },
                         std::chrono::seconds(5));
  Drain();
  return hidden;
}

bool ShowAndWaitPainted(QWidget& window) {
  const auto watcher = std::make_unique<FirstPaintWatcher>(window, nullptr);
  window.show();
  const bool painted = ProcessEventsUntil([&] { return watcher->Done(); }, std::chrono::seconds(10));
  Drain();
  return painted;
}

}  // namespace ostrak::bench
