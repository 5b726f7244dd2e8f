// The spin box's number kinds, check-flag automation, keyboard details and
// layout.

#include <gtest/gtest.h>

#include <ostream>

#include <QKeyEvent>

#include "platform/Beep.h"
#include "platform/LocaleSeparators.h"
#include "widgets/SpinButton.h"
#include "widgets/SpinTestSupport.h"

namespace ostrak {
namespace {

using test::ActiveWindow;

struct FormatCase {
  const char* name;
  TValueType type;
  int decimal;
  bool thousands;
  const char* displayFormat;
  long double written;
  QString text;
  long double readBack;
  friend void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }
};

class SpinFormatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SpinFormatting, WritesAndReadsBackInEachKind) {
  const FormatCase& row = GetParam();
  ScopedLocaleSeparators separators(u',', u'.');
  TSpinEdit box;
  box.SetCheckOptions({});
  box.SetValueType(row.type);
  box.SetDecimal(static_cast<std::uint8_t>(row.decimal));
  box.SetThousands(row.thousands);
  box.SetDisplayFormat(QString::fromLatin1(row.displayFormat));
  box.SetValue(row.written);
  EXPECT_EQ(box.Text(), row.text);
  EXPECT_EQ(box.Value(), row.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpinFormatting,
    ::testing::Values(
        FormatCase{"IntegerPlain", TValueType::vtInteger, 2, false, "", 1234567, "1234567", 1234567},
        FormatCase{"IntegerGrouped", TValueType::vtInteger, 2, true, "", 1234567, "1.234.567", 1234567},
        FormatCase{"IntegerHalfAwayFromZero", TValueType::vtInteger, 0, false, "", -2.5L, "-3", -3},
        FormatCase{"IntegerFifteenDigits", TValueType::vtInteger, 0, false, "", 123456789012345.4L,
                   "123456789012345", 0},  // beyond 32 bits reads as the lower limit
        FormatCase{"IntegerFromTenToTheFifteen", TValueType::vtInteger, 0, false, "", 1e15L, "1E15", 0},
        FormatCase{"FloatTwoDecimals", TValueType::vtFloat, 2, false, "", 3.14159L, "3,14", 3.14L},
        FormatCase{"FloatGrouped", TValueType::vtFloat, 1, true, "", 12345.67L, "12.345,7", 12345.7L},
        FormatCase{"FloatNoDecimals", TValueType::vtFloat, 0, false, "", 2.5L, "3", 3},
        FormatCase{"FloatPicture", TValueType::vtFloat, 2, false, "#,##0.00 'kg'", 1234.5L, "1.234,50 kg",
                   1234.5L},
        FormatCase{"HexUpperCase", TValueType::vtHex, 2, false, "", 255, "FF", 255},
        FormatCase{"HexHalfToEven", TValueType::vtHex, 2, false, "", 2.5L, "2", 2},
        FormatCase{"HexNegativeIsTheBitPattern", TValueType::vtHex, 2, false, "", -1, "FFFFFFFF", -1}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(SpinValue, IntegerValueTruncatesTowardZero) {
  ScopedLocaleSeparators separators(u'.', u',');
  TSpinEdit box;
  box.SetValueType(TValueType::vtFloat);
  const std::pair<long double, std::int32_t> rows[] = {
      {2.7L, 2}, {-2.7L, -2}, {19.99L, 19}, {4294967297.0L, 1}};
  for (const auto& [value, expected] : rows) {
    box.SetValue(value);
    EXPECT_EQ(box.IntegerValue(), expected) << static_cast<double>(value);
  }
}

TEST(SpinValue, AWholeNumberBeyondThirtyTwoBitsIsReplacedByTheLowerLimit) {
  ScopedLocaleSeparators separators(u'.', u',');
  TSpinEdit box;
  box.SetValue(3000000000.0L);
  EXPECT_EQ(box.Text(), "0");
}

TEST(SpinValue, UnparsableTextReadsAsTheLowerLimit) {
  ScopedLocaleSeparators separators(u'.', u',');
  TSpinEdit box;
  box.SetMinValue(2.5L);
  box.SetCheckOptions({});
  box.SetText(QStringLiteral("x"));
  EXPECT_EQ(box.Value(), 2);  // halves to even in the whole-number kinds
  box.SetValueType(TValueType::vtHex);
  box.SetText(QStringLiteral("G"));
  EXPECT_EQ(box.Value(), 2);
  box.SetValueType(TValueType::vtFloat);
  box.SetText(QStringLiteral("1.2.3"));
  EXPECT_EQ(box.Value(), 2.5L);
}

TEST(SpinValue, ChangingTheKindReadsTheTextAnewAndRoundsTheIncrement) {
  ScopedLocaleSeparators separators(u'.', u',');
  TSpinEdit box;
  box.SetCheckOptions({});
  box.SetValueType(TValueType::vtFloat);
  box.SetIncrement(0.4L);
  box.SetThousands(true);
  box.SetText(QStringLiteral("255"));
  box.SetValueType(TValueType::vtHex);
  EXPECT_EQ(box.Text(), "255");
  EXPECT_EQ(box.Value(), 0x255);
  EXPECT_EQ(box.Increment(), 1);  // 0.4 rounds to 0, which becomes 1
  EXPECT_FALSE(box.Thousands());
  box.SetThousands(true);
  EXPECT_FALSE(box.Thousands());
  box.SetIncrement(2.5L);
  box.SetValueType(TValueType::vtInteger);
  EXPECT_EQ(box.Increment(), 2);
  EXPECT_EQ(box.Text(), "255");
}

struct FlagCase {
  const char* name;
  long double minValue;
  long double maxValue;
  bool checkMin;
  bool checkMax;
  friend void PrintTo(const FlagCase& row, std::ostream* out) { *out << row.name; }
};

class CheckFlagAutomation : public ::testing::TestWithParam<FlagCase> {};

// Each row applies its limits in order (maximum, then minimum) to a fresh box
// outside loading.
TEST_P(CheckFlagAutomation, FlagsFollowTheLimitsBetweenZeroAndNonZero) {
  const FlagCase& row = GetParam();
  TSpinEdit box;
  box.SetMaxValue(row.maxValue);
  box.SetMinValue(row.minValue);
  EXPECT_EQ(box.CheckMinValue(), row.checkMin);
  EXPECT_EQ(box.CheckMaxValue(), row.checkMax);
  EXPECT_TRUE(box.AutoCheckMin());
  EXPECT_TRUE(box.AutoCheckMax());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckFlagAutomation,
    ::testing::Values(FlagCase{"BothZero", 0, 0, false, false}, FlagCase{"OnlyMaximum", 0, 20, true, true},
                      FlagCase{"OnlyMinimum", -5, 0, true, true}, FlagCase{"Both", 1, 20, true, true}),
    [](const ::testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.name); });

TEST(CheckFlags, LimitsBackToZeroClearTheImpliedFlags) {
  TSpinEdit box;
  box.SetMaxValue(20);
  ASSERT_TRUE(box.CheckMinValue());
  box.SetMaxValue(0);
  EXPECT_FALSE(box.CheckMaxValue());
  EXPECT_FALSE(box.CheckMinValue());
}

TEST(CheckFlags, AFlagSetWhileLoadingIsNotMovedByTheLimits) {
  TSpinEdit box;
  box.BeginLoading();
  box.SetCheckMaxValue(false);
  box.SetMaxValue(20);
  EXPECT_FALSE(box.CheckMaxValue());
  EXPECT_FALSE(box.CheckMinValue());
  box.SetValue(25);
  EXPECT_EQ(box.Text(), "25");
  box.EndLoading();
  EXPECT_TRUE(box.AutoCheckMax());
  EXPECT_EQ(box.LastReportedValue(), 25);
}

TEST(CheckFlags, SettingAFlagWhileItsLimitIsNotZeroStoresTrue) {
  TSpinEdit box;
  box.SetMaxValue(10);
  box.SetMinValue(3);
  box.SetCheckMinValue(false);
  EXPECT_TRUE(box.CheckMinValue());
  EXPECT_EQ(box.Text(), "3");
}

class FloatKeyboard : public ::testing::Test {
protected:
  FloatKeyboard() : separators_(u',', u'.') {
    box = new TSpinEdit(&active.window);
    box->SetValueType(TValueType::vtFloat);
    box->SetCheckOptions({});
    box->show();
    box->setFocus();
  }
  ScopedLocaleSeparators separators_;
  ActiveWindow active;
  TSpinEdit* box = nullptr;
};

TEST_F(FloatKeyboard, PointTypesTheLocaleSeparatorAndASecondOneJumpsPastTheFirst) {
  box->SetText(QStringLiteral("12"));
  box->SetSelStart(2);
  test::Type(box, ".5");
  EXPECT_EQ(box->Text(), "12,5");
  box->SetSelStart(0);
  test::Type(box, ".");
  EXPECT_EQ(box->Text(), "12,5");
  EXPECT_EQ(box->SelStart(), 3);
  EXPECT_EQ(box->SelLength(), 0);
}

TEST_F(FloatKeyboard, DeletingTowardTheSeparatorStepsOverIt) {
  box->SetText(QStringLiteral("12,5"));
  box->SetSelStart(2);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->Text(), "12,5");
  EXPECT_EQ(box->SelStart(), 3);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->Text(), "12,5");
  EXPECT_EQ(box->SelStart(), 2);
}

TEST_F(FloatKeyboard, FilterAcceptsOneSeparatorAndOneExponent) {
  box->SetText(QStringLiteral("1"));
  box->SetSelStart(1);
  ScopedBeepCounter beeps;
  test::Type(box, "e5e");
  EXPECT_EQ(box->Text(), "1e5");
  EXPECT_EQ(beeps.Count(), 1);
  EXPECT_EQ(box->Value(), 100000);
}

TEST_F(FloatKeyboard, GroupedPointIsNotTheDecimalSeparator) {
  box->SetThousands(true);
  box->SetText(QStringLiteral("1"));
  box->SetSelStart(1);
  ScopedBeepCounter beeps;
  test::Type(box, ".");
  EXPECT_EQ(box->Text(), "1");
  EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(FloatKeyboard, EditingPictureWhileFocusedAndDisplayPictureAfterwards) {
  box->SetDecimal(2);
  box->SetDisplayFormat(QStringLiteral("#,##0.00 'kg'"));
  box->clearFocus();
  box->SetValue(1234.5L);
  EXPECT_EQ(box->Text(), "1.234,50 kg");
  box->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(box->Text(), "1234,50");
  EXPECT_EQ(box->Value(), 1234.5L);
}

TEST(SpinKeyboard, HexFilterTakesHexDigitsAndEditorDisabledRefusesTyping) {
  ActiveWindow active;
  auto* box = new TSpinEdit(&active.window);
  box->SetValueType(TValueType::vtHex);
  box->show();
  box->setFocus();
  box->SelectAll();
  ScopedBeepCounter beeps;
  test::Type(box, "aFg");
  EXPECT_EQ(box->Text(), "AF");
  EXPECT_EQ(beeps.Count(), 1);
  box->SetEditorEnabled(false);
  test::Type(box, "1");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->Text(), "AF");
  EXPECT_EQ(beeps.Count(), 3);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->Text(), "B0");
}

// Records the keys that reach the window.
class KeyWindow : public QWidget {
public:
  std::vector<int> keys;

protected:
  void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

TEST(SpinKeyboard, EnterAndEscapeGoUpToTheWindowAsDialogKeys) {
  KeyWindow window;
  window.show();
  QApplication::setActiveWindow(&window);
  auto* box = new TSpinEdit(&window);
  box->show();
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(window.keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
  EXPECT_EQ(box->Text(), "0");
}

TEST(SpinKeyboard, InputMethodCharactersPassTheFilter) {
  ActiveWindow active;
  auto* box = new TSpinEdit(&active.window);
  box->show();
  box->setFocus();
  box->SelectAll();
  ScopedBeepCounter beeps;
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("a5"));
  QApplication::sendEvent(box, &commit);
  EXPECT_EQ(box->Text(), "5");
  EXPECT_EQ(beeps.Count(), 1);
}

TEST(SpinKeyboard, TheCaretFollowsInsertedGroupSeparators) {
  ScopedLocaleSeparators separators(u'.', u',');
  ActiveWindow active;
  auto* box = new TSpinEdit(&active.window);
  box->SetThousands(true);
  box->show();
  box->setFocus();
  box->SetValue(999);
  box->SetSelStart(3);
  test::Type(box, "9");
  EXPECT_EQ(box->Text(), "9,999");
  EXPECT_EQ(box->SelStart(), 5);
}

TEST(SpinLayout, StepperSitsInsideTheRightEdgeAndTheTextStopsBeforeIt) {
  ActiveWindow active;
  TSpinEdit* box = test::MakeEditorBox(&active.window);
  box->SetBorderStyle(TBorderStyle::bsNone);
  const TSpinUpDown* stepper = box->UpDownStepper();
  ASSERT_NE(stepper, nullptr);
  EXPECT_EQ(box->StepperWidth(), 15);
  EXPECT_EQ(stepper->geometry(), QRect(50, 0, 15, 21));
  EXPECT_EQ(box->textMargins(), QMargins(0, 0, 17, 0));
  box->setLayoutDirection(Qt::RightToLeft);
  EXPECT_EQ(stepper->geometry(), QRect(0, 0, 15, 21));
  EXPECT_EQ(box->textMargins(), QMargins(16, 0, 1, 0));
}

TEST(SpinLayout, ResizingBelowTheMinimumHeightGrowsBack) {
  ActiveWindow active;
  TSpinEdit* box = test::MakeEditorBox(&active.window);
  EXPECT_EQ(box->MinimumHeight(), 13 + 4 + 1);  // Tahoma 11 px: a 13-pixel cell
  box->resize(65, 5);
  EXPECT_EQ(box->height(), box->MinimumHeight());
}

TEST(SpinLayout, ButtonKindsAndVisibilityRebuildTheStepper) {
  ActiveWindow active;
  auto* box = new TSpinEdit(&active.window);
  box->show();
  ASSERT_NE(box->ButtonStepper(), nullptr);
  EXPECT_EQ(box->ButtonStepper()->ButtonStyle(), TSpinButtonStyle::sbsDefault);
  box->SetButtonKind(TSpinButtonKind::bkClassic);
  EXPECT_EQ(box->ButtonStepper()->ButtonStyle(), TSpinButtonStyle::sbsClassic);
  box->SetButtonKind(TSpinButtonKind::bkStandard);
  EXPECT_EQ(box->ButtonStepper(), nullptr);
  EXPECT_NE(box->UpDownStepper(), nullptr);
  box->SetShowButton(false);
  EXPECT_EQ(box->UpDownStepper(), nullptr);
  EXPECT_EQ(box->StepperWidth(), 0);
  box->SetShowButton(true);
  box->setEnabled(false);
  EXPECT_FALSE(box->UpDownStepper()->isEnabled());
  box->setEnabled(true);
  EXPECT_TRUE(box->UpDownStepper()->isEnabled());
}

TEST(SpinLayout, SpinButtonClicksStepTheBox) {
  ActiveWindow active;
  auto* box = new TSpinEdit(&active.window);
  box->SetBounds(0, 0, 80, 21);
  box->show();
  TSpinButton* button = box->ButtonStepper();
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(box->Text(), "1");
  EXPECT_TRUE(box->hasFocus());
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 2, button->height() - 2));
  EXPECT_EQ(box->Text(), "0");
}

}  // namespace
}  // namespace ostrak
