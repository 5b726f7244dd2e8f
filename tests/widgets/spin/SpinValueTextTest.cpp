#include "widgets/spin/SpinValueText.h"

#include <gtest/gtest.h>

namespace ostrak {
namespace {

TEST(SpinValueText, WholeNumbersAreSignedDecimalThirtyTwoBit) {
  EXPECT_EQ(ParseDecimalInt32(QStringLiteral("+5")), 5);
  EXPECT_EQ(ParseDecimalInt32(QStringLiteral("-2147483648")), INT32_MIN);
  EXPECT_EQ(ParseDecimalInt32(QStringLiteral("2147483647")), INT32_MAX);
  for (const char* refused : {"2147483648", "-2147483649", "", "-", " 5", "5 ", "$A", "5-", "1.0"}) {
    EXPECT_FALSE(ParseDecimalInt32(QString::fromLatin1(refused)).has_value()) << refused;
  }
}

TEST(SpinValueText, FloatsUseTheGivenSeparator) {
  EXPECT_EQ(ParseFloat(QStringLiteral("  1,5  "), u','), 1.5L);
  EXPECT_EQ(ParseFloat(QStringLiteral("-,5e1"), u','), -5.0L);
  EXPECT_EQ(ParseFloat(QStringLiteral("2,"), u','), 2.0L);
  EXPECT_EQ(ParseFloat(QStringLiteral("1E-5000"), u','), 0.0L);
  EXPECT_EQ(ParseFloat(QStringLiteral(",0001e-5000"), u','), 0.0L);
  for (const char* refused :
       {"1.5", ",", "e5", "1e", "1e+", "1,5,", "1e5000", ",1e5000", "inf", "nan", "1 5"}) {
    EXPECT_FALSE(ParseFloat(QString::fromLatin1(refused), u',').has_value()) << refused;
  }
}

TEST(SpinValueText, PictureTextIsCleanedToItsNumber) {
  EXPECT_EQ(CleanPictureText(QStringLiteral("1.234,50 kg"), u','), "1234,50");
  EXPECT_EQ(CleanPictureText(QStringLiteral("-1,5E+03 EUR"), u','), "-1,5E+03");
  EXPECT_EQ(CleanPictureText(QStringLiteral("$-7"), u'.'), "-7");
}

TEST(SpinValueText, IntegersTruncateToTheirLowThirtyTwoBits) {
  EXPECT_EQ(TruncateToInt32(-2.7L), -2);
  EXPECT_EQ(TruncateToInt32(4294967295.9L), -1);
  EXPECT_EQ(TruncateToInt32(-4294967297.0L), -1);
  EXPECT_EQ(TruncateToInt32(std::numeric_limits<long double>::infinity()), 0);
  EXPECT_EQ(Hex32Text(-1), "FFFFFFFF");
  EXPECT_EQ(Hex32Text(0), "0");
}

}  // namespace
}  // namespace ostrak
