#include "core/FloatPicture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ostrak {
namespace {

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
