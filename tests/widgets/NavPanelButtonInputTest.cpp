#include <gtest/gtest.h>

#include <QMouseEvent>
#include <memory>
#include <stdexcept>

#include "ButtonHost.h"
#include "core/Errors.h"
#include "platform/ErrorGuard.h"
#include "support/PixelTools.h"
#include "widgets/NavigationPane.h"

namespace ostrak {
namespace {

using test::ButtonHost;
using test::CountingButton;
using test::Rendered;
using enum TButtonStateFlag;

const QPoint kInside(40, 14);
const QPoint kOutside(40, 80);

struct InputTest : ::testing::Test {
  InputTest() : button(&host.window) {
    button.SetBounds(20, 20, 114, 28);
    button.SetCaption(QStringLiteral("Guardar Luchador"));
    button.OnClick = [this](QObject* sender) {
      EXPECT_EQ(sender, &button);
      ++clicks;
      pressedDuringClick = button.State().Contains(Pressed);
    };
    button.show();
  }

  ButtonHost host;
  CountingButton button;
  int clicks = 0;
  bool pressedDuringClick = false;
};

TEST_F(InputTest, PressDragOutReleaseOutsideDoesNotClick) {
  host.MoveTo(button, kInside);
  host.Press(button, kInside);
  EXPECT_EQ(button.State(), (TButtonState{Hovered, Pressed}));
  host.MoveTo(button, kOutside);
  EXPECT_EQ(button.State(), TButtonState{Pressed});
  host.Release(button, kOutside);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button.State(), TButtonState{});
  EXPECT_EQ(Rendered(button).surface.Pixel(0, 0), button.Colors().ButtonColorFrom());
}

TEST_F(InputTest, DraggedOutAndBackInClicksOnce) {
  host.MoveTo(button, kInside);
  host.Press(button, kInside);
  host.MoveTo(button, kOutside);
  host.MoveTo(button, kInside);
  EXPECT_EQ(button.State(), (TButtonState{Hovered, Pressed}));
  host.Release(button, kInside);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button.State(), TButtonState{Hovered});
}

TEST_F(InputTest, RightPressShowsThePressedFaceButNeverClicks) {
  host.MoveTo(button, kInside);
  host.Press(button, kInside, Qt::RightButton);
  EXPECT_TRUE(button.State().Contains(Pressed));
  host.Release(button, kInside, Qt::RightButton);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button.State().Contains(Pressed));
}

TEST_F(InputTest, DoubleClickIsTwoClicks) {
  host.MoveTo(button, kInside);
  host.DoubleClick(button, kInside);
  EXPECT_EQ(clicks, 2);
}

TEST_F(InputTest, TheClickRunsWhileThePressedFaceIsShownThenTheHotFaceReturns) {
  TColor topDuringClick = 0;
  button.OnClick = [&](QObject*) {
    ++clicks;
    pressedDuringClick = button.State().Contains(Pressed);
    topDuringClick = Rendered(button).surface.Pixel(0, 0);
  };
  host.MoveTo(button, kInside);
  EXPECT_EQ(button.State(), TButtonState{Hovered});
  host.Press(button, kInside);
  host.Release(button, kInside);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(pressedDuringClick);
  EXPECT_EQ(topDuringClick, button.Colors().ButtonSelectedColorTo());
  EXPECT_EQ(Rendered(button).surface.Pixel(0, 0), button.Colors().ButtonHotColorFrom());
}

TEST_F(InputTest, AFailingClickClearsThePressedFaceBeforeTheErrorIsShown) {
  button.OnClick = [](QObject*) { throw FileCreateError("Cannot create file \"x.txt\". Permission denied"); };
  bool mouseUp = false;
  button.OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { mouseUp = true; };
  std::vector<std::string> shown;
  TButtonState stateWhenShown;
  TColor topWhenShown = 0;
  const ErrorSink previous = SetErrorSink([&](const std::string& message) {
    shown.push_back(message);
    stateWhenShown = button.State();
    topWhenShown = Rendered(button).surface.Pixel(0, 0);
  });
  host.MoveTo(button, kInside);
  host.Press(button, kInside);
  const int refreshedBefore = button.refreshed;
  host.Release(button, kInside);
  SetErrorSink(previous);

  EXPECT_EQ(shown, std::vector<std::string>{"Cannot create file \"x.txt\". Permission denied"});
  EXPECT_EQ(stateWhenShown, TButtonState{Hovered});
  EXPECT_EQ(topWhenShown, button.Colors().ButtonHotColorFrom());
  EXPECT_GT(button.refreshed, refreshedBefore);
  EXPECT_FALSE(mouseUp);
}

TEST_F(InputTest, MouseEventsReachTheHandlersInControlCoordinates) {
  std::vector<std::string> seen;
  button.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState shift, int x, int y) {
    seen.push_back("down " + std::to_string(int(b)) + " " + std::to_string(shift) + " " + std::to_string(x) +
                   "," + std::to_string(y));
  };
  button.OnMouseMove = [&](QObject*, TShiftState, int x, int y) {
    seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  button.OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int x, int y) {
    seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  host.MoveTo(button, QPoint(3, 4));
  host.Press(button, QPoint(3, 4));
  host.MoveTo(button, QPoint(200, 5));
  host.Release(button, QPoint(200, 5));
  EXPECT_EQ(seen, (std::vector<std::string>{"move 3,4", "down 0 8 3,4", "move 200,5", "up 200,5"}));
}

TEST_F(InputTest, EnteringAndLeavingRefresh) {
  const int before = button.refreshed;
  host.MoveTo(button, kInside);
  EXPECT_TRUE(button.PointerOver());
  EXPECT_EQ(button.State(), TButtonState{Hovered});
  EXPECT_EQ(button.refreshed, before + 1);
  host.MoveAway();
  EXPECT_FALSE(button.PointerOver());
  EXPECT_EQ(button.State(), TButtonState{});
  EXPECT_EQ(button.refreshed, before + 2);
}

TEST_F(InputTest, ADisabledButtonIgnoresThePointerButAnswersItsMnemonic) {
  bool mouseDown = false;
  button.OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { mouseDown = true; };
  button.SetCaption(QStringLiteral("&Guardar"));
  button.SetEnabled(false);
  host.MoveTo(button, kInside);
  host.Press(button, kInside);
  host.Release(button, kInside);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(mouseDown);
  EXPECT_EQ(button.State(), TButtonState{});
  EXPECT_TRUE(TGraphicControlEx::DispatchDialogChar(&host.window, QChar(u'g')));
  EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, DisablingClearsHoveredAndPressed) {
  host.MoveTo(button, kInside);
  host.Press(button, kInside);
  const int before = button.refreshed;
  button.SetEnabled(false);
  EXPECT_EQ(button.State(), TButtonState{});
  EXPECT_EQ(button.refreshed, before + 1);
  button.SetEnabled(true);
  EXPECT_EQ(button.refreshed, before + 2);
  host.Release(button, kInside);
}

TEST(Mnemonic, DialogCharactersClickTheButtonWhoseCaptionMarksThem) {
  struct Case {
    const char* caption;
    char16_t typed;
    bool clicks;
  };
  const Case cases[] = {
      {"&Guardar", u'g', true},  {"&Guardar", u'G', true},   {"Guar&dar", u'd', true},
      {"Guardar", u'g', false},  {"&&Guardar", u'g', false}, {"A&&&B", u'b', true},
      {"&Uno &Dos", u'd', true}, {"&Uno &Dos", u'u', false}, {"Fin&", u'&', false},
      {"&Ñandú", u'ñ', true},
  };
  for (const Case& c : cases) {
    QWidget parent;
    TNavPanelButton other(&parent);
    other.SetCaption(QStringLiteral("&Xyz"));
    TNavPanelButton button(&parent);
    button.SetCaption(QString::fromUtf8(c.caption));
    int clicks = 0;
    button.OnClick = [&](QObject*) { ++clicks; };
    EXPECT_EQ(TGraphicControlEx::DispatchDialogChar(&parent, QChar(c.typed)), c.clicks) << c.caption;
    EXPECT_EQ(clicks, c.clicks ? 1 : 0) << c.caption;
  }
}

}  // namespace
}  // namespace ostrak
