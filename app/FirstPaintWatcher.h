#pragma once

// Watches a window until it and every widget of it that can show have been
// painted, then runs a callback once, after that paint pass has returned to
// the event loop (so the pixels have been handed on, not merely drawn).
// Widgets that cannot show (hidden, empty, clipped away by their parents)
// are not waited for; a pass that leaves one out is followed by the next.

#include <QObject>
#include <QSet>
#include <functional>

class QWidget;

namespace ostrak {

class FirstPaintWatcher : public QObject {
  Q_OBJECT

public:
  // Owned by `window`; watches every paint in the application until done.
  FirstPaintWatcher(QWidget& window, std::function<void()> painted);
  ~FirstPaintWatcher() override;

  bool Done() const { return done_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Check();
  bool CanShow(const QWidget& widget) const;

  QWidget& window_;
  std::function<void()> painted_;
  QSet<const QObject*> paintedWidgets_;
  bool checkPending_ = false;
  bool done_ = false;
};

}  // namespace ostrak
