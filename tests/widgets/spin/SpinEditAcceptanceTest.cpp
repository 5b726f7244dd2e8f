// The editor's attribute box as the user and the editor window meet it:
// typing, writes, steps at the limits, the wheel, the clipboard gate and a
// failing change handler.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <vector>

#include "SpinAcceptanceHost.h"
#include "core/Errors.h"
#include "platform/Beep.h"
#include "platform/ErrorGuard.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

using test::BoxSetup;
using test::SpinHost;
using Values = std::vector<long double>;

void Wheel(QWidget& widget, int delta) {
  QWheelEvent event(QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &event);
}

QPoint UpperArrow(const QWidget& stepper) { return QPoint(stepper.width() / 2, 2); }
QPoint LowerArrow(const QWidget& stepper) { return QPoint(stepper.width() / 2, stepper.height() - 3); }

TEST(SpinEditAcceptance, EditorBoxAfterLoading) {
  TSpinEdit box;
  ApplyEditorAttributeConfiguration(box);
  EXPECT_EQ(box.Text(), "1");
  EXPECT_TRUE(box.CheckMinValue());
  EXPECT_TRUE(box.CheckMaxValue());
  EXPECT_EQ(box.LastReportedValue(), 1.0L);
  EXPECT_TRUE(box.AutoCheckMin());
  EXPECT_TRUE(box.AutoCheckMax());
  EXPECT_EQ(box.MinValue(), 1.0L);
  EXPECT_EQ(box.MaxValue(), 20.0L);
  EXPECT_EQ(box.Decimal(), 0);
  EXPECT_EQ(box.ValueType(), TValueType::vtInteger);
  EXPECT_EQ(box.ButtonKind(), TSpinButtonKind::bkStandard);
  EXPECT_NE(box.UpDownStepper(), nullptr);
  EXPECT_EQ(box.ButtonStepper(), nullptr);
  EXPECT_EQ(box.Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(box.ClipboardCommands(),
            (TClipboardCommands{TClipboardCommand::caCopy, TClipboardCommand::caUndo}));
  EXPECT_FALSE(box.Modified());
  EXPECT_FALSE(box.InChange());
}

struct TypingCase {
  const char* name;
  long double shown;  // all of it selected before typing
  std::vector<Qt::Key> keys;
  std::vector<const char*> texts;  // after each key
  Values changes;
  int beeps;
};

class SpinEditTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(SpinEditTyping, ShowsAndReports) {
  const TypingCase& c = GetParam();
  SpinHost host;
  host.Show(c.shown);
  ScopedBeepCounter beeps;
  ASSERT_EQ(c.keys.size(), c.texts.size());
  for (size_t i = 0; i < c.keys.size(); ++i) {
    host.Key(c.keys[i]);
    EXPECT_EQ(host.box().Text(), c.texts[i]) << "after key " << i;
  }
  EXPECT_EQ(host.changes, c.changes);
  EXPECT_EQ(beeps.Count(), c.beeps);
  EXPECT_FALSE(host.box().InChange());
}

INSTANTIATE_TEST_SUITE_P(
    EditorBox, SpinEditTyping,
    testing::Values(
        TypingCase{"two_then_five", 1, {Qt::Key_2, Qt::Key_5}, {"2", "20"}, {2, 20}, 0},
        TypingCase{"two_then_nine_crops", 1, {Qt::Key_2, Qt::Key_9}, {"2", "20"}, {2, 20}, 0},
        TypingCase{"zero_reads_as_the_lower_limit", 1, {Qt::Key_0}, {"1"}, {}, 0},
        TypingCase{"zero_over_seven_reports_one", 7, {Qt::Key_0}, {"1"}, {1}, 0},
        TypingCase{"deleting_the_only_digit", 1, {Qt::Key_Backspace}, {"1"}, {}, 0},
        TypingCase{"five_then_minus_does_not_parse", 1, {Qt::Key_5, Qt::Key_Minus}, {"5", "1"}, {5, 1}, 0},
        TypingCase{"minus_alone", 1, {Qt::Key_Minus}, {"1"}, {}, 0},
        TypingCase{"plus_then_seven", 1, {Qt::Key_Plus, Qt::Key_7}, {"1", "17"}, {17}, 0},
        TypingCase{"letter_beeps", 12, {Qt::Key_A}, {"12"}, {}, 1},
        TypingCase{"point_beeps", 12, {Qt::Key_Period}, {"12"}, {}, 1},
        TypingCase{"space_beeps", 12, {Qt::Key_Space}, {"12"}, {}, 1}),
    [](const testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST(SpinEditAcceptance, DeletingTheSecondDigitReportsOnce) {
  SpinHost host;
  host.Show(12);
  host.Key(Qt::Key_End);
  host.Key(Qt::Key_Backspace);
  EXPECT_EQ(host.box().Text(), "1");
  EXPECT_EQ(host.changes, Values{1});
}

TEST(SpinEditAcceptance, EmptiedTextKeepsTheCaretWhereItWas) {
  SpinHost host;
  host.Show(1);
  host.Key(Qt::Key_End);
  host.Key(Qt::Key_Backspace);
  EXPECT_EQ(host.box().Text(), "1");
  EXPECT_EQ(host.box().SelStart(), 0);
}

TEST(SpinEditAcceptance, CaretStaysWhereTypingLeftItWhenTheTextIsRewritten) {
  SpinHost host;
  host.Show(15);
  host.box().SetSelStart(1);
  host.Key(Qt::Key_9);  // "195" is cropped to "20"
  EXPECT_EQ(host.box().Text(), "20");
  EXPECT_EQ(host.box().SelStart(), 2);
  EXPECT_EQ(host.changes, Values{20});
}

struct WriteCase {
  const char* name;
  long double shown;
  long double written;
  const char* text;
  Values changes;
};

class SpinEditWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(SpinEditWrite, ClampsFormatsAndReports) {
  const WriteCase& c = GetParam();
  SpinHost host;
  host.box().SetValue(c.shown);
  host.changes.clear();
  std::vector<std::string> textsInHandler;
  host.box().OnChange = [&](QObject*) {
    host.changes.push_back(host.box().Value());
    textsInHandler.push_back(host.box().Text().toStdString());
    EXPECT_FALSE(host.box().InChange());
  };
  host.box().SetValue(c.written);
  EXPECT_EQ(host.box().Text(), c.text);
  EXPECT_EQ(host.changes, c.changes);
  for (const std::string& text : textsInHandler) EXPECT_EQ(text, c.text);
  EXPECT_EQ(host.box().LastReportedValue(), host.box().Value());
}

INSTANTIATE_TEST_SUITE_P(EditorBox, SpinEditWrite,
                         testing::Values(WriteCase{"above_range_from_seven", 7, 25, "20", {20}},
                                         WriteCase{"above_range_at_twenty", 20, 25, "20", {}},
                                         WriteCase{"zero_from_seven", 7, 0, "1", {1}},
                                         WriteCase{"zero_from_twenty", 20, 0, "1", {1}},
                                         WriteCase{"negative_from_seven", 7, -3, "1", {1}},
                                         WriteCase{"negative_at_one", 1, -3, "1", {}},
                                         WriteCase{"same_value_as_float", 1, 1.0L, "1", {}},
                                         WriteCase{"inside_range", 7, 8, "8", {8}},
                                         WriteCase{"fraction_rounds_half_away", 7, 14.5L, "15", {15}},
                                         WriteCase{"fraction_rounds_down", 1, 7.49L, "7", {7}}),
                         [](const testing::TestParamInfo<WriteCase>& info) {
                           return std::string(info.param.name);
                         });

enum class StepBy { ArrowKey, ArrowKeyWithShift, ArrowKeyWithCtrl, Stepper, Wheel };

struct LimitCase {
  const char* name;
  StepBy by;
  long double shown;
  bool up;
};

class SpinEditStepAtLimit : public testing::TestWithParam<LimitCase> {};

// At a limit the text stays and nothing is reported, but the click event is
// raised for every request.
TEST_P(SpinEditStepAtLimit, StaysAndStillClicks) {
  const LimitCase& c = GetParam();
  SpinHost host;
  host.box().SetValue(c.shown);
  host.changes.clear();
  int top = 0;
  int bottom = 0;
  host.box().OnTopClick = [&](QObject*) { ++top; };
  host.box().OnBottomClick = [&](QObject*) { ++bottom; };
  QWidget* stepper = host.box().UpDownStepper();
  ASSERT_NE(stepper, nullptr);
  for (int i = 0; i < 2; ++i) {
    switch (c.by) {
      case StepBy::ArrowKey:
        QTest::keyClick(&host.box(), c.up ? Qt::Key_Up : Qt::Key_Down);
        break;
      case StepBy::ArrowKeyWithShift:
        QTest::keyClick(&host.box(), c.up ? Qt::Key_Up : Qt::Key_Down, Qt::ShiftModifier);
        break;
      case StepBy::ArrowKeyWithCtrl:
        QTest::keyClick(&host.box(), c.up ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        break;
      case StepBy::Stepper:
        QTest::mouseClick(stepper, Qt::LeftButton, {}, c.up ? UpperArrow(*stepper) : LowerArrow(*stepper));
        break;
      case StepBy::Wheel:
        Wheel(host.box(), c.up ? 120 : -120);
        break;
    }
  }
  const long double shown = c.shown;
  EXPECT_EQ(host.box().Value(), shown);
  EXPECT_TRUE(host.changes.empty());
  EXPECT_EQ(top, c.up ? 2 : 0);
  EXPECT_EQ(bottom, c.up ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    EditorBox, SpinEditStepAtLimit,
    testing::Values(LimitCase{"up_key_at_twenty", StepBy::ArrowKey, 20, true},
                    LimitCase{"shift_up_key_at_twenty", StepBy::ArrowKeyWithShift, 20, true},
                    LimitCase{"ctrl_down_key_at_one", StepBy::ArrowKeyWithCtrl, 1, false},
                    LimitCase{"down_key_at_one", StepBy::ArrowKey, 1, false},
                    LimitCase{"upper_arrow_at_twenty", StepBy::Stepper, 20, true},
                    LimitCase{"lower_arrow_at_one", StepBy::Stepper, 1, false},
                    LimitCase{"wheel_up_at_twenty", StepBy::Wheel, 20, true},
                    LimitCase{"wheel_down_at_one", StepBy::Wheel, 1, false}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST(SpinEditAcceptance, StepperArrowsStepOnceAndFocusTheBox) {
  SpinHost host;
  host.box().SetValue(7);
  host.changes.clear();
  host.other().setFocus();
  QWidget* stepper = host.box().UpDownStepper();
  QTest::mouseClick(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  EXPECT_TRUE(host.box().hasFocus());
  QTest::mouseClick(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  QTest::mouseClick(stepper, Qt::LeftButton, {}, LowerArrow(*stepper));
  EXPECT_EQ(host.changes, (Values{8, 9, 8}));
  EXPECT_TRUE(host.box().Modified());
}

TEST(SpinEditAcceptance, HoldingTheUpperArrowStepsOncePerTickUpToTheLimit) {
  SpinHost host;
  TSpinUpDown* stepper = host.box().UpDownStepper();
  QTest::mousePress(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  for (int tick = 0; tick < 30; ++tick) stepper->AutoRepeatTick();
  QTest::mouseRelease(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  EXPECT_EQ(host.box().Text(), "20");
  Values expected;
  for (int value = 2; value <= 20; ++value) expected.push_back(value);
  EXPECT_EQ(host.changes, expected);
}

struct WheelCase {
  const char* name;
  int delta;
  const char* text;  // from 10
};

class SpinEditWheel : public testing::TestWithParam<WheelCase> {};

TEST_P(SpinEditWheel, OneStepWhateverTheDelta) {
  SpinHost host;
  host.box().SetValue(10);
  host.changes.clear();
  QWheelEvent event(QPointF(5, 5), host.box().mapToGlobal(QPointF(5, 5)), QPoint(),
                    QPoint(0, GetParam().delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&host.box(), &event);
  EXPECT_TRUE(event.isAccepted());
  EXPECT_EQ(host.box().Text(), GetParam().text);
  EXPECT_EQ(host.changes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EditorBox, SpinEditWheel,
                         testing::Values(WheelCase{"one_notch_up", 120, "11"}, WheelCase{"tiny_up", 1, "11"},
                                         WheelCase{"six_notches_up", 720, "11"},
                                         WheelCase{"zero_goes_down", 0, "9"}, WheelCase{"tiny_down", -1, "9"},
                                         WheelCase{"six_notches_down", -720, "9"}),
                         [](const testing::TestParamInfo<WheelCase>& info) {
                           return std::string(info.param.name);
                         });

struct ShortcutCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* editorText;  // the box shows "12", all selected, clipboard "7"
  const char* editorClipboard;
  const char* openText;  // the same with every clipboard command allowed
  const char* openClipboard;
};

class SpinEditClipboardShortcut : public testing::TestWithParam<ShortcutCase> {};

TEST_P(SpinEditClipboardShortcut, ObeysOnlyAllowedCommands) {
  const ShortcutCase& c = GetParam();
  for (bool editor : {true, false}) {
    SpinHost host;
    if (!editor) host.box().SetClipboardCommands(kAllClipboardCommands);
    host.Show(12);
    QApplication::clipboard()->setText("7");
    host.Key(c.key, c.modifiers);
    EXPECT_EQ(host.box().Text(), editor ? c.editorText : c.openText) << editor;
    EXPECT_EQ(QApplication::clipboard()->text(), editor ? c.editorClipboard : c.openClipboard) << editor;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EditorBox, SpinEditClipboardShortcut,
    testing::Values(ShortcutCase{"ctrl_x", Qt::Key_X, Qt::ControlModifier, "12", "7", "1", "12"},
                    ShortcutCase{"shift_delete", Qt::Key_Delete, Qt::ShiftModifier, "12", "7", "1", "12"},
                    ShortcutCase{"ctrl_v", Qt::Key_V, Qt::ControlModifier, "12", "7", "7", "7"},
                    ShortcutCase{"shift_insert", Qt::Key_Insert, Qt::ShiftModifier, "12", "7", "7", "7"},
                    ShortcutCase{"ctrl_c", Qt::Key_C, Qt::ControlModifier, "12", "12", "12", "12"},
                    ShortcutCase{"ctrl_insert", Qt::Key_Insert, Qt::ControlModifier, "12", "12", "12", "12"}),
    [](const testing::TestParamInfo<ShortcutCase>& info) { return std::string(info.param.name); });

// Where the desktop binds line-deleting keys (Ctrl+K, Ctrl+U on X11), they
// copy what they delete, so they are cuts and the gate refuses them.
TEST(SpinEditAcceptance, LineDeletingKeysAreCuts) {
  for (QKeySequence::StandardKey request :
       {QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine}) {
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(request);
    if (bindings.isEmpty()) continue;
    const QKeyCombination combination = bindings.front()[0];
    for (bool editor : {true, false}) {
      SpinHost host;
      if (!editor) host.box().SetClipboardCommands(kAllClipboardCommands);
      host.Show(12);
      host.box().SetSelStart(0);
      QApplication::clipboard()->setText("7");
      host.Key(combination.key(), combination.keyboardModifiers());
      EXPECT_EQ(host.box().Text(), editor ? "12" : "1") << bindings.front().toString().toStdString();
      EXPECT_EQ(QApplication::clipboard()->text(), editor ? "7" : "12");
    }
  }
}

TEST(SpinEditAcceptance, CtrlZUndoesTyping) {
  SpinHost host;
  host.Show(12);
  host.Type("5");
  ASSERT_EQ(host.box().Text(), "5");
  host.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(host.box().Text(), "12");
  EXPECT_EQ(host.changes, (Values{5, 12}));
}

QAction* MenuEntry(QMenu& menu, const QString& caption) {
  for (QAction* action : menu.actions()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

TEST(SpinEditAcceptance, ContextMenuObeysCopyAndUndoOnly) {
  SpinHost host;
  host.Show(12);
  host.Type("5");
  host.box().SelectAll();
  QApplication::clipboard()->setText("7");
  host.changes.clear();
  std::unique_ptr<QMenu> menu = host.box().CreateContextMenu();
  for (const char* refused : {"Cu&t", "&Paste", "&Delete"}) {
    QAction* action = MenuEntry(*menu, refused);
    ASSERT_NE(action, nullptr) << refused;
    EXPECT_TRUE(action->isEnabled()) << refused;  // offered, and silently refused
    action->trigger();
    EXPECT_EQ(host.box().Text(), "5") << refused;
    EXPECT_EQ(QApplication::clipboard()->text(), "7") << refused;
  }
  MenuEntry(*menu, "&Copy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "5");
  MenuEntry(*menu, "&Undo")->trigger();
  EXPECT_EQ(host.box().Text(), "12");
  EXPECT_EQ(host.changes, Values{12});
}

TEST(SpinEditAcceptance, AnAllowedPasteIsNormalisedLikeTyping) {
  SpinHost host;
  host.box().SetClipboardCommands(kAllClipboardCommands);
  host.Show(1);
  QApplication::clipboard()->setText("35");
  host.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(host.box().Text(), "20");
  EXPECT_EQ(host.changes, Values{20});
}

TEST(SpinEditAcceptance, EqualLimitsShowTheLimitWhatever) {
  SpinHost host(BoxSetup::Fresh);
  host.box().SetMaxValue(5);
  host.box().SetMinValue(5);
  ASSERT_TRUE(host.box().CheckMinValue());
  ASSERT_TRUE(host.box().CheckMaxValue());
  for (long double written : {-10.0L, 0.0L, 4.0L, 5.0L, 6.0L, 1e9L}) {
    host.box().SetValue(written);
    EXPECT_EQ(host.box().Text(), "5") << static_cast<double>(written);
  }
  host.box().StepUp(nullptr);
  EXPECT_EQ(host.box().Text(), "5");
  host.box().StepDown(nullptr);
  EXPECT_EQ(host.box().Text(), "5");
  host.FocusBox();
  host.box().SelectAll();
  host.Type("9");
  EXPECT_EQ(host.box().Text(), "5");
}

TEST(SpinEditAcceptance, IntegerValueOfTheEditorBox) {
  SpinHost host;
  host.box().SetValue(17);
  EXPECT_EQ(host.box().IntegerValue(), 17);
}

// Destroyed while focused with a number beyond the limits, which losing the
// focus would crop.
TEST(SpinEditAcceptance, NoChangeIsReportedWhileDestroying) {
  SpinHost host;
  host.box().SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
  host.FocusBox();
  host.box().SelectAll();
  host.Type("25");
  ASSERT_EQ(host.box().Text(), "25");
  int reported = 0;
  host.box().OnChange = [&](QObject*) { ++reported; };
  QPointer<TSpinEdit> box(&host.box());
  box->deleteLater();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(box.isNull());
  EXPECT_EQ(reported, 0);
}

// What the editor window does with the handler: assigned after loading, it
// never runs for the loaded values.
TEST(SpinEditAcceptance, ConstructionAndLoadingLeaveNothingToReport) {
  SpinHost host;
  EXPECT_TRUE(host.changes.empty());
  host.box().SetValue(1);
  host.box().StepDown(nullptr);
  EXPECT_TRUE(host.changes.empty());
}

// A handler that writes another number has that one reported from inside
// it; the box then counts it as the number last reported.
TEST(SpinEditAcceptance, HandlerWritingAnotherNumberLeavesThatOneReported) {
  SpinHost host;
  host.box().SetValue(5);
  host.changes.clear();
  bool redirect = true;
  host.box().OnChange = [&](QObject*) {
    host.changes.push_back(host.box().Value());
    if (redirect) {
      redirect = false;
      host.box().SetValue(7);
    }
  };
  host.box().SetValue(9);
  EXPECT_EQ(host.box().Text(), "7");
  EXPECT_EQ(host.box().LastReportedValue(), 7.0L);
  host.box().SetValue(9);
  EXPECT_EQ(host.changes, (Values{9, 7, 9}));
}

// A programmatic write reaches the failure; typing and steppers hand it to
// the error display and the box goes on working.
TEST(SpinEditAcceptance, FailingHandlerOnProgrammaticWriteReachesTheCaller) {
  SpinHost host;
  host.box().SetModified(true);
  host.box().OnChange = [](QObject*) { throw RangeError("handler failed"); };
  try {
    host.box().SetValue(9);
    ADD_FAILURE() << "the failure did not reach the caller";
  } catch (const RangeError& error) {
    EXPECT_EQ(error.message(), "handler failed");
  }
  EXPECT_EQ(host.box().Text(), "9");
  EXPECT_FALSE(host.box().InChange());
  EXPECT_TRUE(host.box().Modified());
  host.box().OnChange = [&](QObject*) { host.changes.push_back(host.box().Value()); };
  host.box().SetValue(10);
  EXPECT_EQ(host.changes, Values{10});
}

TEST(SpinEditAcceptance, FailingHandlerWhileTypingGoesToTheErrorDisplay) {
  SpinHost host;
  host.Show(1);
  bool fail = true;
  host.box().OnChange = [&](QObject*) {
    if (fail) throw ConversionError("handler failed");
    host.changes.push_back(host.box().Value());
  };
  ScopedErrorCapture errors;
  host.Type("5");
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"handler failed"});
  EXPECT_EQ(host.box().Text(), "5");
  EXPECT_FALSE(host.box().InChange());
  fail = false;
  host.Type("0");  // "50" is cropped to "20"
  EXPECT_EQ(host.box().Text(), "20");
  EXPECT_EQ(host.changes, Values{20});
}

TEST(SpinEditAcceptance, FailingHandlerOnStepperClickGoesToTheErrorDisplay) {
  SpinHost host;
  host.box().SetValue(5);
  host.changes.clear();
  bool fail = true;
  host.box().OnChange = [&](QObject*) {
    if (fail) throw ConversionError("handler failed");
    host.changes.push_back(host.box().Value());
  };
  ScopedErrorCapture errors;
  TSpinUpDown* stepper = host.box().UpDownStepper();
  QTest::mouseClick(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"handler failed"});
  EXPECT_EQ(host.box().Text(), "6");
  EXPECT_FALSE(host.box().InChange());
  EXPECT_FALSE(stepper->Busy());
  EXPECT_FALSE(stepper->AutoRepeating());
  fail = false;
  QTest::mouseClick(stepper, Qt::LeftButton, {}, UpperArrow(*stepper));
  Wheel(host.box(), 120);
  QTest::keyClick(&host.box(), Qt::Key_Up);
  EXPECT_EQ(host.changes, (Values{7, 8, 9}));
}

}  // namespace
}  // namespace ostrak
