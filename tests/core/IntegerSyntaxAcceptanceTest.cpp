// The number lines of a fighter file, checked from the outside: every row is
// a text a roster maintainer might meet and what the editor makes of it.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "core/Errors.h"
#include "core/IntegerSyntax.h"
#include "support/FailureMessage.h"

namespace ostrak {
namespace {

using test::MessageOf;

struct IntegerRow {
  const char* name;
  std::string text;
  std::optional<std::int32_t> value;  // nullopt: a conversion error
};

// Failure reports name the row instead of dumping its bytes.
void PrintTo(const IntegerRow& row, std::ostream* os) { *os << row.name; }

class IntegerAcceptance : public testing::TestWithParam<IntegerRow> {};

TEST_P(IntegerAcceptance, ParsesOrFailsWithTheLineQuoted) {
  const IntegerRow& row = GetParam();
  if (row.value) {
    EXPECT_EQ(StrToInt(row.text), *row.value);
    return;
  }
  EXPECT_EQ(MessageOf<ConversionError>([&] { StrToInt(row.text); }),
            "'" + row.text + "' is not a valid integer value");
}

const IntegerRow kIntegerRows[] = {
    {"plain", "7", 7},
    {"leading_spaces", "   7", 7},
    {"trailing_space", "7 ", std::nullopt},
    {"leading_tab", "\t7", std::nullopt},
    {"trailing_tab", "7\t", std::nullopt},
    {"plus", "+7", 7},
    {"minus", "-7", -7},
    {"minus_zero", "-0", 0},
    {"spaces_then_sign", "  -12", -12},
    {"space_between_sign_and_digits", "- 1", std::nullopt},
    {"leading_zeros", "007", 7},
    {"many_leading_zeros", "000000000000000000002147483647", 2147483647},
    {"dollar_hex", "$0A", 10},
    {"lower_x_hex", "x1F", 31},
    {"upper_x_hex", "X1f", 31},
    {"zero_x_hex", "0x14", 20},
    {"zero_upper_x_hex", "0X7FFFFFFF", 2147483647},
    {"zero_x_alone", "0x", std::nullopt},
    {"dollar_alone", "$", std::nullopt},
    {"x_alone", "x", std::nullopt},
    {"hex_all_ones_is_minus_one", "$FFFFFFFF", -1},
    {"hex_sign_bit", "$80000000", -2147483647 - 1},
    {"hex_nine_significant_digits", "$100000000", std::nullopt},
    {"hex_leading_zeros_do_not_count", "$000000001", 1},
    {"hex_many_leading_zeros", "0x00000000FFFFFFFE", -2},
    {"negated_hex", "-$1", -1},
    {"negated_hex_pattern", "-$FFFFFFFF", 1},
    {"hex_digit_after_decimal", "12A", std::nullopt},
    {"hex_with_bad_digit", "$1G", std::nullopt},
    {"double_prefix", "$0x1", std::nullopt},
    {"largest", "2147483647", 2147483647},
    {"one_above_largest", "2147483648", std::nullopt},
    {"one_above_largest_with_plus", "+2147483648", std::nullopt},
    {"smallest", "-2147483648", -2147483647 - 1},
    {"one_below_smallest", "-2147483649", std::nullopt},
    {"twenty_digits", "99999999999999999999", std::nullopt},
    {"double_minus", "--1", std::nullopt},
    {"plus_minus", "+-1", std::nullopt},
    {"lone_plus", "+", std::nullopt},
    {"lone_minus", "-", std::nullopt},
    {"empty", "", std::nullopt},
    {"spaces_only", "   ", std::nullopt},
    {"letters", "abc", std::nullopt},
    {"decimal_point", "7.0", std::nullopt},
    {"thousands", "1,000", std::nullopt},
    {"inner_space", "1 2", std::nullopt},
    {"windows_1252_letter", "\xF1", std::nullopt},
    {"nbsp_before_digits",
     "\xA0"
     "7",
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Lines, IntegerAcceptance, testing::ValuesIn(kIntegerRows),
                         [](const testing::TestParamInfo<IntegerRow>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrak
