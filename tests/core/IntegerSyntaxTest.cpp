#include "core/IntegerSyntax.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>

#include "core/Errors.h"

namespace ostrak {
namespace {

struct IntegerCase {
  const char* name;
  std::string text;
  std::optional<std::int32_t> value;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.name; }

const IntegerCase kIntegerCases[] = {
    {"plain", "7", 7},
    {"leading zeros", "007", 7},
    {"leading spaces", "   7", 7},
    {"minus", "-1", -1},
    {"plus", "+4", 4},
    {"spaces before the sign", "  -12", -12},
    {"minus zero", "-0", 0},
    {"largest", "2147483647", 2147483647},
    {"smallest", "-2147483648", INT32_MIN},
    {"largest with leading zeros", "0000000002147483647", 2147483647},
    {"dollar hex", "$0A", 10},
    {"lower-case hex digits", "$ff", 255},
    {"x hex", "x1F", 31},
    {"X hex", "X1f", 31},
    {"0x hex", "0x10", 16},
    {"0X hex", "0X10", 16},
    {"hex is a 32-bit pattern", "$FFFFFFFF", -1},
    {"hex top bit", "$80000000", INT32_MIN},
    {"hex leading zeros do not count", "$000000000FFFFFFFF", -1},
    {"minus before hex negates", "-$0A", -10},
    {"minus before the all-ones pattern", "-$FFFFFFFF", 1},
    {"minus before the top bit wraps", "-$80000000", INT32_MIN},
    {"plus before hex", "+0x0A", 10},
    {"zero", "0", 0},
    {"largest as 0X hex", "0X7FFFFFFF", 2147483647},
    {"hex one after eight zeros", "$000000001", 1},
    // Failures.
    {"empty", "", std::nullopt},
    {"only spaces", "   ", std::nullopt},
    {"lone minus", "-", std::nullopt},
    {"lone plus", "+", std::nullopt},
    {"trailing space", "7 ", std::nullopt},
    {"leading tab", "\t7", std::nullopt},
    {"two signs", "+-5", std::nullopt},
    {"space between sign and number", "- 5", std::nullopt},
    {"decimal point", "7.0", std::nullopt},
    {"letters", "abc", std::nullopt},
    {"digits then letters", "12ab", std::nullopt},
    {"one above the largest", "2147483648", std::nullopt},
    {"one below the smallest", "-2147483649", std::nullopt},
    {"far too large", "99999999999999999999", std::nullopt},
    {"hex with nine significant digits", "$1FFFFFFFF", std::nullopt},
    {"hex just past 32 bits", "$100000000", std::nullopt},
    {"plus before one above the largest", "+2147483648", std::nullopt},
    {"two minus signs", "--1", std::nullopt},
    {"no-break space before the digits",
     "\xA0"
     "7",
     std::nullopt},
    {"bare dollar", "$", std::nullopt},
    {"bare 0x", "0x", std::nullopt},
    {"sign after dollar", "$-5", std::nullopt},
    {"non-hex digit", "$0G", std::nullopt},
    {"double prefix", "0x$5", std::nullopt},
    {"leading zeros before 0x", "00x5", std::nullopt},
    {"exponent", "1e3", std::nullopt},
    {"byte above ASCII", "7\xA0", std::nullopt},
};

class IntegerSyntax : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerSyntax, ParsesExactlyTheFileSyntax) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(TryStrToInt(c.text), c.value);
  if (c.value) {
    EXPECT_EQ(StrToInt(c.text), *c.value);
  } else {
    try {
      StrToInt(c.text);
      ADD_FAILURE() << "expected a conversion error";
    } catch (const ConversionError& failure) {
      EXPECT_EQ(failure.message(), "'" + c.text + "' is not a valid integer value");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerSyntax, ::testing::ValuesIn(kIntegerCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
});

// Every 32-bit value survives decimal and hexadecimal writing, with a sample
// large enough to reach both ends of the range.
TEST(IntegerSyntaxRoundTrip, DecimalAndHexOfSampledValues) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    const auto value = static_cast<std::int32_t>(random());
    EXPECT_EQ(TryStrToInt(std::to_string(value)), value);
    const char* digits = "0123456789ABCDEF";
    std::string hex = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
      hex += digits[(static_cast<std::uint32_t>(value) >> shift) & 15];
    EXPECT_EQ(TryStrToInt(hex), value) << hex;
  }
}

}  // namespace
}  // namespace ostrak
