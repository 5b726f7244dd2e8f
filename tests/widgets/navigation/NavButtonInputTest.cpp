// The navigation button under real mouse input: presses, drags, releases and
// double-clicks go through the window the way the platform delivers them.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "platform/ErrorGuard.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using test::nav::Rendered;
using test::nav::Window;
using Flag = TButtonStateFlag;

constexpr TColor kFontColor = RGB(0, 0, 255);
constexpr TColor kHotFontColor = RGB(255, 0, 0);

const TNavPanelColors& Defaults() {
  static TNavPanelColors colors;
  return colors;
}
const TColor kRestTop = Defaults().ButtonColorFrom();
const TColor kHotTop = Defaults().ButtonHotColorFrom();
const TColor kPressedTop = Defaults().ButtonSelectedColorTo();

class NavButtonInput : public ::testing::Test {
protected:
  void SetUp() override {
    button = window.AddButton();
    button->SetCaption(QStringLiteral("Save"));
    button->SetFont(test::nav::CaptionFont(kFontColor));
    button->SetHotTrackFont(test::nav::CaptionFont(kHotFontColor));
    button->OnClick = [this](QObject*) { ++clicks; };
  }

  TColor TopRow() { return Rendered(*button).At(button->Width() - 1, 0); }

  Window window;
  LoggingButton* button = nullptr;
  int clicks = 0;
};

TEST_F(NavButtonInput, ClickInsideClicksOnceAndLeavesTheHotFace) {
  window.Click(*button);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered}));
  EXPECT_EQ(TopRow(), kHotTop);
}

TEST_F(NavButtonInput, PressDragOutReleaseOutsideAbandonsThePress) {
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered, Flag::Pressed}));
  window.Move(*button, {10, 60});
  EXPECT_EQ(button->State(), (TButtonState{Flag::Pressed}));
  EXPECT_EQ(TopRow(), kPressedTop) << "pressed face while the pointer is outside";
  window.Release(*button, {10, 60});
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(button->State().Empty());
  EXPECT_EQ(TopRow(), kRestTop);
}

TEST_F(NavButtonInput, DragOutAndBackInClicksOnce) {
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  window.Move(*button, {-30, 10});
  EXPECT_FALSE(button->State().Contains(Flag::Hovered));
  window.Move(*button, {50, 14});
  EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered, Flag::Pressed}));
  window.Release(*button, {50, 14});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered}));
}

TEST_F(NavButtonInput, RightAndMiddlePressesShowThePressedFaceButNeverClick) {
  for (const Qt::MouseButton which : {Qt::RightButton, Qt::MiddleButton}) {
    window.Move(*button, {10, 10});
    window.Press(*button, {10, 10}, which);
    EXPECT_TRUE(button->State().Contains(Flag::Pressed)) << which;
    window.Release(*button, {10, 10}, which);
    EXPECT_FALSE(button->State().Contains(Flag::Pressed)) << which;
  }
  EXPECT_EQ(clicks, 0);
}

TEST_F(NavButtonInput, DoubleClickGivesTwoClicks) {
  int downs = 0;
  button->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  window.Move(*button, {10, 10});
  QTest::mouseDClick(window.Handle(), Qt::LeftButton, Qt::NoModifier,
                     button->mapTo(&window.widget, QPoint(10, 10)));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(downs, 2);
}

TEST_F(NavButtonInput, HoverThenPressShowsTheSelectedFaceUpsideDownInFont) {
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  const Rendered pressed(*button);
  EXPECT_EQ(pressed.At(button->Width() - 1, 0), Defaults().ButtonSelectedColorTo());
  EXPECT_GT(test::CountOf(pressed.surface, kFontColor), 0);
  EXPECT_EQ(test::CountOf(pressed.surface, kHotFontColor), 0);
}

TEST_F(NavButtonInput, TheClickRunsWhilePressedIsStillSetAndBeforeOnMouseUp) {
  std::string order;
  TColor faceDuringClick = clNone;
  button->OnClick = [&](QObject*) {
    order += button->State().Contains(Flag::Pressed) ? "click(pressed) " : "click ";
    faceDuringClick = TopRow();
  };
  button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) {
    order += button->State().Contains(Flag::Pressed) ? "up(pressed) " : "up ";
  };
  button->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) {
    order += button->State().Contains(Flag::Pressed) ? "down(pressed) " : "down ";
  };
  window.Click(*button);
  EXPECT_EQ(order, "down click(pressed) up(pressed) ");
  EXPECT_EQ(faceDuringClick, kPressedTop);
  EXPECT_EQ(TopRow(), kHotTop);
}

TEST_F(NavButtonInput, AFailingClickClearsThePressedFaceBeforeTheErrorIsShown) {
  const struct {
    const char* message;
    void (*click)(QObject*);
  } failures[] = {
      {"Access denied", [](QObject*) { throw Error("Access denied"); }},
      {"Cannot create file \"x.txt\". Permission denied",
       [](QObject*) { throw FileCreateError("Cannot create file \"x.txt\". Permission denied"); }},
  };
  bool mouseUp = false;
  button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { mouseUp = true; };
  for (const auto& failure : failures) {
    button->OnClick = failure.click;
    std::vector<std::string> shown;
    TColor faceWhenShown = clNone;
    TButtonState stateWhenShown{Flag::Pressed};
    const ErrorSink previous = SetErrorSink([&](const std::string& message) {
      shown.push_back(message);
      faceWhenShown = TopRow();
      stateWhenShown = button->State();
    });
    window.Move(*button, {10, 10});
    window.Press(*button, {10, 10});
    button->TakeLog();
    window.Release(*button, {10, 10});
    SetErrorSink(previous);
    EXPECT_EQ(shown, std::vector<std::string>{failure.message});
    EXPECT_EQ(stateWhenShown, (TButtonState{Flag::Hovered})) << failure.message;
    EXPECT_EQ(faceWhenShown, kHotTop) << failure.message;
    EXPECT_NE(button->TakeLog().find('R'), std::string::npos) << failure.message;
  }
  EXPECT_FALSE(mouseUp);
}

TEST_F(NavButtonInput, AFailingClickReachesADirectCallerUnchanged) {
  button->OnClick = [](QObject*) { throw ConversionError("'x' is not a valid integer value"); };
  try {
    button->Click();
    FAIL() << "no failure";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
  }
}

TEST_F(NavButtonInput, ADisabledButtonIgnoresThePointerButKeepsItsLook) {
  int downs = 0;
  button->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  const Rendered before(*button);
  button->SetEnabled(false);
  window.Click(*button);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(downs, 0);
  EXPECT_TRUE(button->State().Empty());
  const Rendered disabled(*button);
  EXPECT_EQ(disabled.image, before.image) << "no greyed caption, no other face";
  EXPECT_GT(test::CountOf(disabled.surface, kFontColor), 0);
}

TEST_F(NavButtonInput, DisablingAHeldButtonClearsHoveredAndPressed) {
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  button->TakeLog();
  button->SetEnabled(false);
  EXPECT_TRUE(button->State().Empty());
  EXPECT_EQ(button->TakeLog(), "RP");
  button->SetEnabled(true);
  EXPECT_EQ(button->TakeLog(), "RP");
}

TEST_F(NavButtonInput, MouseEventsReachTheHandlersInControlCoordinates) {
  std::vector<std::string> seen;
  button->OnMouseDown = [&](QObject*, TMouseButton b, TShiftState shift, int x, int y) {
    seen.push_back("down " + std::to_string(int(b)) + " " + std::to_string(shift) + " " + std::to_string(x) +
                   "," + std::to_string(y));
  };
  button->OnMouseMove = [&](QObject*, TShiftState, int x, int y) {
    seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int x, int y) {
    seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  window.Move(*button, {3, 4});
  window.Press(*button, {3, 4});
  window.Move(*button, {200, 5});
  window.Release(*button, {200, 5});
  EXPECT_EQ(seen, (std::vector<std::string>{"move 3,4", "down 0 8 3,4", "move 200,5", "up 200,5"}));
}

TEST_F(NavButtonInput, MovementOutsideAGestureOnlyRaisesOnMouseMove) {
  int moves = 0;
  button->OnMouseMove = [&](QObject*, TShiftState, int, int) { ++moves; };
  window.Move(*button, {10, 10});
  window.Move(*button, {12, 11});
  EXPECT_GE(moves, 1);
  EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered}));
}

TEST(NavButtonHitTest, EdgesLeftAndTopIncludedRightAndBottomExcluded) {
  LoggingButton button;
  button.SetBounds(0, 0, 125, 28);
  EXPECT_TRUE(button.HitsButton(0, 0));
  EXPECT_TRUE(button.HitsButton(124, 27));
  EXPECT_FALSE(button.HitsButton(125, 0));
  EXPECT_FALSE(button.HitsButton(0, 28));
  EXPECT_FALSE(button.HitsButton(-1, 5));
  EXPECT_FALSE(button.HitsButton(5, -1));
}

TEST(NavButtonPointer, EnterAndLeaveRefreshAndRepaintOnceMoreWhenHotTracking) {
  for (const bool hotTrack : {true, false}) {
    Window window;
    LoggingButton* button = window.AddButton();
    button->SetHotTrack(hotTrack);
    window.Move(*button, {5, 5});
    EXPECT_EQ(button->State(), (TButtonState{Flag::Hovered}));
    EXPECT_TRUE(button->PointerOver());
    EXPECT_EQ(button->TakeLog(), hotTrack ? "RPP" : "RP");
    window.MoveAway();
    EXPECT_TRUE(button->State().Empty());
    EXPECT_FALSE(button->PointerOver());
    EXPECT_EQ(button->TakeLog(), hotTrack ? "RPP" : "RP");
  }
}

TEST(NavButtonPointer, TurningHotTrackOffLeavesTheHotFaceUntilTheNextPaint) {
  Window window;
  LoggingButton* button = window.AddButton();
  window.Move(*button, {5, 5});
  button->TakeLog();
  button->SetHotTrack(false);
  EXPECT_EQ(button->TakeLog(), "");
  EXPECT_EQ(Rendered(*button).At(100, 0), kRestTop);
}

}  // namespace
}  // namespace ostrak
