// The spin box's number rules: how each kind writes and reads its text, the
// limits, the check flags that follow the limits, the setters that rewrite
// the text, and the stepper's place.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>
#include <string>

#include "EditTestSupport.h"
#include "core/Errors.h"
#include "platform/LocaleSeparators.h"
#include "widgets/spin/SpinButton.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

struct Separators {
  char16_t decimal;
  char16_t thousands;
};
constexpr Separators kPointComma{u'.', u','};
constexpr Separators kCommaPoint{u',', u'.'};

struct FormatCase {
  const char* name;
  TValueType type;
  int decimals;
  bool thousands;
  const char* displayFormat;
  Separators separators;
  long double value;
  const char* text;
};

class SpinEditFormat : public testing::TestWithParam<FormatCase> {};

// A fresh box has no limits to apply and, without the check on change, keeps
// the text as written.
TEST_P(SpinEditFormat, WritesTheText) {
  const FormatCase& c = GetParam();
  ScopedLocaleSeparators locale(c.separators.decimal, c.separators.thousands);
  TSpinEdit box;
  box.SetCheckOptions(TCheckOptions{});  // beyond 32 bits the integer text reads as the lower limit
  box.SetValueType(c.type);
  box.SetDecimal(static_cast<std::uint8_t>(c.decimals));
  box.SetThousands(c.thousands);
  box.SetDisplayFormat(QString::fromUtf8(c.displayFormat));
  box.SetValue(c.value);
  EXPECT_EQ(box.Text().toStdString(), c.text);
}

constexpr TValueType kInt = TValueType::vtInteger;
constexpr TValueType kFloat = TValueType::vtFloat;
constexpr TValueType kHex = TValueType::vtHex;

INSTANTIATE_TEST_SUITE_P(
    AllKinds, SpinEditFormat,
    testing::Values(
        FormatCase{"integer_one", kInt, 2, false, "", kPointComma, 1, "1"},
        FormatCase{"integer_ignores_decimal", kInt, 3, false, "", kPointComma, 20, "20"},
        FormatCase{"integer_half_up", kInt, 0, false, "", kPointComma, 2.5L, "3"},
        FormatCase{"integer_half_down_negative", kInt, 0, false, "", kPointComma, -2.5L, "-3"},
        FormatCase{"integer_small_negative_has_no_sign", kInt, 0, false, "", kPointComma, -0.4L, "0"},
        FormatCase{"integer_fifteen_digits", kInt, 0, false, "", kPointComma, 999999999999999.0L,
                   "999999999999999"},
        FormatCase{"integer_ten_to_fifteen_is_general", kInt, 0, false, "", kPointComma, 1e15L, "1E15"},
        FormatCase{"integer_large_negative_is_general", kInt, 0, false, "", kPointComma, -1.5e20L, "-1.5E20"},
        FormatCase{"integer_grouped", kInt, 0, true, "", kPointComma, 1234567, "1,234,567"},
        FormatCase{"integer_grouped_negative", kInt, 0, true, "", kPointComma, -1234, "-1,234"},
        FormatCase{"integer_grouped_by_locale", kInt, 0, true, "", kCommaPoint, 1234567, "1.234.567"},
        FormatCase{"integer_grouped_general", kInt, 0, true, "", kPointComma, 1e15L, "1E15"},
        FormatCase{"float_two_decimals", kFloat, 2, false, "", kPointComma, 1.5L, "1.50"},
        FormatCase{"float_half_away", kFloat, 2, false, "", kPointComma, 0.125L, "0.13"},
        FormatCase{"float_half_away_negative", kFloat, 2, false, "", kPointComma, -0.125L, "-0.13"},
        FormatCase{"float_rounds_to_unsigned_zero", kFloat, 2, false, "", kPointComma, -0.001L, "0.00"},
        FormatCase{"float_locale_decimal", kFloat, 2, false, "", kCommaPoint, 1234.5L, "1234,50"},
        FormatCase{"float_grouped", kFloat, 2, true, "", kPointComma, 1234.5L, "1,234.50"},
        FormatCase{"float_grouped_by_locale", kFloat, 2, true, "", kCommaPoint, 1234567.25L, "1.234.567,25"},
        FormatCase{"float_no_decimals", kFloat, 0, false, "", kPointComma, 2.5L, "3"},
        FormatCase{"float_beyond_fifteen_digits", kFloat, 2, false, "", kPointComma, 2e15L, "2E15"},
        FormatCase{"float_picture", kFloat, 2, false, "0.0", kPointComma, 2.25L, "2.3"},
        FormatCase{"float_picture_locale", kFloat, 2, false, "0.0", kCommaPoint, 2.25L, "2,3"},
        FormatCase{"float_picture_grouped", kFloat, 2, false, "#,##0.00", kPointComma, 1234.5L, "1,234.50"},
        FormatCase{"hex_upper_case", kHex, 2, false, "", kPointComma, 255, "FF"},
        FormatCase{"hex_one_digit", kHex, 2, false, "", kPointComma, 10, "A"},
        FormatCase{"hex_zero", kHex, 2, false, "", kPointComma, 0, "0"},
        FormatCase{"hex_half_to_even_down", kHex, 2, false, "", kPointComma, 2.5L, "2"},
        FormatCase{"hex_half_to_even_up", kHex, 2, false, "", kPointComma, 3.5L, "4"},
        FormatCase{"hex_half_of_one", kHex, 2, false, "", kPointComma, 0.5L, "0"},
        FormatCase{"hex_negative_pattern", kHex, 2, false, "", kPointComma, -1, "FFFFFFFF"},
        FormatCase{"hex_never_groups", kHex, 2, true, "", kPointComma, 65535, "FFFF"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

struct ReadCase {
  const char* name;
  TValueType type;
  Separators separators;
  long double minimum;
  const char* text;
  long double value;
};

class SpinEditRead : public testing::TestWithParam<ReadCase> {};

// The text is left as typed (no normalising) and read under the kind.
TEST_P(SpinEditRead, ParsesOrFallsBackToTheLowerLimit) {
  const ReadCase& c = GetParam();
  ScopedLocaleSeparators locale(c.separators.decimal, c.separators.thousands);
  TSpinEdit box;
  box.SetCheckOptions(TCheckOptions{});
  box.SetValueType(c.type);
  box.SetMinValue(c.minimum);
  box.SetText(QString::fromUtf8(c.text));
  ASSERT_EQ(box.Text().toStdString(), c.text);
  EXPECT_EQ(box.Value(), c.value);
  EXPECT_EQ(box.Value(), c.value) << "a second read";
  EXPECT_EQ(box.Text().toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, SpinEditRead,
    testing::Values(ReadCase{"integer_plain", kInt, kPointComma, 0, "17", 17},
                    ReadCase{"integer_signed", kInt, kPointComma, 0, "+17", 17},
                    ReadCase{"integer_negative", kInt, kPointComma, 0, "-17", -17},
                    ReadCase{"integer_groups_dropped", kInt, kPointComma, 0, "1,234", 1234},
                    ReadCase{"integer_groups_by_locale", kInt, kCommaPoint, 0, "1.234.567", 1234567},
                    ReadCase{"integer_largest", kInt, kPointComma, 0, "2147483647", 2147483647},
                    ReadCase{"integer_smallest", kInt, kPointComma, 0, "-2147483648", -2147483648.0L},
                    ReadCase{"integer_overflow_falls_back", kInt, kPointComma, 3, "2147483648", 3},
                    ReadCase{"integer_fallback_half_to_even_down", kInt, kPointComma, 2.5L, "5-", 2},
                    ReadCase{"integer_fallback_half_to_even_up", kInt, kPointComma, 3.5L, "x", 4},
                    ReadCase{"integer_fallback_negative_half", kInt, kPointComma, -2.5L, "", -2},
                    ReadCase{"integer_fraction_falls_back", kInt, kPointComma, 1, "2.5", 1},
                    ReadCase{"hex_lower_case", kHex, kPointComma, 0, "ff", 255},
                    ReadCase{"hex_full_pattern", kHex, kPointComma, 0, "FFFFFFFF", -1},
                    ReadCase{"hex_fallback_rounded", kHex, kPointComma, 2.5L, "G", 2},
                    ReadCase{"float_point", kFloat, kPointComma, 0, "1.5", 1.5L},
                    ReadCase{"float_locale_decimal", kFloat, kCommaPoint, 0, "1,5", 1.5L},
                    ReadCase{"float_groups_dropped", kFloat, kCommaPoint, 0, "1.234,5", 1234.5L},
                    ReadCase{"float_exponent", kFloat, kPointComma, 0, "1e3", 1000},
                    ReadCase{"float_fallback_unrounded", kFloat, kPointComma, 2.5L, "abc", 2.5L},
                    ReadCase{"float_empty_falls_back", kFloat, kPointComma, -0.5L, "", -0.5L}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Written, it reads back as no 32-bit integer, so the check on change puts
// the lower limit in its place.
TEST(SpinEditRules, WholeNumberBeyondThirtyTwoBitsBecomesTheLowerLimit) {
  TSpinEdit box;
  box.SetValue(3000000000.0L);
  EXPECT_EQ(box.Text(), "0");
}

TEST(SpinEditRules, SameSeparatorsKeepTheirCharacterInTheText) {
  ScopedLocaleSeparators locale(u'.', u'.');
  TSpinEdit box;
  box.SetCheckOptions(TCheckOptions{});
  box.SetMinValue(4);
  box.SetText("1.234");
  EXPECT_EQ(box.Value(), 4.0L);
}

struct ClampCase {
  long double x;
  long double result;
};

// With the limits crossed, the upper test compares the unclamped number and
// runs second, so it wins.
TEST(SpinEditRules, ClampWithTheLowerLimitAboveTheUpper) {
  TSpinEdit box;
  box.SetMaxValue(5);
  box.SetMinValue(10);
  ASSERT_TRUE(box.CheckMinValue() && box.CheckMaxValue());
  for (const ClampCase& c : {ClampCase{3, 10}, ClampCase{5, 10}, ClampCase{5.5L, 5}, ClampCase{7, 5},
                             ClampCase{10, 5}, ClampCase{12, 5}}) {
    EXPECT_EQ(box.ClampToLimits(c.x), c.result) << static_cast<double>(c.x);
  }
}

TEST(SpinEditRules, ClampWithoutCheckFlagsKeepsTheNumber) {
  TSpinEdit box;
  EXPECT_EQ(box.ClampToLimits(-1e30L), -1e30L);
  EXPECT_EQ(box.EnforceRange(1e30L, true), 1e30L);
}

struct RangeCase {
  const char* name;
  long double minimum;
  long double maximum;
  long double x;
  const char* message;
};

class SpinEditEnforceRange : public testing::TestWithParam<RangeCase> {};

TEST_P(SpinEditEnforceRange, ReportsWithGeneralFormatLimits) {
  const RangeCase& c = GetParam();
  ScopedLocaleSeparators locale(u'.', u',');
  TSpinEdit box;
  box.SetMaxValue(c.maximum);
  box.SetMinValue(c.minimum);
  EXPECT_EQ(box.EnforceRange(c.x, false), box.ClampToLimits(c.x));
  try {
    box.EnforceRange(c.x, true);
    ADD_FAILURE() << "no range error";
  } catch (const RangeError& error) {
    EXPECT_EQ(error.message(), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SpinEditEnforceRange,
    testing::Values(RangeCase{"editor", 1, 20, 25, "Value must be between 1 and 20"},
                    RangeCase{"below", 1, 20, 0, "Value must be between 1 and 20"},
                    RangeCase{"fractions", 0.5L, 2.25L, 3, "Value must be between 0.5 and 2.25"},
                    RangeCase{"negative_and_huge", -1e20L, 1e16L, 2e16L,
                              "Value must be between -1E20 and 1E16"}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(SpinEditRules, EnforceRangeInsideTheLimitsRaisesNothing) {
  TSpinEdit box;
  box.SetMaxValue(20);
  box.SetMinValue(1);
  EXPECT_EQ(box.EnforceRange(20, true), 20.0L);
  EXPECT_EQ(box.EnforceRange(1, true), 1.0L);
}

struct FlagCase {
  const char* name;
  std::function<void(TSpinEdit&)> steps;
  bool checkMin;
  bool checkMax;
  const char* text;
};

class SpinEditCheckFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(SpinEditCheckFlags, FollowTheLimits) {
  const FlagCase& c = GetParam();
  TSpinEdit box;
  c.steps(box);
  EXPECT_EQ(box.CheckMinValue(), c.checkMin);
  EXPECT_EQ(box.CheckMaxValue(), c.checkMax);
  EXPECT_EQ(box.Text().toStdString(), c.text);
  EXPECT_TRUE(box.AutoCheckMin());
  EXPECT_TRUE(box.AutoCheckMax());
}

INSTANTIATE_TEST_SUITE_P(Automation, SpinEditCheckFlags,
                         testing::Values(FlagCase{"fresh", [](TSpinEdit&) {}, false, false, "0"},
                                         FlagCase{"max_to_non_zero_sets_both",
                                                  [](TSpinEdit& b) { b.SetMaxValue(20); }, true, true, "0"},
                                         FlagCase{"min_to_non_zero_sets_both",
                                                  [](TSpinEdit& b) { b.SetMinValue(-5); }, true, true, "0"},
                                         FlagCase{"max_back_to_zero_clears_both",
                                                  [](TSpinEdit& b) {
                                                    b.SetMaxValue(20);
                                                    b.SetMaxValue(0);
                                                  },
                                                  false, false, "0"},
                                         FlagCase{"non_zero_to_non_zero_changes_nothing",
                                                  [](TSpinEdit& b) {
                                                    b.SetMaxValue(20);
                                                    b.SetCheckMinValue(false);
                                                    b.SetMaxValue(30);
                                                  },
                                                  false, true, "0"},
                                         FlagCase{"explicit_max_keeps_min_alone",
                                                  [](TSpinEdit& b) {
                                                    b.SetCheckMaxValue(true);
                                                    b.SetMaxValue(20);
                                                    b.SetValue(-5);
                                                  },
                                                  false, true, "-5"},
                                         FlagCase{"explicit_min_keeps_max_alone",
                                                  [](TSpinEdit& b) {
                                                    b.SetCheckMinValue(true);
                                                    b.SetMinValue(-5);
                                                    b.SetValue(99);
                                                  },
                                                  true, false, "99"},
                                         FlagCase{"clearing_a_flag_with_its_limit_set_stores_true",
                                                  [](TSpinEdit& b) {
                                                    b.SetMinValue(1);
                                                    b.SetCheckMinValue(false);
                                                  },
                                                  true, true, "0"},  // the upper limit 0 is checked too
                                         FlagCase{"flag_set_rewrites_the_value",
                                                  [](TSpinEdit& b) {
                                                    b.SetValue(-7);
                                                    b.SetCheckMinValue(true);
                                                  },
                                                  true, false, "0"},
                                         FlagCase{"editor_order_outside_loading",
                                                  [](TSpinEdit& b) {
                                                    b.SetMaxValue(20);
                                                    b.SetMinValue(1);
                                                    b.SetValue(1);
                                                  },
                                                  true, true, "1"},
                                         FlagCase{"explicit_false_while_loading_stays",
                                                  [](TSpinEdit& b) {
                                                    b.BeginLoading();
                                                    b.SetCheckMaxValue(false);
                                                    b.SetMinValue(3);
                                                    b.SetMaxValue(20);
                                                    b.EndLoading();
                                                    b.SetValue(50);
                                                  },
                                                  true, false, "50"},
                                         FlagCase{"explicit_max_while_loading_blocks_the_automation",
                                                  [](TSpinEdit& b) {
                                                    b.BeginLoading();
                                                    b.SetCheckMaxValue(true);
                                                    b.SetMaxValue(20);
                                                    b.SetMaxValue(0);
                                                    b.EndLoading();
                                                  },
                                                  false, true, "0"}),
                         [](const testing::TestParamInfo<FlagCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(SpinEditRules, LoadingClearsTheAutomaticFlagsUntilItEnds) {
  TSpinEdit box;
  box.BeginLoading();
  box.SetMaxValue(20);
  EXPECT_FALSE(box.AutoCheckMax());
  EXPECT_FALSE(box.AutoCheckMin());
  box.SetMinValue(1);
  EXPECT_EQ(box.Text(), "1");
  box.SetValue(5);
  box.EndLoading();
  EXPECT_TRUE(box.AutoCheckMin());
  EXPECT_TRUE(box.AutoCheckMax());
  EXPECT_EQ(box.LastReportedValue(), 5.0L);
}

TEST(SpinEditRules, ValueTypeRewritesUnderTheNewKindAndRoundsTheIncrement) {
  TSpinEdit box;
  box.SetValue(255);
  box.SetIncrement(2.5L);
  box.SetThousands(true);
  box.SetValueType(TValueType::vtHex);
  EXPECT_EQ(box.Increment(), 2.0L);
  EXPECT_FALSE(box.Thousands());
  EXPECT_EQ(box.Text(), "255");  // read as hexadecimal 255
  EXPECT_EQ(box.Value(), 597.0L);
  box.SetThousands(true);
  EXPECT_FALSE(box.Thousands());

  box.SetValueType(TValueType::vtFloat);
  box.SetIncrement(0.4L);
  EXPECT_EQ(box.Text(), "255.00");  // the text read as a float
  box.SetValueType(TValueType::vtInteger);
  EXPECT_EQ(box.Increment(), 1.0L);  // 0.4 rounds to 0, which becomes 1
  EXPECT_EQ(box.Text(), "0");        // "255.00" is no integer: the lower limit
  box.SetValueType(TValueType::vtFloat);
  box.SetIncrement(3.5L);
  box.SetValueType(TValueType::vtHex);
  EXPECT_EQ(box.Increment(), 4.0L);
}

TEST(SpinEditRules, DecimalRewritesAndDisplayFormatWaits) {
  ScopedLocaleSeparators locale(u'.', u',');
  TSpinEdit box;
  box.SetValueType(TValueType::vtFloat);
  box.SetValue(1.5L);
  ASSERT_EQ(box.Text(), "1.50");
  box.SetDecimal(3);
  EXPECT_EQ(box.Text(), "1.500");
  box.SetDisplayFormat("0.0");
  EXPECT_EQ(box.Text(), "1.500");
  box.SetValue(2);
  EXPECT_EQ(box.Text(), "2.0");
  EXPECT_EQ(box.StandardDisplayFormat(), ",0.##");
}

TEST(SpinEditRules, IntegerValueTruncatesTowardZero) {
  TSpinEdit box;
  box.SetValueType(TValueType::vtFloat);
  for (const ClampCase& c : {ClampCase{2.7L, 2}, ClampCase{-2.7L, -2}, ClampCase{0.99L, 0},
                             ClampCase{4294967297.0L, 1}, ClampCase{2147483648.0L, -2147483648.0L}}) {
    box.SetValue(c.x);
    EXPECT_EQ(box.IntegerValue(), static_cast<std::int32_t>(c.result)) << static_cast<double>(c.x);
  }
}

TEST(SpinEditRules, StepperSitsAtTheEdgeAndTheTextStaysClearOfIt) {
  QWidget window;
  auto* shown = new TSpinEdit(&window);
  TSpinEdit& box = *shown;
  ApplyEditorAttributeConfiguration(box);
  box.SetBounds(0, 0, 65, 21);
  window.show();
  const TRect client = box.ClientRect();
  const int border = (65 - client.Width()) / 2;
  EXPECT_EQ(box.StepperWidth(), 15);
  ASSERT_NE(box.UpDownStepper(), nullptr);
  EXPECT_EQ(box.UpDownStepper()->geometry(),
            QRect(border + client.Width() - 15, border, 15, client.Height()));
  EXPECT_EQ(box.textMargins().left(), 0);
  EXPECT_EQ(box.textMargins().right(), 17);

  box.setLayoutDirection(Qt::RightToLeft);
  EXPECT_EQ(box.UpDownStepper()->geometry(), QRect(border, border, 15, client.Height()));
  EXPECT_EQ(box.textMargins().left(), 16);
  EXPECT_EQ(box.textMargins().right(), 1);

  box.SetShowButton(false);
  EXPECT_EQ(box.StepperWidth(), 0);
  EXPECT_EQ(box.UpDownStepper(), nullptr);
}

TEST(SpinEditRules, EveryKindHasItsStepperAndEnablingReachesIt) {
  TSpinEdit box;
  ASSERT_EQ(box.ButtonKind(), TSpinButtonKind::bkDiagonal);
  ASSERT_NE(box.ButtonStepper(), nullptr);
  EXPECT_EQ(box.ButtonStepper()->ButtonStyle(), TSpinButtonStyle::sbsDefault);
  box.SetEnabled(false);
  EXPECT_FALSE(box.ButtonStepper()->isEnabled());
  box.SetButtonKind(TSpinButtonKind::bkClassic);
  EXPECT_EQ(box.ButtonStepper()->ButtonStyle(), TSpinButtonStyle::sbsClassic);
  EXPECT_FALSE(box.ButtonStepper()->isEnabled());
  box.SetButtonKind(TSpinButtonKind::bkStandard);
  EXPECT_EQ(box.ButtonStepper(), nullptr);
  ASSERT_NE(box.UpDownStepper(), nullptr);
  EXPECT_FALSE(box.UpDownStepper()->isEnabled());
  box.SetEnabled(true);
  EXPECT_TRUE(box.UpDownStepper()->isEnabled());
}

// Tahoma bold 11 px is 13 pixels high on the platform: 13 + 4 * 1 + 1.
TEST(SpinEditRules, ResizingBelowTheMinimumGrowsToIt) {
  TSpinEdit box;
  TFont font("Tahoma", -11, TFontStyle::fsBold);
  box.SetFont(font);
  EXPECT_EQ(box.MinimumHeight(), 18);
  box.SetBounds(0, 0, 65, 5);
  EXPECT_EQ(box.Height(), 18);
  box.SetBounds(0, 0, 65, 30);
  EXPECT_EQ(box.Height(), 30);
}

}  // namespace
}  // namespace ostrak
