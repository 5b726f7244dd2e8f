// The spin box's keyboard, character filter and focus rules, driven by real
// key and mouse events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "SpinAcceptanceHost.h"
#include "platform/Beep.h"
#include "platform/ErrorGuard.h"
#include "platform/LocaleSeparators.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

using test::BoxSetup;
using test::SpinHost;

// A float box that keeps its text as typed.
void MakeRawFloat(TSpinEdit& box, const char* text) {
  box.SetCheckOptions(TCheckOptions{});
  box.SetValueType(TValueType::vtFloat);
  box.SetText(text);
}

struct ArrowCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* text;  // from "5"
};

class SpinEditArrowKeys : public testing::TestWithParam<ArrowCase> {};

TEST_P(SpinEditArrowKeys, StepWhateverTheShiftState) {
  const ArrowCase& c = GetParam();
  SpinHost host(BoxSetup::Fresh);
  host.box().SetValue(5);
  host.FocusBox();
  host.Key(c.key, c.modifiers);
  EXPECT_EQ(host.box().Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinEditArrowKeys,
    testing::Values(ArrowCase{"up", Qt::Key_Up, Qt::NoModifier, "6"},
                    ArrowCase{"shift_up", Qt::Key_Up, Qt::ShiftModifier, "6"},
                    ArrowCase{"ctrl_up", Qt::Key_Up, Qt::ControlModifier, "6"},
                    ArrowCase{"alt_up", Qt::Key_Up, Qt::AltModifier, "6"},
                    ArrowCase{"ctrl_shift_down", Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, "4"},
                    ArrowCase{"down", Qt::Key_Down, Qt::NoModifier, "4"},
                    ArrowCase{"page_up_is_no_step", Qt::Key_PageUp, Qt::NoModifier, "5"},
                    ArrowCase{"page_down_is_no_step", Qt::Key_PageDown, Qt::NoModifier, "5"},
                    ArrowCase{"home_is_no_step", Qt::Key_Home, Qt::NoModifier, "5"}),
    [](const testing::TestParamInfo<ArrowCase>& info) { return std::string(info.param.name); });

struct ModifiedKeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* text;   // what the windowing system attached
  const char* after;  // from "12", caret at the end
  int beeps;
};

class SpinEditModifiedKeys : public testing::TestWithParam<ModifiedKeyCase> {};

// Alt and Meta make system keys that type nothing; Ctrl with Alt types the
// character it composes, which the filter judges like any other.
TEST_P(SpinEditModifiedKeys, TypeOnlyWhatTheFilterAccepts) {
  const ModifiedKeyCase& c = GetParam();
  SpinHost host;
  host.Show(12);
  host.box().SetSelStart(2);
  ScopedBeepCounter beeps;
  QTest::sendKeyEvent(QTest::Press, &host.box(), c.key, QString::fromLatin1(c.text), c.modifiers);
  QTest::sendKeyEvent(QTest::Release, &host.box(), c.key, QString::fromLatin1(c.text), c.modifiers);
  EXPECT_EQ(host.box().Text(), c.after);
  EXPECT_EQ(beeps.Count(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    EditorBox, SpinEditModifiedKeys,
    testing::Values(
        ModifiedKeyCase{"alt_letter", Qt::Key_A, Qt::AltModifier, "a", "12", 0},
        ModifiedKeyCase{"shift_alt_letter", Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier, "A", "12", 0},
        ModifiedKeyCase{"alt_digit", Qt::Key_5, Qt::AltModifier, "5", "12", 0},
        ModifiedKeyCase{"meta_letter", Qt::Key_A, Qt::MetaModifier, "a", "12", 0},
        ModifiedKeyCase{"composed_at_sign", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", "12", 1},
        ModifiedKeyCase{"composed_digit", Qt::Key_5, Qt::ControlModifier | Qt::AltModifier, "5", "20", 0},
        ModifiedKeyCase{"keypad_digit", Qt::Key_5, Qt::KeypadModifier, "5", "20", 0}),
    [](const testing::TestParamInfo<ModifiedKeyCase>& info) { return std::string(info.param.name); });

TEST(SpinEditKeys, WithoutArrowKeysTheArrowsDoNotStep) {
  SpinHost host(BoxSetup::Fresh);
  host.box().SetValue(5);
  host.box().SetArrowKeys(false);
  int clicks = 0;
  host.box().OnTopClick = [&](QObject*) { ++clicks; };
  host.FocusBox();
  host.Key(Qt::Key_Up);
  EXPECT_EQ(host.box().Text(), "5");
  EXPECT_EQ(clicks, 0);
}

TEST(SpinEditKeys, UserKeyDownRunsFirstAndMayConsumeTheArrow) {
  SpinHost host(BoxSetup::Fresh);
  host.box().SetValue(5);
  std::vector<int> seen;
  host.box().OnKeyDown = [&](QObject*, int& key, TShiftState) {
    seen.push_back(key);
    if (key == Qt::Key_Down) key = 0;
  };
  host.FocusBox();
  host.Key(Qt::Key_Up);
  host.Key(Qt::Key_Down);
  EXPECT_EQ(host.box().Text(), "6");
  EXPECT_EQ(seen, (std::vector<int>{Qt::Key_Up, Qt::Key_Down}));
}

struct EditKeyCase {
  const char* name;
  const char* text;
  int caret;
  Qt::Key key;
  const char* after;
  int caretAfter;
};

class SpinEditDecimalKeys : public testing::TestWithParam<EditKeyCase> {};

// The locale writes "," for decimals and "." between groups.
TEST_P(SpinEditDecimalKeys, DeletingStepsOverTheSeparator) {
  const EditKeyCase& c = GetParam();
  ScopedLocaleSeparators locale(u',', u'.');
  SpinHost host(BoxSetup::Fresh);
  MakeRawFloat(host.box(), c.text);
  host.FocusBox();
  host.box().SetSelStart(c.caret);
  host.Key(c.key);
  EXPECT_EQ(host.box().Text(), c.after);
  EXPECT_EQ(host.box().SelStart(), c.caretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    FloatBox, SpinEditDecimalKeys,
    testing::Values(EditKeyCase{"delete_before_separator", "1,50", 1, Qt::Key_Delete, "1,50", 2},
                    EditKeyCase{"backspace_after_separator", "1,50", 2, Qt::Key_Backspace, "1,50", 1},
                    EditKeyCase{"delete_elsewhere", "1,50", 2, Qt::Key_Delete, "1,0", 2},
                    EditKeyCase{"backspace_elsewhere", "1,50", 1, Qt::Key_Backspace, ",50", 0},
                    EditKeyCase{"point_types_the_locale_separator", "12", 2, Qt::Key_Period, "12,", 3},
                    EditKeyCase{"second_separator_jumps", "12,50", 0, Qt::Key_Comma, "12,50", 3},
                    EditKeyCase{"second_point_jumps", "12,50", 5, Qt::Key_Period, "12,50", 3}),
    [](const testing::TestParamInfo<EditKeyCase>& info) { return std::string(info.param.name); });

TEST(SpinEditKeys, SecondSeparatorDropsTheSelection) {
  ScopedLocaleSeparators locale(u'.', u',');
  SpinHost host(BoxSetup::Fresh);
  MakeRawFloat(host.box(), "3.25");
  host.FocusBox();
  host.box().SelectAll();
  host.Type(".");
  EXPECT_EQ(host.box().Text(), "3.25");
  EXPECT_EQ(host.box().SelStart(), 2);
  EXPECT_EQ(host.box().SelLength(), 0);
}

TEST(SpinEditKeys, PointThatGroupsStaysAPointAndIsRefused) {
  ScopedLocaleSeparators locale(u',', u'.');
  SpinHost host(BoxSetup::Fresh);
  MakeRawFloat(host.box(), "12");
  host.box().SetThousands(true);
  host.FocusBox();
  host.box().SetSelStart(2);
  ScopedBeepCounter beeps;
  host.Type(".");
  EXPECT_EQ(host.box().Text(), "12");
  EXPECT_EQ(beeps.Count(), 1);
}

struct FilterCase {
  const char* name;
  TValueType type;
  bool thousands;
  const char* text;
  char16_t character;
  bool accepted;
};

class SpinEditFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(SpinEditFilter, AcceptsOnlyWhatTheKindCanRead) {
  const FilterCase& c = GetParam();
  ScopedLocaleSeparators locale(u',', u'.');
  TSpinEdit box;
  box.SetCheckOptions(TCheckOptions{});
  box.SetValueType(c.type);
  box.SetThousands(c.thousands);
  box.SetText(c.text);
  EXPECT_EQ(box.AcceptsChar(QChar(c.character)), c.accepted);
}

constexpr TValueType kInt = TValueType::vtInteger;
constexpr TValueType kFloat = TValueType::vtFloat;
constexpr TValueType kHex = TValueType::vtHex;

INSTANTIATE_TEST_SUITE_P(
    AllKinds, SpinEditFilter,
    testing::Values(FilterCase{"integer_digit", kInt, false, "1", u'7', true},
                    FilterCase{"integer_plus", kInt, false, "1", u'+', true},
                    FilterCase{"integer_minus", kInt, false, "1", u'-', true},
                    FilterCase{"integer_letter", kInt, false, "1", u'a', false},
                    FilterCase{"integer_separator", kInt, false, "1", u',', false},
                    FilterCase{"integer_space", kInt, false, "1", u' ', false},
                    FilterCase{"integer_exponent", kInt, false, "1", u'e', false},
                    FilterCase{"integer_backspace", kInt, false, "1", 8, true},
                    FilterCase{"integer_enter", kInt, false, "1", 13, true},
                    FilterCase{"integer_escape", kInt, false, "1", 27, true},
                    FilterCase{"float_separator", kFloat, false, "12", u',', true},
                    FilterCase{"float_point", kFloat, false, "12", u'.', true},
                    FilterCase{"float_second_separator", kFloat, false, "1,5", u',', false},
                    FilterCase{"float_point_after_separator", kFloat, false, "1,5", u'.', false},
                    FilterCase{"float_grouping_point", kFloat, true, "12", u'.', false},
                    FilterCase{"float_separator_grouped", kFloat, true, "12", u',', true},
                    FilterCase{"float_upper_exponent", kFloat, false, "12", u'E', true},
                    FilterCase{"float_lower_exponent", kFloat, false, "12", u'e', true},
                    FilterCase{"float_second_exponent", kFloat, false, "1E5", u'e', false},
                    FilterCase{"float_second_exponent_any_case", kFloat, false, "1e5", u'E', false},
                    FilterCase{"float_letter", kFloat, false, "12", u'x', false},
                    FilterCase{"hex_lower", kHex, false, "1", u'a', true},
                    FilterCase{"hex_upper", kHex, false, "1", u'F', true},
                    FilterCase{"hex_beyond_f", kHex, false, "1", u'g', false},
                    FilterCase{"hex_separator", kHex, false, "1", u',', false}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST(SpinEditKeys, TypedExponentOnlyOnce) {
  SpinHost host(BoxSetup::Fresh);
  MakeRawFloat(host.box(), "1");
  host.FocusBox();
  host.box().SetSelStart(1);
  ScopedBeepCounter beeps;
  host.Type("e5e");
  EXPECT_EQ(host.box().Text(), "1e5");
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(host.box().Value(), 100000.0L);
}

// What an input method commits is typed, character by character.
TEST(SpinEditKeys, InputMethodCharactersPassTheFilter) {
  SpinHost host;
  host.Show(1);
  ScopedBeepCounter beeps;
  QInputMethodEvent commit;
  commit.setCommitString("a5");
  QApplication::sendEvent(&host.box(), &commit);
  EXPECT_EQ(host.box().Text(), "5");
  EXPECT_EQ(beeps.Count(), 1);
}

TEST(SpinEditKeys, EditorDisabledRefusesTypingButNotOtherControlCharacters) {
  TSpinEdit box;
  box.SetEditorEnabled(false);
  EXPECT_FALSE(box.AcceptsChar(u'5'));
  EXPECT_FALSE(box.AcceptsChar(u'-'));
  EXPECT_FALSE(box.AcceptsChar(QChar(8)));
  EXPECT_TRUE(box.AcceptsChar(QChar(13)));
  EXPECT_TRUE(box.AcceptsChar(QChar(27)));
  EXPECT_TRUE(box.AcceptsChar(QChar(3)));
  EXPECT_FALSE(box.AcceptsChar(u'a'));
}

TEST(SpinEditKeys, EditorDisabledBeepsAtDigitsAndBackspaceAndStillSteps) {
  SpinHost host;
  host.box().SetClipboardCommands(kAllClipboardCommands);
  host.box().SetEditorEnabled(false);
  host.Show(12);
  ScopedBeepCounter beeps;
  host.Type("5");
  host.box().SetSelStart(2);
  host.Key(Qt::Key_Backspace);
  EXPECT_EQ(host.box().Text(), "12");
  EXPECT_EQ(beeps.Count(), 2);
  host.Key(Qt::Key_Up);
  EXPECT_EQ(host.box().Text(), "13");
}

// Cut and paste also need a writable, enabled editor; copy and clear do not.
TEST(SpinEditKeys, CutAndPasteNeedAnEnabledWritableEditor) {
  for (const char* mode : {"editor disabled", "read only"}) {
    SpinHost host;
    host.box().SetClipboardCommands(kAllClipboardCommands);
    if (std::string(mode) == "read only") {
      host.box().SetReadOnly(true);
    } else {
      host.box().SetEditorEnabled(false);
    }
    host.Show(12);
    QApplication::clipboard()->setText("7");
    host.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(host.box().Text(), "12") << mode;
    EXPECT_EQ(QApplication::clipboard()->text(), "7") << mode;
    host.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(host.box().Text(), "12") << mode;
    host.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12") << mode;
  }
  SpinHost host;
  host.box().SetClipboardCommands(kAllClipboardCommands);
  host.box().SetEditorEnabled(false);
  host.Show(12);
  host.box().ClearSelection();
  EXPECT_EQ(host.box().Text(), "1");
}

TEST(SpinEditKeys, ReadOnlyStepBeepsAndRaisesNoClick) {
  SpinHost host;
  host.box().SetValue(5);
  host.box().SetReadOnly(true);
  int clicks = 0;
  host.box().OnTopClick = [&](QObject*) { ++clicks; };
  host.box().OnBottomClick = [&](QObject*) { ++clicks; };
  ScopedBeepCounter beeps;
  host.FocusBox();
  host.Key(Qt::Key_Up);
  host.box().StepDown(nullptr);
  EXPECT_EQ(host.box().Text(), "5");
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(beeps.Count(), 2);
}

TEST(SpinEditKeys, EnterAndEscapeReachTheDialogButtons) {
  QDialog dialog;
  auto* box = new TSpinEdit(&dialog);
  ApplyEditorAttributeConfiguration(*box);
  auto* ok = new QPushButton("OK", &dialog);
  ok->setDefault(true);
  ok->move(0, 40);
  int accepted = 0;
  QObject::connect(ok, &QPushButton::clicked, [&] { ++accepted; });
  std::vector<int> typed;
  box->OnKeyPress = [&](QObject*, QChar& key) { typed.push_back(key.unicode()); };
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  box->setFocus();
  ScopedBeepCounter beeps;
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(accepted, 1);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(typed, (std::vector<int>{13, 27}));
  EXPECT_EQ(box->Text(), "1");
  EXPECT_EQ(beeps.Count(), 0);
}

TEST(SpinEditFocus, TabSelectsAllBeforeTheEnterEvent) {
  SpinHost host;
  host.box().SetValue(12);
  int selectedOnEnter = -1;
  host.box().OnEnter = [&](QObject*) { selectedOnEnter = host.box().SelLength(); };
  host.other().setFocus();
  QTest::keyClick(&host.other(), Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_TRUE(host.box().hasFocus());
  EXPECT_TRUE(host.box().FocusedFlag());
  EXPECT_EQ(selectedOnEnter, 2);
  EXPECT_EQ(host.box().SelLength(), 2);
}

TEST(SpinEditFocus, WithoutAutoSelectNothingIsSelected) {
  SpinHost host;
  host.box().SetValue(12);
  host.box().SetAutoSelect(false);
  host.other().setFocus();
  host.box().setFocus(Qt::TabFocusReason);
  EXPECT_EQ(host.box().SelLength(), 0);
}

// A left press on the field places the caret; the focus given any other way
// selects.
TEST(SpinEditFocus, LeftPressOnTheFieldDoesNotSelect) {
  SpinHost host;
  host.box().SetValue(12);
  host.other().setFocus();
  QWindow* window = host.window().windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint at = host.box().mapTo(&host.window(), QPoint(8, 10));
  QTest::mousePress(window, Qt::LeftButton, {}, at);
  QTest::mouseRelease(window, Qt::LeftButton, {}, at);
  ASSERT_TRUE(host.box().hasFocus());
  EXPECT_EQ(host.box().SelLength(), 0);

  host.other().setFocus();
  host.box().SetFocus();
  EXPECT_EQ(host.box().SelLength(), 2);
}

TEST(SpinEditFocus, ExitOutsideTheLimitsWithoutCroppingKeepsTheFocus) {
  SpinHost host;
  host.box().SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit});
  host.FocusBox();
  host.box().SelectAll();
  host.Type("25");
  ASSERT_EQ(host.box().Text(), "25");
  int exits = 0;
  host.box().OnExit = [&](QObject*) { ++exits; };
  ScopedErrorCapture errors;
  host.Key(Qt::Key_Tab);
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"Value must be between 1 and 20"});
  EXPECT_TRUE(host.box().hasFocus());
  EXPECT_TRUE(host.box().FocusedFlag());
  EXPECT_EQ(host.box().SelLength(), 2);
  EXPECT_EQ(host.box().Text(), "25");
  EXPECT_EQ(exits, 0);

  host.box().SelectAll();
  host.Type("9");
  host.Key(Qt::Key_Tab);
  EXPECT_EQ(errors.messages().size(), 1u);
  EXPECT_TRUE(host.other().hasFocus());
  EXPECT_FALSE(host.box().FocusedFlag());
  EXPECT_EQ(exits, 1);
}

TEST(SpinEditFocus, ExitWithCroppingCropsSilently) {
  SpinHost host;
  host.box().SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
  host.FocusBox();
  host.box().SelectAll();
  host.Type("25");
  ASSERT_EQ(host.box().Text(), "25");
  host.changes.clear();
  ScopedErrorCapture errors;
  host.Key(Qt::Key_Tab);
  EXPECT_TRUE(errors.messages().empty());
  EXPECT_EQ(host.box().Text(), "20");
  EXPECT_EQ(host.changes, std::vector<long double>{20});
  EXPECT_TRUE(host.other().hasFocus());
}

// Another window taking the keyboard crops, but the box stays the focused
// control of its own window: no exit.
TEST(SpinEditFocus, KeyboardFocusToAnotherWindowCropsWithoutExit) {
  SpinHost host;
  host.box().SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
  host.FocusBox();
  host.box().SelectAll();
  host.Type("25");
  int exits = 0;
  host.box().OnExit = [&](QObject*) { ++exits; };
  QWidget second;
  second.show();
  QApplication::setActiveWindow(&second);
  EXPECT_EQ(host.box().Text(), "20");
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(host.box().FocusedFlag());
}

}  // namespace
}  // namespace ostrak
