// The spin box as the editor window configures it: whole numbers 1 to 20.

#include <gtest/gtest.h>

#include <ostream>

#include <QWheelEvent>

#include "platform/Beep.h"
#include "platform/LocaleSeparators.h"
#include "widgets/SpinEdit.h"
#include "widgets/SpinTestSupport.h"

namespace ostrak {
namespace {

using test::ActiveWindow;
using test::MakeEditorBox;
using test::RecordChanges;
using test::Reported;
using test::ValuesOf;

class EditorBox : public ::testing::Test {
protected:
  EditorBox() : separators_(u'.', u',') {
    box = MakeEditorBox(&active.window);
    RecordChanges(*box, changes);
    box->setFocus();
  }

  // Sets the number before anything is recorded.
  void Show(long double value) {
    box->SetValue(value);
    changes.clear();
  }

  ScopedLocaleSeparators separators_;
  ActiveWindow active;
  TSpinEdit* box = nullptr;
  std::vector<Reported> changes;
};

TEST_F(EditorBox, AfterLoadingShowsOneWithBothChecksAndOneReported) {
  TSpinEdit fresh(&active.window);
  std::vector<Reported> log;
  ApplyEditorAttributeConfiguration(fresh);
  RecordChanges(fresh, log);
  EXPECT_EQ(fresh.Text(), "1");
  EXPECT_TRUE(fresh.CheckMinValue());
  EXPECT_TRUE(fresh.CheckMaxValue());
  EXPECT_EQ(fresh.LastReportedValue(), 1.0L);
  EXPECT_TRUE(fresh.AutoCheckMin());
  EXPECT_TRUE(fresh.AutoCheckMax());
  EXPECT_FALSE(fresh.InChange());
  EXPECT_NE(fresh.UpDownStepper(), nullptr);
  EXPECT_EQ(fresh.ButtonStepper(), nullptr);
  EXPECT_EQ(fresh.Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(fresh.ClipboardCommands(),
            (TClipboardCommands{TClipboardCommand::caCopy, TClipboardCommand::caUndo}));
  // Writing what loading left raises nothing.
  fresh.SetValue(1.0L);
  EXPECT_TRUE(log.empty());
}

TEST_F(EditorBox, AutomaticFlagsAreClearedOnlyWhileLoading) {
  TSpinEdit fresh(&active.window);
  fresh.BeginLoading();
  fresh.SetMaxValue(20);
  EXPECT_TRUE(fresh.CheckMaxValue());
  EXPECT_TRUE(fresh.CheckMinValue());
  EXPECT_FALSE(fresh.AutoCheckMax());
  EXPECT_FALSE(fresh.AutoCheckMin());
  fresh.SetMinValue(1);
  EXPECT_EQ(fresh.Text(), "1");
  fresh.EndLoading();
  EXPECT_TRUE(fresh.AutoCheckMax());
  EXPECT_TRUE(fresh.AutoCheckMin());
}

struct TypingCase {
  const char* name;
  long double shown;
  bool selectAll;                 // otherwise the caret is at the end
  std::vector<const char*> keys;  // "<bs>" and "<del>" are those keys
  std::vector<QString> textAfterEachKey;
  std::vector<long double> changes;
  int beeps;
  friend void PrintTo(const TypingCase& row, std::ostream* out) { *out << row.name; }
};

class EditorTyping : public EditorBox, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditorTyping, NormalisesTheTextAndReportsOnlyNewNumbers) {
  const TypingCase& row = GetParam();
  Show(row.shown);
  if (row.selectAll) {
    box->SelectAll();
  } else {
    box->SetSelStart(static_cast<int>(box->Text().size()));
  }
  ScopedBeepCounter beeps;
  std::vector<QString> texts;
  for (const char* key : row.keys) {
    if (std::string_view(key) == "<bs>") {
      QTest::keyClick(box, Qt::Key_Backspace);
    } else if (std::string_view(key) == "<del>") {
      QTest::keyClick(box, Qt::Key_Delete);
    } else {
      test::Type(box, key);
    }
    texts.push_back(box->Text());
  }
  EXPECT_EQ(texts, row.textAfterEachKey);
  EXPECT_EQ(ValuesOf(changes), row.changes);
  EXPECT_EQ(beeps.Count(), row.beeps);
  EXPECT_FALSE(box->InChange());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, EditorTyping,
    ::testing::Values(TypingCase{"TwoThenFive", 1, true, {"2", "5"}, {"2", "20"}, {2, 20}, 0},
                      TypingCase{"ZeroIsCroppedToOne", 1, true, {"0"}, {"1"}, {}, 0},
                      TypingCase{"DeletingTheOnlyDigit", 1, false, {"<bs>"}, {"1"}, {}, 0},
                      TypingCase{"DeletingTheTwoOfTwelve", 12, false, {"<bs>"}, {"1"}, {1}, 0},
                      TypingCase{"FiveThenMinusDoesNotParse", 1, true, {"5", "-"}, {"5", "1"}, {5, 1}, 0},
                      TypingCase{"PlusAloneReadsAsTheLowerLimit", 7, true, {"+"}, {"1"}, {1}, 0},
                      TypingCase{"LetterBeeps", 7, false, {"a"}, {"7"}, {}, 1},
                      TypingCase{"PointBeeps", 7, false, {"."}, {"7"}, {}, 1},
                      TypingCase{"ThirtyIsCroppedToTwenty", 7, true, {"3", "0"}, {"3", "20"}, {3, 20}, 0}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST_F(EditorBox, DeletingAllDigitsKeepsTheCaretWhereItWas) {
  Show(1);
  box->SetSelStart(1);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->Text(), "1");
  EXPECT_EQ(box->SelStart(), 0);
}

struct WriteCase {
  const char* name;
  long double shown;
  long double written;
  QString text;
  std::vector<Reported> changes;
  friend void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }
};

class EditorWrites : public EditorBox, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(EditorWrites, ClampFormatAndReportInsideTheWrite) {
  const WriteCase& row = GetParam();
  Show(row.shown);
  box->SetValue(row.written);
  EXPECT_EQ(box->Text(), row.text);
  EXPECT_EQ(changes, row.changes);
}

INSTANTIATE_TEST_SUITE_P(Values, EditorWrites,
                         ::testing::Values(WriteCase{"AboveTheLimit", 7, 25, "20", {{"20", 20}}},
                                           WriteCase{"AboveTheLimitAtTheLimit", 20, 25, "20", {}},
                                           WriteCase{"Zero", 7, 0, "1", {{"1", 1}}},
                                           WriteCase{"Negative", 20, -3, "1", {{"1", 1}}},
                                           WriteCase{"TheSameNumber", 1, 1.0L, "1", {}},
                                           WriteCase{"HalfRoundsAwayFromZero", 1, 2.5L, "3", {{"3", 3}}},
                                           WriteCase{"FractionRoundsDown", 1, 7.49L, "7", {{"7", 7}}}),
                         [](const ::testing::TestParamInfo<WriteCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(EditorBox, StepsAtTheLimitsStillRaiseTheClickEvents) {
  int top = 0;
  int bottom = 0;
  box->OnTopClick = [&](QObject*) { ++top; };
  box->OnBottomClick = [&](QObject*) { ++bottom; };
  Show(20);
  QTest::keyClick(box, Qt::Key_Up);
  box->UpDownStepper()->Press(UpDownArrow::Up);
  box->UpDownStepper()->Release();
  QWheelEvent up(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &up);
  EXPECT_EQ(box->Text(), "20");
  EXPECT_EQ(top, 3);

  Show(1);
  QTest::keyClick(box, Qt::Key_Down);
  box->UpDownStepper()->Press(UpDownArrow::Down);
  box->UpDownStepper()->Release();
  QWheelEvent down(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &down);
  EXPECT_EQ(box->Text(), "1");
  EXPECT_EQ(bottom, 3);
  EXPECT_TRUE(changes.empty());
}

TEST_F(EditorBox, StepperArrowAndKeysStepByOne) {
  Show(7);
  QTest::mouseClick(box->UpDownStepper(), Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(box->Text(), "8");
  QTest::keyClick(box, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(box->Text(), "9");
  QTest::mouseClick(box->UpDownStepper(), Qt::LeftButton, {}, QPoint(7, box->UpDownStepper()->height() - 2));
  EXPECT_EQ(box->Text(), "8");
  EXPECT_EQ(changes, (std::vector<Reported>{{"8", 8}, {"9", 9}, {"8", 8}}));
  EXPECT_TRUE(box->Modified());
}

TEST_F(EditorBox, HoldingTheArrowStepsOncePerRepeatTickWithoutAccelerating) {
  Show(1);
  TSpinUpDown* stepper = box->UpDownStepper();
  QTest::mousePress(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  for (int tick = 0; tick < 30; ++tick) stepper->AutoRepeatTick();
  QTest::mouseRelease(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(box->Text(), "20");
  ASSERT_EQ(changes.size(), 19u);
  for (size_t i = 0; i < changes.size(); ++i) EXPECT_EQ(changes[i].value, static_cast<long double>(i + 2));
}

TEST_F(EditorBox, AnyWheelDeltaIsExactlyOneStep) {
  const std::pair<int, int> rows[] = {{120, 1}, {1, 1}, {5000, 1}, {-1, -1}, {-120, -1}, {0, -1}};
  for (const auto& [delta, step] : rows) {
    Show(10);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(box->Value(), 10 + step) << "delta " << delta;
    EXPECT_TRUE(wheel.isAccepted());
  }
}

TEST_F(EditorBox, ReadOnlyStepOnlyBeeps) {
  int clicks = 0;
  box->OnTopClick = [&](QObject*) { ++clicks; };
  Show(7);
  box->SetReadOnly(true);
  ScopedBeepCounter beeps;
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->Text(), "7");
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(clicks, 0);
}

TEST(SpinEditLimits, EqualLimitsShowTheLimitForEveryWriteAndStep) {
  ActiveWindow active;
  TSpinEdit box(&active.window);
  box.SetMaxValue(5);
  box.SetMinValue(5);
  ASSERT_TRUE(box.CheckMinValue());
  ASSERT_TRUE(box.CheckMaxValue());
  for (long double written : {0.0L, 3.0L, 5.0L, 9.0L, -100.0L}) {
    box.SetValue(written);
    EXPECT_EQ(box.Text(), "5") << static_cast<double>(written);
  }
  box.StepUp(&box);
  EXPECT_EQ(box.Text(), "5");
  box.StepDown(&box);
  EXPECT_EQ(box.Text(), "5");
}

TEST(SpinEditLimits, InvertedLimitsLetTheUpperTestWin) {
  TSpinEdit box;
  box.SetMinValue(10);
  box.SetMaxValue(5);
  box.SetCheckMinValue(true);
  box.SetCheckMaxValue(true);
  EXPECT_EQ(box.ClampToLimits(7), 5);
  EXPECT_EQ(box.ClampToLimits(12), 5);
  EXPECT_EQ(box.ClampToLimits(3), 10);
}

}  // namespace
}  // namespace ostrak
