#include "core/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace ostrak {
namespace {

struct MulDivCase {
  const char* name;
  int a, b, c;
  int expected;
};

void PrintTo(const MulDivCase& row, std::ostream* out) { *out << row.name; }

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero) {
  const MulDivCase& row = GetParam();
  EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MulDivTest,
    ::testing::Values(
        MulDivCase{"exact", 6, 4, 3, 8}, MulDivCase{"below half rounds down", 7, 1, 3, 2},
        MulDivCase{"above half rounds up", 8, 1, 3, 3}, MulDivCase{"positive half rounds up", 5, 1, 2, 3},
        MulDivCase{"negative half rounds away from zero", -5, 1, 2, -3},
        MulDivCase{"negative divisor half", 5, 1, -2, -3}, MulDivCase{"both negative", -5, 1, -2, 3},
        MulDivCase{"green byte of band 1 of 255", 1, 255, 254, 1},
        MulDivCase{"green byte of band 127 of 255", 127, 255, 254, 128},
        MulDivCase{"negative delta step", 13, -119, 27, -57},
        MulDivCase{"product beyond 32 bits", 100000, 100000, 100000, 100000},
        MulDivCase{"zero divisor", 3, 4, 0, -1}, MulDivCase{"result above 32 bits", INT_MAX, 2, 1, -1},
        MulDivCase{"smallest 32-bit result", INT_MIN, 1, 1, INT_MIN}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
}  // namespace ostrak
