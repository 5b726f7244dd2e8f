// The two steppers: the up-down wrapper and the self-drawn spin button with
// its face cache.

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

#include "widgets/SpinButton.h"
#include "widgets/SpinTestSupport.h"
#include "widgets/SpinUpDown.h"

namespace ostrak {
namespace {

TEST(SpinUpDown, OneClickPerPressAndPerTickAndBackToZero) {
  TSpinUpDown stepper;
  EXPECT_EQ(stepper.Minimum(), -1);
  EXPECT_EQ(stepper.Maximum(), 1);
  EXPECT_EQ(stepper.Acceleration(), (std::vector<UDACCEL>{UDACCEL{0, 1}}));
  std::vector<TUDBtnType> clicks;
  stepper.OnClick = [&](QObject*, TUDBtnType button) {
    clicks.push_back(button);
    EXPECT_TRUE(stepper.Busy());
  };
  stepper.Press(UpDownArrow::Up);
  for (int tick = 0; tick < 50; ++tick) stepper.AutoRepeatTick();
  stepper.Release();
  EXPECT_EQ(clicks, std::vector<TUDBtnType>(51, TUDBtnType::btNext));
  EXPECT_EQ(stepper.Position(), 0);
  stepper.Press(UpDownArrow::Down);
  stepper.Release();
  EXPECT_EQ(clicks.back(), TUDBtnType::btPrev);
  EXPECT_FALSE(stepper.Busy());
}

TEST(SpinUpDown, NoClickWhileBusy) {
  TSpinUpDown stepper;
  int clicks = 0;
  stepper.OnClick = [&](QObject*, TUDBtnType) {
    ++clicks;
    if (clicks > 1) return;
    // A position change notified from inside the handler.
    stepper.SetPosition(0);
    stepper.AutoRepeatTick();
  };
  stepper.Press(UpDownArrow::Up);
  EXPECT_EQ(clicks, 1);
  stepper.AutoRepeatTick();
  EXPECT_EQ(clicks, 2);
}

TEST(SpinUpDown, AFailingClickStillReturnsToZero) {
  TSpinUpDown stepper;
  stepper.OnClick = [](QObject*, TUDBtnType) { throw std::runtime_error("click failed"); };
  EXPECT_THROW(stepper.Press(UpDownArrow::Up), std::runtime_error);
  EXPECT_EQ(stepper.Position(), 0);
  EXPECT_FALSE(stepper.Busy());
}

TEST(SpinUpDown, KeepsTheStandardWidth) {
  TSpinUpDown stepper;
  stepper.show();
  stepper.resize(40, 21);
  EXPECT_EQ(stepper.width(), 15);
}

struct HalfCase {
  const char* name;
  TSpinButtonStyle style;
  int width;
  int height;
  int x;
  int y;
  TSpinButtonState half;
  friend void PrintTo(const HalfCase& row, std::ostream* out) { *out << row.name; }
};

class SpinButtonHalves : public ::testing::TestWithParam<HalfCase> {};

TEST_P(SpinButtonHalves, SplitsAlongTheDiagonalOrAtHalfHeight) {
  const HalfCase& row = GetParam();
  TSpinButton button;
  button.SetButtonStyle(row.style);
  button.resize(row.width, row.height);
  EXPECT_EQ(button.HalfAt(row.x, row.y), row.half);
}

INSTANTIATE_TEST_SUITE_P(Points, SpinButtonHalves,
                         ::testing::Values(HalfCase{"DiagonalTopLeft", TSpinButtonStyle::sbsDefault, 20, 20,
                                                    2, 2, TSpinButtonState::sbTopDown},
                                           HalfCase{"DiagonalOnTheLine", TSpinButtonStyle::sbsDefault, 20, 20,
                                                    10, 10, TSpinButtonState::sbTopDown},
                                           HalfCase{"DiagonalJustBelow", TSpinButtonStyle::sbsDefault, 20, 20,
                                                    10, 11, TSpinButtonState::sbBottomDown},
                                           HalfCase{"DiagonalBottomRight", TSpinButtonStyle::sbsDefault, 20,
                                                    20, 18, 18, TSpinButtonState::sbBottomDown},
                                           HalfCase{"DiagonalNarrow", TSpinButtonStyle::sbsDefault, 15, 17,
                                                    14, 3, TSpinButtonState::sbBottomDown},
                                           HalfCase{"ClassicAtHalfHeight", TSpinButtonStyle::sbsClassic, 15,
                                                    17, 7, 8, TSpinButtonState::sbTopDown},
                                           HalfCase{"ClassicBelowHalfHeight", TSpinButtonStyle::sbsClassic,
                                                    15, 17, 7, 9, TSpinButtonState::sbBottomDown}),
                         [](const ::testing::TestParamInfo<HalfCase>& info) {
                           return std::string(info.param.name);
                         });

class HeldSpinButton : public ::testing::Test {
protected:
  HeldSpinButton() {
    button = new TSpinButton(&active.window);
    button->show();
    button->OnTopClick = [this](QObject*) { clicks.push_back('u'); };
    button->OnBottomClick = [this](QObject*) { clicks.push_back('d'); };
  }
  test::ActiveWindow active;
  TSpinButton* button = nullptr;
  std::string clicks;
};

TEST_F(HeldSpinButton, ClicksAtOnceThenAfterTheInitialPauseThenEveryPause) {
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(clicks, "u");
  EXPECT_EQ(button->PressedHalf(), TSpinButtonState::sbTopDown);
  EXPECT_TRUE(button->RepeatTimerActive());
  EXPECT_EQ(button->RepeatTimerInterval(), 400);
  button->TimerTick();
  EXPECT_EQ(clicks, "uu");
  EXPECT_EQ(button->RepeatTimerInterval(), 100);
  button->TimerTick();
  button->TimerTick();
  EXPECT_EQ(clicks, "uuuu");
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
  button->TimerTick();
  EXPECT_EQ(clicks, "uuuu");
  EXPECT_EQ(button->PressedHalf(), TSpinButtonState::sbNotDown);
}

TEST_F(HeldSpinButton, DraggingOffThePressedHalfPausesAndBackResumes) {
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(17, 17));
  EXPECT_EQ(clicks, "d");
  QTest::mouseMove(button, QPoint(2, 2));
  EXPECT_EQ(button->PressedHalf(), TSpinButtonState::sbNotDown);
  button->TimerTick();
  QTest::mouseMove(button, QPoint(40, 40));
  button->TimerTick();
  EXPECT_EQ(clicks, "d");
  QTest::mouseMove(button, QPoint(16, 18));
  EXPECT_EQ(button->PressedHalf(), TSpinButtonState::sbBottomDown);
  button->TimerTick();
  EXPECT_EQ(clicks, "dd");
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(16, 18));
}

TEST_F(HeldSpinButton, AFailingRepeatStopsTheTimerAndPropagates) {
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
  button->OnTopClick = [](QObject*) { throw std::runtime_error("repeat failed"); };
  EXPECT_THROW(button->TimerTick(), std::runtime_error);
  EXPECT_FALSE(button->RepeatTimerActive());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST_F(HeldSpinButton, AModalWindowOpenedByTheClickEndsThePress) {
  button->OnTopClick = [this](QObject*) {
    clicks.push_back('u');
    QEvent blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(button, &blocked);
  };
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(button->PressedHalf(), TSpinButtonState::sbNotDown);
  button->TimerTick();
  EXPECT_EQ(clicks, "u");
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST_F(HeldSpinButton, ADisabledButtonTakesNoPress) {
  button->setEnabled(false);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(clicks, "");
}

TEST(SpinButtonCache, ButtonsOfOneSizeShareAnEntryAndAResizeMoves) {
  ASSERT_EQ(TSpinButtonBitmapsManager::Instance(), nullptr);
  {
    TSpinButton first;
    TSpinButton second;
    TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Instance();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->ClientCount(), 2);
    first.RenderToImage();
    second.RenderToImage();
    EXPECT_EQ(first.BitmapsEntry(), second.BitmapsEntry());
    EXPECT_EQ(first.BitmapsEntry()->ClientCount(), 2);

    second.resize(15, 17);
    second.RenderToImage();
    EXPECT_NE(first.BitmapsEntry(), second.BitmapsEntry());
    first.SetButtonStyle(TSpinButtonStyle::sbsClassic);
    first.RenderToImage();
    const std::vector<TSpinButtonKey> keys = manager->Keys();
    EXPECT_EQ(keys, (std::vector<TSpinButtonKey>{{15, 17, TSpinButtonStyle::sbsDefault, false},
                                                 {20, 20, TSpinButtonStyle::sbsClassic, false}}));
  }
  EXPECT_EQ(TSpinButtonBitmapsManager::Instance(), nullptr);
}

}  // namespace
}  // namespace ostrak
