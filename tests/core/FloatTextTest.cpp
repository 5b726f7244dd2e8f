#include "core/FloatText.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/FloatPicture.h"

namespace ostrak {
namespace {

struct TextCase {
  const char* name;
  long double value;
  int digits;
  const char* expected;
  friend void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }
};

class FixedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FixedText, RoundsHalvesAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FloatTextFixed(GetParam().value, GetParam().digits, ","), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedText,
    ::testing::Values(TextCase{"Whole", 20, 0, "20"}, TextCase{"HalfUp", 2.5L, 0, "3"},
                      TextCase{"NegativeHalf", -2.5L, 0, "-3"}, TextCase{"JustBelowHalf", 2.4999L, 0, "2"},
                      TextCase{"NegativeRoundingToZero", -0.4L, 0, "0"},
                      TextCase{"Decimals", 3.14159L, 2, "3,14"},
                      TextCase{"BinaryBelowTheHalf", 2.675, 2, "2,67"},  // the double is 2.67499999...
                      TextCase{"PaddedDecimals", 1, 3, "1,000"},
                      TextCase{"FifteenSignificant", 0.1234567890123456789L, 18, "0,123456789012346000"},
                      TextCase{"LargestPlain", 999999999999999.0L, 0, "999999999999999"},
                      TextCase{"CarryIntoGeneral", 999999999999999.5L, 0, "1E15"},
                      TextCase{"TenToTheFifteen", 1e15L, 2, "1E15"},
                      TextCase{"Huge", -1.5e20L, 0, "-1,5E20"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(NumberText, GroupsTheIntegerDigitsByThree) {
  EXPECT_EQ(FloatTextFixed(1234567.891L, 2, ",", "."), "1.234.567,89");
  EXPECT_EQ(FloatTextFixed(-999, 0, ".", ","), "-999");
  EXPECT_EQ(FloatTextFixed(-1000, 0, ".", ","), "-1,000");
  EXPECT_EQ(FloatTextFixed(0.5L, 0, ".", ","), "1");
}

class GeneralText : public ::testing::TestWithParam<TextCase> {};

TEST_P(GeneralText, IsTheShorterOfPlainAndScientific) {
  EXPECT_EQ(FloatTextGeneral(GetParam().value, GetParam().digits, "."), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralText,
    ::testing::Values(TextCase{"One", 1, 15, "1"}, TextCase{"Twenty", 20, 15, "20"},
                      TextCase{"Zero", 0, 15, "0"}, TextCase{"Fraction", 0.1L, 15, "0.1"},
                      TextCase{"Negative", -2.25L, 15, "-2.25"},
                      TextCase{"TenToTheFifteen", 1e15L, 15, "1E15"},
                      TextCase{"FifteenNines", 999999999999999.0L, 15, "999999999999999"},
                      TextCase{"Small", 0.0001L, 15, "0.0001"}, TextCase{"Smaller", 0.00001L, 15, "1E-5"},
                      TextCase{"Rounded", 2.0L / 3.0L, 15, "0.666666666666667"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(GeneralText, NonFiniteValuesHaveNames) {
  EXPECT_EQ(FloatTextGeneral(std::numeric_limits<long double>::infinity(), 15, "."), "INF");
  EXPECT_EQ(FloatTextFixed(-std::numeric_limits<long double>::infinity(), 2, "."), "-INF");
  EXPECT_EQ(FloatTextGeneral(std::numeric_limits<long double>::quiet_NaN(), 15, "."), "NAN");
}

struct PictureCase {
  const char* name;
  const char* picture;
  long double value;
  const char* expected;
  friend void PrintTo(const PictureCase& row, std::ostream* out) { *out << row.name; }
};

class Picture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Picture, FormatsByThePicture) {
  const auto text = FormatFloatPicture(GetParam().value, GetParam().picture, ",", ".");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Picture,
    ::testing::Values(PictureCase{"ZeroPlaceholders", "000.00", 1.5L, "001,50"},
                      PictureCase{"HashesDropZeros", "#.##", 1.5L, "1,5"},
                      PictureCase{"NoFractionNoSeparator", "0.##", 2, "2"},
                      PictureCase{"Grouped", "#,##0.00", 1234567.891L, "1.234.567,89"},
                      PictureCase{"ExtraDigitsGoToTheFirstPlaceholder", "0", 12345, "12345"},
                      PictureCase{"LiteralsInterleave", "00-00", 1234, "12-34"},
                      PictureCase{"QuotedLiteral", "0.0 'kg'", 2.25L, "2,3 kg"},
                      PictureCase{"NegativeGetsAMinus", "0.0", -2.25L, "-2,3"},
                      PictureCase{"NegativeSection", "0.0;(0.0)", -2.25L, "(2,3)"},
                      PictureCase{"ZeroSection", "0.0;-0.0;'nil'", 0.01L, "nil"},
                      PictureCase{"RoundsToZeroWithoutSign", "0", -0.4L, "0"},
                      PictureCase{"Scientific", "0.00E+00", 1234.5L, "1,23E+03"},
                      PictureCase{"ScientificNegativeExponent", "0.0E-0", 0.0009765625L, "9,8E-4"},
                      PictureCase{"ScientificPositiveWithoutSign", "0.0E-0", 125, "1,3E2"}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

TEST(Picture, LeavesHugeNumbersAndEmptyPicturesToTheGeneralFormat) {
  EXPECT_FALSE(FormatFloatPicture(1e15L, "0", ",", ".").has_value());
  EXPECT_FALSE(FormatFloatPicture(1, "", ",", ".").has_value());
  EXPECT_TRUE(FormatFloatPicture(1e15L, "0E+0", ",", ".").has_value());
}

}  // namespace
}  // namespace ostrak
