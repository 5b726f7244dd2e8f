#include "core/FloatFormat.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "core/Rounding.h"

namespace ostrak {
namespace {

struct GeneralCase {
  const char* name;
  long double value;
  std::string text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }

const GeneralCase kGeneralCases[] = {
    {"whole number", 7, "7"},
    {"largest attribute", 20, "20"},
    {"zero", 0, "0"},
    {"negative zero", -0.0L, "0"},
    {"negative", -1.5L, "-1.5"},
    {"one third", 1.0L / 3, "0.333333333333333"},
    {"two thirds rounds up", 2.0L / 3, "0.666666666666667"},
    {"fifteen digits stay plain", 123456789012345.0L, "123456789012345"},
    {"ten to the fifteenth is scientific", 1e15L, "1E15"},
    {"sixteen digits round to scientific", 1234567890123456.0L, "1.23456789012346E15"},
    {"rounding up to a power of ten", 999999999999999.9L, "1E15"},
    {"large", 1e20L, "1E20"},
    {"ten thousandth stays plain", 0.0001L, "0.0001"},
    {"smaller is scientific", 0.00001L, "1E-5"},
    {"small with digits", 1.5e-7L, "1.5E-7"},
    {"exact tie rounds away from zero", 123456789012344.5L, "123456789012345"},
    {"negative tie rounds away from zero", -123456789012344.5L, "-123456789012345"},
    {"not a number", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    {"infinity", std::numeric_limits<long double>::infinity(), "INF"},
    {"minus infinity", -std::numeric_limits<long double>::infinity(), "-INF"},
    {"smallest denormal", std::numeric_limits<long double>::denorm_min(), "3.64519953188247E-4951"},
    {"largest", std::numeric_limits<long double>::max(), "1.18973149535723E4932"},
};

class GeneralFormat : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, WritesFifteenSignificantDigits) {
  EXPECT_EQ(FormatFloatGeneral(GetParam().value), GetParam().text);
}

std::string CaseName(const char* text) {
  std::string name = text;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, GeneralFormat, ::testing::ValuesIn(kGeneralCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(GeneralFormatOptions, UsesTheGivenSeparatorAndPrecision) {
  EXPECT_EQ(FormatFloatGeneral(2.5L, 15, ","), "2,5");
  EXPECT_EQ(FormatFloatGeneral(1.5e-7L, 15, ","), "1,5E-7");
  EXPECT_EQ(FormatFloatGeneral(1234.5L, 4), "1235");
  EXPECT_EQ(FormatFloatGeneral(12345.0L, 4), "1.235E4");
}

struct FixedCase {
  const char* name;
  long double value;
  int decimals;
  std::string fixed;
  std::string number;  // with ',' grouping
};

void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.name; }

const FixedCase kFixedCases[] = {
    {"whole number", 20, 0, "20", "20"},
    {"half rounds away from zero", 2.5L, 0, "3", "3"},
    {"negative half rounds away from zero", -2.5L, 0, "-3", "-3"},
    {"below half", 2.4999L, 0, "2", "2"},
    {"rounds to zero without a sign", -0.4L, 0, "0", "0"},
    {"pads decimals", 1.5L, 3, "1.500", "1.500"},
    {"rounds decimals", 1.23456L, 2, "1.23", "1.23"},
    {"decimal tie away from zero", 0.125L, 2, "0.13", "0.13"},
    {"small keeps leading zero", 0.05L, 1, "0.1", "0.1"},
    {"tiny rounds to zero", 1e-30L, 2, "0.00", "0.00"},
    {"grouping", 1234567.5L, 1, "1234567.5", "1,234,567.5"},
    {"digits beyond fifteen are zeros", 123456789012345.678L, 2, "123456789012346.00",
     "123,456,789,012,346.00"},
    {"ten to the fifteenth is general", 1e15L, 0, "1E15", "1E15"},
    {"rounding up to ten to the fifteenth", 999999999999999.5L, 0, "1E15", "1E15"},
    {"largest plain", 999999999999999.0L, 0, "999999999999999", "999,999,999,999,999"},
    {"negative grouped", -1234.0L, 0, "-1234", "-1,234"},
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, RoundsHalvesAwayFromZero) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFloatFixed(c.value, c.decimals), c.fixed);
  EXPECT_EQ(FormatFloatNumber(c.value, c.decimals, ".", ","), c.number);
  if (c.decimals == 0) {
    EXPECT_EQ(FormatFloatInteger(c.value), c.fixed);
    EXPECT_EQ(FormatFloatInteger(c.value, ","), c.number);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, FixedFormat, ::testing::ValuesIn(kFixedCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(FixedFormatOptions, UsesTheGivenSeparators) {
  EXPECT_EQ(FormatFloatFixed(1.5L, 2, ","), "1,50");
  EXPECT_EQ(FormatFloatNumber(1234567.25L, 2, ",", "."), "1.234.567,25");
  EXPECT_EQ(FormatFloatNumber(1234567.0L, 0, ".", "\xE2\x80\xAF"),
            "1\xE2\x80\xAF"
            "234\xE2\x80\xAF"
            "567");
}

// Away from exact ties, rounding to nearest has one answer: the library's
// correctly rounded scientific text must agree digit for digit.
TEST(GeneralFormatDigits, AgreeWithCorrectlyRoundedConversion) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-3, 14);
  for (int i = 0; i < 5000; ++i) {
    const long double value =
        static_cast<long double>(mantissa(random)) * std::pow(10.0L, exponent(random)) / 3;
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    std::string expected(buffer, end);  // d.dddddddddddddde±XX
    std::string digits = expected.substr(0, 1) + expected.substr(2, 14);
    const std::string text = FormatFloatGeneral(value);
    std::string written;
    for (const char c : text) {
      if (c >= '0' && c <= '9') written += c;
    }
    // Strip the zeros the general format drops or adds around the digits.
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    written.erase(0, written.find_first_not_of('0'));
    while (!written.empty() && written.back() == '0') written.pop_back();
    ASSERT_EQ(written, digits) << text << " vs " << expected;
  }
}

struct RoundingCase {
  long double value;
  long double rounded;
};

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  const RoundingCase cases[] = {{62.5L, 62}, {63.5L, 64},  {52.5L, 52},  {57.5L, 58},
                                {0.5L, 0},   {1.5L, 2},    {-2.5L, -2},  {-3.5L, -4},
                                {98.3L, 98}, {50.49L, 50}, {50.51L, 51}, {-0.2L, -0.0L}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << static_cast<double>(c.value);
}

}  // namespace
}  // namespace ostrak
