// Handlers that rebuild, hide or destroy the control that raised them: the
// control must not touch itself afterwards, and a stepper taken away in the
// middle of its own press must not be touched either.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <functional>
#include <string>

#include "EditTestSupport.h"
#include "widgets/spin/SpinButton.h"
#include "widgets/spin/SpinEdit.h"
#include "widgets/spin/SpinUpDown.h"

namespace ostrak {
namespace {

// A shown, active window with a fresh spin box (text "0") and a plain edit
// to move the focus to.
class BoxWindow {
public:
  BoxWindow() {
    window.resize(240, 80);
    box = new TSpinEdit(&window);
    box->SetBounds(10, 10, 65, 21);
    other = new QLineEdit(&window);
    other->setGeometry(120, 10, 60, 21);
    window.show();
    QApplication::setActiveWindow(&window);
  }
  QWidget window;
  QPointer<TSpinEdit> box;
  QLineEdit* other;
};

enum class Raised { OnChange, OnTopClick };

struct StepperRow {
  const char* name;
  TSpinButtonKind kind;
  Raised by;
  int onStep;  // 1: the press's own step, 2: the first repeat
  std::function<void(TSpinEdit& box)> handler;
  // What the box steps with afterwards: 'S' standard, 'B' spin button,
  // '-' none; empty when the box is gone.
  std::string after;
};

void PrintTo(const StepperRow& row, std::ostream* os) { *os << row.name; }

class StepperTakenAwayByItsClick : public ::testing::TestWithParam<StepperRow> {};

// The press on the upper arrow steps (and, for some rows, repeats once), then
// the handler takes the stepper or the whole box away while the stepper is
// still in its press.
TEST_P(StepperTakenAwayByItsClick, LeavesTheNewState) {
  const StepperRow& row = GetParam();
  BoxWindow w;
  w.box->SetButtonKind(row.kind);
  int steps = 0;
  TNotifyEvent handler = [&](QObject*) {
    if (++steps == row.onStep) row.handler(*w.box);
  };
  (row.by == Raised::OnChange ? w.box->OnChange : w.box->OnTopClick) = handler;
  TSpinUpDown* upDown = w.box->UpDownStepper();
  TSpinButton* button = w.box->ButtonStepper();
  QTest::mousePress(upDown ? static_cast<QWidget*>(upDown) : button, Qt::LeftButton, {}, QPoint(3, 2));
  if (row.onStep == 2) upDown ? upDown->AutoRepeatTick() : button->TimerTick();
  // The stepper that took the press is gone: the release lands on the window.
  QTest::mouseRelease(&w.window, Qt::LeftButton, {}, QPoint(1, 1));
  ASSERT_EQ(steps, row.onStep);
  if (row.after.empty()) {
    EXPECT_TRUE(w.box.isNull());
    return;
  }
  ASSERT_FALSE(w.box.isNull());
  EXPECT_EQ(w.box->Text(), QString::number(row.onStep));
  const std::string now = w.box->UpDownStepper() ? "S" : w.box->ButtonStepper() ? "B" : "-";
  EXPECT_EQ(now, row.after);
}

const auto kSwitchToDiagonal = [](TSpinEdit& box) { box.SetButtonKind(TSpinButtonKind::bkDiagonal); };
const auto kSwitchToStandard = [](TSpinEdit& box) { box.SetButtonKind(TSpinButtonKind::bkStandard); };
const auto kHideButtons = [](TSpinEdit& box) { box.SetShowButton(false); };
const auto kDestroy = [](TSpinEdit& box) { delete &box; };
constexpr auto kStandard = TSpinButtonKind::bkStandard;
constexpr auto kDiagonal = TSpinButtonKind::bkDiagonal;

INSTANTIATE_TEST_SUITE_P(
    Handlers, StepperTakenAwayByItsClick,
    ::testing::Values(
        StepperRow{"standard_change_switches_kind", kStandard, Raised::OnChange, 1, kSwitchToDiagonal, "B"},
        StepperRow{"standard_click_hides_buttons", kStandard, Raised::OnTopClick, 1, kHideButtons, "-"},
        StepperRow{"standard_click_destroys_box", kStandard, Raised::OnTopClick, 1, kDestroy, ""},
        StepperRow{"standard_repeat_destroys_box", kStandard, Raised::OnChange, 2, kDestroy, ""},
        StepperRow{"diagonal_click_switches_kind", kDiagonal, Raised::OnTopClick, 1, kSwitchToStandard, "S"},
        StepperRow{"diagonal_change_hides_buttons", kDiagonal, Raised::OnChange, 1, kHideButtons, "-"},
        StepperRow{"diagonal_change_destroys_box", kDiagonal, Raised::OnChange, 1, kDestroy, ""},
        StepperRow{"diagonal_repeat_switches_kind", kDiagonal, Raised::OnTopClick, 2, kSwitchToStandard,
                   "S"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every way in from Qt whose handler destroys the box: nothing runs on the
// box afterwards. The enter handler is left out: Qt's own focus handling
// goes on with the widget after focusInEvent returns, so a control destroyed
// there cannot survive whatever it does; such a handler must defer the
// deletion (deleteLater).
struct InputRow {
  const char* name;
  std::function<void(TSpinEdit& box, TNotifyEvent destroy)> arm;
  std::function<void(BoxWindow& w)> input;
};

void PrintTo(const InputRow& row, std::ostream* os) { *os << row.name; }

class BoxDestroyedByItsHandler : public ::testing::TestWithParam<InputRow> {};

TEST_P(BoxDestroyedByItsHandler, IsNotTouchedAfterwards) {
  BoxWindow w;
  w.other->setFocus();
  int runs = 0;
  GetParam().arm(*w.box, [&](QObject* sender) {
    ++runs;
    delete sender;
  });
  GetParam().input(w);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(w.box.isNull());
}

// Presses only: a key's release would go to a box that is gone.
void TypeDigit(BoxWindow& w) {
  w.box->setFocus();
  QTest::keyPress(w.box, Qt::Key_5);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BoxDestroyedByItsHandler,
    ::testing::Values(
        InputRow{"change_by_typing", [](TSpinEdit& b, TNotifyEvent d) { b.OnChange = d; }, TypeDigit},
        InputRow{"change_by_up_key", [](TSpinEdit& b, TNotifyEvent d) { b.OnChange = d; },
                 [](BoxWindow& w) {
                   w.box->setFocus();
                   QTest::keyPress(w.box, Qt::Key_Up);
                 }},
        InputRow{
            "key_down",
            [](TSpinEdit& b, TNotifyEvent d) { b.OnKeyDown = [d](QObject* s, int&, TShiftState) { d(s); }; },
            TypeDigit},
        InputRow{"key_press",
                 [](TSpinEdit& b, TNotifyEvent d) { b.OnKeyPress = [d](QObject* s, QChar&) { d(s); }; },
                 TypeDigit},
        InputRow{"exit", [](TSpinEdit& b, TNotifyEvent d) { b.OnExit = d; },
                 [](BoxWindow& w) {
                   w.box->setFocus();
                   w.other->setFocus();
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// The spin button's own mouse handlers.
TEST(SpinButtonDestroyedByItsHandler, IsNotTouchedAfterwards) {
  for (const bool onMouseUp : {false, true}) {
    QWidget window;
    QPointer<TSpinButton> button = new TSpinButton(&window);
    window.show();
    int runs = 0;
    const TMouseEvent destroy = [&](QObject* sender, TMouseButton, TShiftState, int, int) {
      ++runs;
      delete sender;
    };
    (onMouseUp ? button->OnMouseUp : button->OnMouseDown) = destroy;
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    if (button) QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
    if (!button) QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(runs, 1) << onMouseUp;
    EXPECT_TRUE(button.isNull()) << onMouseUp;
  }
}

}  // namespace
}  // namespace ostrak
