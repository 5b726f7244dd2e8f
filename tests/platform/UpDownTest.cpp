#include "platform/UpDown.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <functional>
#include <stdexcept>

namespace ostrak {
namespace {

// Records every scroll notification.
class RecordingUpDown : public UpDown {
public:
  using UpDown::UpDown;
  struct Notice {
    int code;
    int position;
    friend bool operator==(const Notice&, const Notice&) = default;
  };
  std::vector<Notice> notices;
  bool failNext = false;

protected:
  void Scroll(int code, int position) override {
    notices.push_back({code, position});
    if (failNext && code == SB_THUMBPOSITION) throw std::runtime_error("scroll failed");
  }
};

using Notice = RecordingUpDown::Notice;

TEST(UpDown, APressStepsAtOnceThenOncePerTickAtTheStyleRate) {
  RecordingUpDown control;
  control.SetRange(0, 10);
  control.Press(UpDownArrow::Up);
  EXPECT_EQ(control.Position(), 1);
  EXPECT_TRUE(control.AutoRepeating());
  EXPECT_EQ(control.AutoRepeatInterval(),
            control.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, &control));
  control.AutoRepeatTick();
  EXPECT_EQ(control.AutoRepeatInterval(),
            control.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, &control));
  control.AutoRepeatTick();
  control.Release();
  EXPECT_FALSE(control.AutoRepeating());
  control.AutoRepeatTick();
  EXPECT_EQ(control.notices,
            (std::vector<Notice>{
                {SB_THUMBPOSITION, 1}, {SB_THUMBPOSITION, 2}, {SB_THUMBPOSITION, 3}, {SB_ENDSCROLL, 3}}));
}

TEST(UpDown, TheAccelerationTableRaisesTheIncrementWithTheTimeHeld) {
  RecordingUpDown control;
  control.SetRange(0, 100000);
  control.SetAcceleration({UDACCEL{1, 10}, UDACCEL{0, 1}});
  const int threshold =
      control.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, &control);
  const int rate = control.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, &control);
  control.Press(UpDownArrow::Up);
  std::vector<int> steps{control.Position()};
  for (int tick = 1; tick <= 12; ++tick) {
    const int before = control.Position();
    control.AutoRepeatTick();
    steps.push_back(control.Position() - before);
    const int elapsed = threshold + (tick - 1) * rate;
    EXPECT_EQ(steps.back(), elapsed >= 1000 ? 10 : 1) << "tick " << tick;
  }
  EXPECT_EQ(steps.front(), 1);
}

TEST(UpDown, StopsAtTheEndsOrWraps) {
  RecordingUpDown control;
  control.SetRange(-1, 1);
  control.Press(UpDownArrow::Up);
  control.AutoRepeatTick();
  control.AutoRepeatTick();
  EXPECT_EQ(control.Position(), 1);
  EXPECT_EQ(control.notices.size(), 1u);  // no notice without a change
  control.Release();
  control.SetWrap(UpDownWrap::Yes);
  control.Press(UpDownArrow::Up);
  EXPECT_EQ(control.Position(), -1);
  control.Release();
  control.Press(UpDownArrow::Down);
  EXPECT_EQ(control.Position(), 1);
}

TEST(UpDown, MovingOffThePressedArrowPausesTheRepeat) {
  RecordingUpDown control;
  control.SetRange(0, 10);
  control.Press(UpDownArrow::Down);
  control.SetPosition(5);
  control.SetPointerOverPressedArrow(false);
  control.AutoRepeatTick();
  EXPECT_EQ(control.Position(), 5);
  control.SetPointerOverPressedArrow(true);
  control.AutoRepeatTick();
  EXPECT_EQ(control.Position(), 4);
}

TEST(UpDown, AFailingNotificationEndsThePressAndPropagates) {
  RecordingUpDown control;
  control.SetRange(0, 10);
  control.Press(UpDownArrow::Up);
  control.failNext = true;
  EXPECT_THROW(control.AutoRepeatTick(), std::runtime_error);
  EXPECT_FALSE(control.AutoRepeating());
  EXPECT_EQ(control.PressedArrow(), UpDownArrow::None);
}

// A modal window, a hide or a disable, of the control or of its window, ends
// the press as a release would.
TEST(UpDown, APressEndsWhenTheControlIsBlockedHiddenOrDisabled) {
  const struct {
    const char* name;
    std::function<void(QWidget& window, UpDown& control)> end;
  } rows[] = {
      {"modal window",
       [](QWidget& window, UpDown&) {
         QEvent blocked(QEvent::WindowBlocked);
         QApplication::sendEvent(&window, &blocked);
       }},
      {"hidden", [](QWidget&, UpDown& control) { control.hide(); }},
      {"window hidden", [](QWidget& window, UpDown&) { window.hide(); }},
      {"disabled", [](QWidget&, UpDown& control) { control.setEnabled(false); }},
      {"window disabled", [](QWidget& window, UpDown&) { window.setEnabled(false); }},
  };
  for (const auto& row : rows) {
    QWidget window;
    auto* control = new RecordingUpDown(&window);
    window.show();
    control->SetRange(0, 10);
    control->Press(UpDownArrow::Up);
    row.end(window, *control);
    EXPECT_FALSE(control->AutoRepeating()) << row.name;
    EXPECT_EQ(control->PressedArrow(), UpDownArrow::None) << row.name;
    EXPECT_EQ(control->notices.back(), (Notice{SB_ENDSCROLL, 1})) << row.name;
  }
}

TEST(UpDown, TheUpperHalfIsTheUpArrow) {
  RecordingUpDown control;
  control.resize(15, 20);
  EXPECT_EQ(control.ArrowAt(3, 0), UpDownArrow::Up);
  EXPECT_EQ(control.ArrowAt(3, 9), UpDownArrow::Up);
  EXPECT_EQ(control.ArrowAt(3, 10), UpDownArrow::Down);
  EXPECT_EQ(control.ArrowAt(3, 20), UpDownArrow::None);
  control.SetRange(0, 10);
  control.show();
  QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(5, 15));
  EXPECT_EQ(control.PressedArrow(), UpDownArrow::Down);
  QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(5, 15));
  EXPECT_EQ(control.PressedArrow(), UpDownArrow::None);
}

// The arrows as they show on a parent whose palette the test changes.
QImage FaceOn(QWidget& parent) { return parent.findChild<UpDown*>()->grab().toImage(); }

TEST(UpDown, TheFaceFollowsThePaletteButNotTheTextColour) {
  QWidget box;
  box.resize(15, 21);
  auto* arrows = new RecordingUpDown;
  arrows->setParent(&box);
  arrows->setGeometry(0, 0, 15, 21);
  box.show();
  const QImage before = FaceOn(box);

  QPalette text = box.palette();
  text.setColor(QPalette::Text, Qt::red);
  box.setPalette(text);
  EXPECT_EQ(FaceOn(box), before) << "a box showing its number in red";

  QPalette arrowsColour = box.palette();
  arrowsColour.setColor(QPalette::WindowText, Qt::red);
  box.setPalette(arrowsColour);
  EXPECT_NE(FaceOn(box), before) << "red arrows";
}

}  // namespace
}  // namespace ostrak
