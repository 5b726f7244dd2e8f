#pragma once

// A shown window for the button tests, driven with real mouse events through
// the window system's queue, as a user's pointer would.

#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/Surface.h"
#include "widgets/NavigationPane.h"

namespace ostrak::test {

class ButtonHost {
public:
  ButtonHost() {
    window.setGeometry(0, 0, 300, 200);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(Handle(), QPoint(290, 190));
  }

  QWindow* Handle() { return window.windowHandle(); }

  void MoveTo(QWidget& widget, QPoint at) { QTest::mouseMove(Handle(), widget.mapTo(&window, at)); }
  void Press(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(Handle(), button, {}, widget.mapTo(&window, at));
  }
  void Release(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(Handle(), button, {}, widget.mapTo(&window, at));
  }
  void Click(QWidget& widget, QPoint at) {
    MoveTo(widget, at);
    Press(widget, at);
    Release(widget, at);
  }
  void DoubleClick(QWidget& widget, QPoint at) {
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, widget.mapTo(&window, at));
  }
  void MoveAway() { QTest::mouseMove(Handle(), QPoint(290, 190)); }

  QWidget window;
};

// A button that counts its repaint requests.
class CountingButton : public TNavPanelButton {
public:
  using TNavPanelButton::TNavPanelButton;
  int invalidated = 0;
  int refreshed = 0;
  void Invalidate() override {
    ++invalidated;
    TNavPanelButton::Invalidate();
  }

protected:
  void RefreshWithBackground() override {
    ++refreshed;
    TNavPanelButton::RefreshWithBackground();
  }
};

// What the button paints, as a surface to read pixels from.
struct Rendered {
  explicit Rendered(TGraphicControlEx& control) : image(control.RenderToImage()), surface(&image) {}
  QImage image;
  Surface surface;
};

}  // namespace ostrak::test
