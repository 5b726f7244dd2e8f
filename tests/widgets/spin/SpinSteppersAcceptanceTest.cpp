// The two steppers: the up-down wrapper (one click per scroll notification,
// never while busy, never accelerating) and the self-drawn spin button (its
// repeat, drag pause, halves and shared faces).

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "platform/ErrorGuard.h"
#include "widgets/spin/SpinButton.h"
#include "widgets/spin/SpinEdit.h"
#include "widgets/spin/SpinUpDown.h"

namespace ostrak {
namespace {

using Clicks = std::vector<TUDBtnType>;
constexpr TUDBtnType kNext = TUDBtnType::btNext;
constexpr TUDBtnType kPrev = TUDBtnType::btPrev;

class ProbeUpDown : public TSpinUpDown {
public:
  using TSpinUpDown::Scroll;
};

TEST(SpinUpDownAcceptance, FixedRangeAndNoAcceleration) {
  TSpinUpDown stepper;
  EXPECT_EQ(stepper.Minimum(), -1);
  EXPECT_EQ(stepper.Maximum(), 1);
  EXPECT_EQ(stepper.Position(), 0);
  EXPECT_EQ(stepper.Acceleration(), (std::vector<UDACCEL>{UDACCEL{0, 1}}));
  stepper.resize(40, 30);
  EXPECT_EQ(stepper.width(), 15);
  EXPECT_EQ(stepper.height(), 30);
}

// Held for far longer than any acceleration step of the platform control.
TEST(SpinUpDownAcceptance, OneClickPerPressAndPerRepeatTick) {
  QWidget host;
  auto* stepper = new TSpinUpDown(&host);
  stepper->resize(15, 20);
  host.show();
  Clicks clicks;
  stepper->OnClick = [&](QObject* sender, TUDBtnType button) {
    EXPECT_EQ(sender, stepper);
    clicks.push_back(button);
  };
  QTest::mousePress(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(clicks, Clicks{kNext});
  EXPECT_TRUE(stepper->AutoRepeating());
  for (int tick = 0; tick < 200; ++tick) stepper->AutoRepeatTick();
  EXPECT_EQ(clicks, Clicks(201, kNext));
  EXPECT_EQ(stepper->Position(), 0);
  QTest::mouseRelease(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_FALSE(stepper->AutoRepeating());
  stepper->AutoRepeatTick();
  EXPECT_EQ(clicks.size(), 201u);

  clicks.clear();
  QTest::mousePress(stepper, Qt::LeftButton, {}, QPoint(7, 17));
  stepper->AutoRepeatTick();
  QTest::mouseRelease(stepper, Qt::LeftButton, {}, QPoint(7, 17));
  EXPECT_EQ(clicks, (Clicks{kPrev, kPrev}));
}

TEST(SpinUpDownAcceptance, OnlyThumbPositionNotificationsClick) {
  ProbeUpDown stepper;
  Clicks clicks;
  stepper.OnClick = [&](QObject*, TUDBtnType button) { clicks.push_back(button); };
  stepper.Scroll(SB_THUMBPOSITION, 1);
  stepper.Scroll(SB_THUMBPOSITION, -1);
  stepper.Scroll(SB_THUMBPOSITION, 0);
  stepper.Scroll(SB_ENDSCROLL, 1);
  EXPECT_EQ(clicks, (Clicks{kNext, kPrev}));
  EXPECT_EQ(stepper.Position(), 0);
}

TEST(SpinUpDownAcceptance, NoClickWhileBusy) {
  ProbeUpDown stepper;
  Clicks clicks;
  stepper.OnClick = [&](QObject*, TUDBtnType button) {
    clicks.push_back(button);
    EXPECT_TRUE(stepper.Busy());
    stepper.Scroll(SB_THUMBPOSITION, -1);
  };
  stepper.Scroll(SB_THUMBPOSITION, 1);
  EXPECT_EQ(clicks, Clicks{kNext});
  EXPECT_FALSE(stepper.Busy());
}

TEST(SpinUpDownAcceptance, FailingClickClearsBusyAndEndsThePress) {
  QWidget host;
  auto* stepper = new TSpinUpDown(&host);
  stepper->resize(15, 20);
  host.show();
  int calls = 0;
  stepper->OnClick = [&](QObject*, TUDBtnType) {
    if (++calls == 1) throw ListError("click failed");
  };
  ScopedErrorCapture errors;
  QTest::mousePress(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"click failed"});
  EXPECT_FALSE(stepper->Busy());
  EXPECT_FALSE(stepper->AutoRepeating());
  EXPECT_EQ(stepper->Position(), 0);
  QTest::mouseRelease(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(calls, 2);
}

// A shown button of 20 x 20 pixels in its own window.
class SpinButtonHost {
public:
  explicit SpinButtonHost(TSpinButtonStyle style = TSpinButtonStyle::sbsDefault) {
    window_.resize(60, 60);
    button_ = new TSpinButton(&window_);
    button_->SetButtonStyle(style);
    button_->OnTopClick = [this](QObject*) { clicks.push_back('U'); };
    button_->OnBottomClick = [this](QObject*) { clicks.push_back('D'); };
    window_.show();
  }
  TSpinButton& button() { return *button_; }

  std::string clicks;

private:
  QWidget window_;
  TSpinButton* button_;  // owned by window_
};

const QPoint kUpHalf(4, 4);
const QPoint kDownHalf(16, 16);

TEST(SpinButtonAcceptance, FirstClickAtOnceThenInitialPauseThenRepeatPause) {
  SpinButtonHost host;
  TSpinButton& button = host.button();
  ASSERT_EQ(button.size(), QSize(20, 20));
  QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
  EXPECT_EQ(host.clicks, "U");
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbTopDown);
  EXPECT_TRUE(button.RepeatTimerActive());
  EXPECT_EQ(button.RepeatTimerInterval(), 400);
  button.TimerTick();
  EXPECT_EQ(host.clicks, "UU");
  EXPECT_EQ(button.RepeatTimerInterval(), 100);
  button.TimerTick();
  button.TimerTick();
  EXPECT_EQ(host.clicks, "UUUU");
  QTest::mouseRelease(&button, Qt::LeftButton, {}, kUpHalf);
  EXPECT_FALSE(button.RepeatTimerActive());
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  EXPECT_EQ(button.FirstPressedHalf(), TSpinButtonState::sbNotDown);
  button.TimerTick();
  EXPECT_EQ(host.clicks, "UUUU");
}

// The repeat comes from the button's own timer, with pauses of 0 here so the
// event loop fires it at once.
TEST(SpinButtonAcceptance, RepeatIsDrivenByTheTimer) {
  SpinButtonHost host;
  TSpinButton& button = host.button();
  button.SetInitRepeatPause(0);
  button.SetRepeatPause(0);
  QTest::mousePress(&button, Qt::LeftButton, {}, kDownHalf);
  ASSERT_EQ(host.clicks, "D");
  QCoreApplication::processEvents();
  EXPECT_GE(host.clicks.size(), 2u);
  EXPECT_EQ(host.clicks.find('U'), std::string::npos);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, kDownHalf);
  const std::string released = host.clicks;
  QCoreApplication::processEvents();
  EXPECT_EQ(host.clicks, released);
}

TEST(SpinButtonAcceptance, DraggingOffThePressedHalfPausesTheRepeat) {
  SpinButtonHost host;
  TSpinButton& button = host.button();
  QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
  QTest::mouseMove(&button, kDownHalf);
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  button.TimerTick();
  button.TimerTick();
  EXPECT_EQ(host.clicks, "U");
  EXPECT_TRUE(button.RepeatTimerActive());
  QTest::mouseMove(&button, QPoint(-5, 4));
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  QTest::mouseMove(&button, kUpHalf);
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbTopDown);
  button.TimerTick();
  EXPECT_EQ(host.clicks, "UU");
  QTest::mouseRelease(&button, Qt::LeftButton, {}, kUpHalf);
}

// A narrow button keeps the split of the press while the pointer moves: a
// small move inside the pressed half must not pause the repeat.
TEST(SpinButtonAcceptance, DraggingOnANarrowButtonUsesTheSplitOfThePress) {
  SpinButtonHost host(TSpinButtonStyle::sbsDefault);
  TSpinButton& button = host.button();
  button.resize(15, 21);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_EQ(host.clicks, "D");
  for (const QPoint at : {QPoint(10, 9), QPoint(8, 12), QPoint(14, 3)}) {
    QTest::mouseMove(&button, at);
    EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbBottomDown) << at.x() << "," << at.y();
  }
  button.TimerTick();
  EXPECT_EQ(host.clicks, "DD");
  QTest::mouseMove(&button, QPoint(3, 12));
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(3, 12));
}

TEST(SpinButtonAcceptance, FailingClickDuringRepeatStopsTheTimer) {
  SpinButtonHost host;
  TSpinButton& button = host.button();
  button.SetInitRepeatPause(0);
  int calls = 0;
  button.OnTopClick = [&](QObject*) {
    if (++calls == 2) throw ConversionError("repeat failed");
  };
  ScopedErrorCapture errors;
  QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
  QCoreApplication::processEvents();
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"repeat failed"});
  EXPECT_FALSE(button.RepeatTimerActive());
  EXPECT_EQ(calls, 2);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, kUpHalf);
}

// A press that ends without a release over the button (its first click
// failed, or the button was hidden) leaves nothing pressed: the next press
// clicks at once.
TEST(SpinButtonAcceptance, AnInterruptedPressLeavesTheButtonReady) {
  SpinButtonHost host;
  TSpinButton& button = host.button();
  bool fail = true;
  button.OnTopClick = [&](QObject*) {
    host.clicks.push_back('U');
    if (fail) throw ListError("first click failed");
  };
  ScopedErrorCapture errors;
  QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_EQ(errors.messages().size(), 1u);
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  EXPECT_FALSE(button.RepeatTimerActive());
  fail = false;
  QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
  EXPECT_EQ(host.clicks, "UU");

  button.hide();
  EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown);
  EXPECT_FALSE(button.RepeatTimerActive());
  button.show();
  QTest::mousePress(&button, Qt::LeftButton, {}, kDownHalf);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, kDownHalf);
  EXPECT_EQ(host.clicks, "UUD");
}

// A click handler that ends the press (a modal window takes the mouse, the
// button is disabled or hidden) leaves no repeat running and nothing held;
// once the button is back, the next press clicks at once.
TEST(SpinButtonAcceptance, AClickThatEndsThePressLeavesNoRepeat) {
  const struct {
    const char* name;
    std::function<void(TSpinButton&)> end;
    std::function<void(TSpinButton&)> restore;
  } rows[] = {
      {"modal window",
       [](TSpinButton& b) {
         QEvent blocked(QEvent::WindowBlocked);
         QApplication::sendEvent(b.window(), &blocked);
       },
       [](TSpinButton& b) {
         QEvent unblocked(QEvent::WindowUnblocked);
         QApplication::sendEvent(b.window(), &unblocked);
       }},
      {"disabled", [](TSpinButton& b) { b.setEnabled(false); }, [](TSpinButton& b) { b.setEnabled(true); }},
      {"hidden", [](TSpinButton& b) { b.hide(); }, [](TSpinButton& b) { b.show(); }},
  };
  for (const auto& row : rows) {
    SpinButtonHost host;
    TSpinButton& button = host.button();
    bool ending = true;
    button.OnTopClick = [&](QObject*) {
      host.clicks.push_back('U');
      if (ending) row.end(button);
    };
    QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
    EXPECT_EQ(button.PressedHalf(), TSpinButtonState::sbNotDown) << row.name;
    EXPECT_FALSE(button.RepeatTimerActive()) << row.name;
    EXPECT_FALSE(button.Dragging()) << row.name;
    button.TimerTick();
    EXPECT_EQ(host.clicks, "U") << row.name;
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 40));
    ending = false;
    row.restore(button);
    QTest::mousePress(&button, Qt::LeftButton, {}, kUpHalf);
    EXPECT_EQ(host.clicks, "UU") << row.name;
    EXPECT_TRUE(button.RepeatTimerActive()) << row.name;
    QTest::mouseRelease(&button, Qt::LeftButton, {}, kUpHalf);
  }
}

TEST(SpinButtonAcceptance, DisabledButtonDoesNotClick) {
  SpinButtonHost host;
  host.button().setEnabled(false);
  QTest::mouseClick(&host.button(), Qt::LeftButton, {}, kUpHalf);
  EXPECT_EQ(host.clicks, "");
  EXPECT_FALSE(host.button().RepeatTimerActive());
}

struct HalfCase {
  const char* name;
  TSpinButtonStyle style;
  QSize size;
  QPoint at;
  TSpinButtonState half;
};

class SpinButtonHalfSplit : public testing::TestWithParam<HalfCase> {};

TEST_P(SpinButtonHalfSplit, SplitsWhereTheStyleSays) {
  const HalfCase& c = GetParam();
  SpinButtonHost host(c.style);
  host.button().resize(c.size);
  EXPECT_EQ(host.button().HalfAt(c.at.x(), c.at.y()), c.half);
  QTest::mousePress(&host.button(), Qt::LeftButton, {}, c.at);
  EXPECT_EQ(host.clicks, c.half == TSpinButtonState::sbTopDown ? "U" : "D");
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, c.at);
}

constexpr auto kClassic = TSpinButtonStyle::sbsClassic;
constexpr auto kDiagonal = TSpinButtonStyle::sbsDefault;
constexpr auto kUp = TSpinButtonState::sbTopDown;
constexpr auto kDown = TSpinButtonState::sbBottomDown;

INSTANTIATE_TEST_SUITE_P(
    Styles, SpinButtonHalfSplit,
    testing::Values(HalfCase{"classic_middle_row_is_up", kClassic, {20, 20}, {10, 10}, kUp},
                    HalfCase{"classic_row_below_is_down", kClassic, {20, 20}, {10, 11}, kDown},
                    HalfCase{"classic_odd_height_middle", kClassic, {15, 21}, {2, 10}, kUp},
                    HalfCase{"classic_odd_height_below", kClassic, {15, 21}, {2, 11}, kDown},
                    HalfCase{"diagonal_on_the_line", kDiagonal, {20, 20}, {10, 10}, kUp},
                    HalfCase{"diagonal_below_the_line", kDiagonal, {20, 20}, {10, 11}, kDown},
                    HalfCase{"diagonal_lower_left", kDiagonal, {20, 20}, {0, 19}, kUp},
                    HalfCase{"diagonal_upper_right", kDiagonal, {20, 20}, {19, 2}, kDown},
                    HalfCase{"diagonal_wide_on_the_line", kDiagonal, {30, 20}, {15, 10}, kUp},
                    HalfCase{"diagonal_wide_below", kDiagonal, {30, 20}, {15, 11}, kDown}),
    [](const testing::TestParamInfo<HalfCase>& info) { return std::string(info.param.name); });

TEST(SpinButtonAcceptance, ButtonsOfOneSizeShareOneEntry) {
  SpinButtonHost first;
  SpinButtonHost second;
  const TSpinButtonBitmaps* shared = first.button().BitmapsEntry();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(second.button().BitmapsEntry(), shared);
  EXPECT_EQ(shared->ClientCount(), 2);

  second.button().resize(20, 31);
  const TSpinButtonBitmaps* moved = second.button().BitmapsEntry();
  ASSERT_NE(moved, nullptr);
  EXPECT_NE(moved, shared);
  EXPECT_EQ(moved->Key(), (TSpinButtonKey{20, 31, kDiagonal, false}));
  EXPECT_EQ(shared->ClientCount(), 1);

  SpinButtonHost classic(kClassic);
  EXPECT_NE(classic.button().BitmapsEntry(), shared);
  const std::vector<TSpinButtonKey> keys = TSpinButtonBitmapsManager::Instance()->Keys();
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(keys.size(), 3u);
}

TEST(SpinButtonAcceptance, TheCacheGoesWithTheLastButton) {
  {
    SpinButtonHost host;
    EXPECT_NE(TSpinButtonBitmapsManager::Instance(), nullptr);
  }
  EXPECT_EQ(TSpinButtonBitmapsManager::Instance(), nullptr);
}

TEST(SpinButtonAcceptance, EveryStateHasItsOwnFace) {
  for (TSpinButtonStyle style : {kDiagonal, kClassic}) {
    SpinButtonHost host(style);
    TSpinButton& button = host.button();
    const QImage none = button.RenderToImage();
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(4, 4));
    const QImage up = button.RenderToImage();
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(16, 16));
    const QImage down = button.RenderToImage();
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(button.RenderToImage(), none);
    button.setEnabled(false);
    const QImage disabled = button.RenderToImage();
    const std::vector<QImage> faces{none, up, down, disabled};
    for (size_t i = 0; i < faces.size(); ++i) {
      for (size_t j = i + 1; j < faces.size(); ++j) EXPECT_NE(faces[i], faces[j]) << i << " and " << j;
    }
  }
}

TEST(SpinButtonAcceptance, DiagonalBoxStepsAndTakesTheFocus) {
  QWidget window;
  auto* box = new TSpinEdit(&window);
  box->SetBounds(0, 0, 65, 21);
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  window.show();
  QApplication::setActiveWindow(&window);
  other->setFocus();
  TSpinButton* button = box->ButtonStepper();
  ASSERT_NE(button, nullptr);
  std::vector<long double> changes;
  box->OnChange = [&](QObject*) { changes.push_back(box->Value()); };
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
  button->TimerTick();
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(changes, (std::vector<long double>{1, 2}));
}

}  // namespace
}  // namespace ostrak
