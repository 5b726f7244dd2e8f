#pragma once

// Shared pieces of the navigation button's acceptance tests: a shown window
// driven through its QWindow (so Qt routes, grabs and synthesises enter and
// leave as it does for the user), a button that logs its repaint requests,
// and pixel reading of a rendered button.

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <string>
#include <utility>
#include <vector>

#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "support/PixelTools.h"
#include "widgets/navigation/NavigationPane.h"

namespace ostrak::test::nav {

// Logs "R" (RefreshWithBackground), "I" (Invalidate) and "P" (Repaint) in the
// order they are asked for.
class LoggingButton : public TNavPanelButton {
public:
  using TNavPanelButton::TNavPanelButton;

  void Invalidate() override {
    log.push_back('I');
    TNavPanelButton::Invalidate();
  }
  void Repaint() override {
    log.push_back('P');
    TNavPanelButton::Repaint();
  }
  std::string TakeLog() { return std::exchange(log, {}); }

  using TNavPanelButton::HitsButton;

  std::string log;

protected:
  void RefreshWithBackground() override {
    log.push_back('R');
    TNavPanelButton::RefreshWithBackground();
  }
};

// A top-level window; buttons are placed on it at (20, 20) unless moved.
class Window {
public:
  // The pointer arrives over an empty part of the window first, as a user's
  // would, so entering a button later is an enter from the window. Two moves:
  // the platform drops a move to where the pointer already is.
  Window() {
    widget.setGeometry(100, 100, 400, 200);
    widget.show();
    QTest::mouseMove(Handle(), QPoint(388, 188));
    MoveAway();
  }
  // Lets go of every button a test left held, so the next window starts with
  // none; the buttons' handlers may refer to the test's locals, gone by now.
  ~Window() {
    for (auto* button : widget.findChildren<TGraphicControlEx*>()) {
      button->OnClick = nullptr;
      button->OnMouseDown = nullptr;
      button->OnMouseUp = nullptr;
      button->OnMouseMove = nullptr;
    }
    for (const Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      if (QGuiApplication::mouseButtons() & held) {
        QTest::mouseRelease(Handle(), held, Qt::NoModifier, QPoint(390, 190));
      }
    }
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  LoggingButton* AddButton(int left = 20, int top = 20, int width = 125, int height = 28) {
    auto* button = new LoggingButton(&widget);
    button->SetBounds(left, top, width, height);
    button->show();
    button->TakeLog();
    return button;
  }

  QWindow* Handle() { return widget.windowHandle(); }

  // Positions are in the button's coordinates.
  void Move(QWidget& over, QPoint at) { QTest::mouseMove(Handle(), over.mapTo(&widget, at)); }
  void Press(QWidget& over, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(Handle(), button, Qt::NoModifier, over.mapTo(&widget, at));
  }
  void Release(QWidget& over, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(Handle(), button, Qt::NoModifier, over.mapTo(&widget, at));
  }
  void Click(QWidget& over, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton) {
    Move(over, at);
    Press(over, at, button);
    Release(over, at, button);
  }
  // A point on the window away from every button.
  void MoveAway() { QTest::mouseMove(Handle(), QPoint(390, 190)); }

  QWidget widget;
};

// The button as it paints itself, on a transparent image of its size.
struct Rendered {
  explicit Rendered(TGraphicControlEx& control) : image(control.RenderToImage()), surface(&image) {}
  TColor At(int x, int y) const { return surface.Pixel(x, y); }
  QImage image;
  Surface surface;
};

inline TFont CaptionFont(TColor color) {
  TFont font = TahomaBoldFont();
  font.SetColor(color);
  return font;
}

}  // namespace ostrak::test::nav
