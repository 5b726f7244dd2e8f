// The rows that first took each key: every key found again byte for byte,
// however many there are and however long, and no two keys taken as one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/IntToStr.h"
#include "roster/KeyRows.h"

namespace ostrak::test {
namespace {

using roster::KeyRows;

TEST(KeyRows, GivesEachKeyTheRowThatTookItFirst) {
  const std::string longKey(std::size_t{1} << 20 | 3, 'k');  // past a block of keys
  // A key that another begins with, or that differs in case, is another key.
  const struct {
    std::string key;
    int row;
    int taker;  // the row the key belongs to after this one
  } steps[] = {
      {"#0/a.txt", 1, 1}, {"#0/a.txt", 2, 1},   {"#0/a.txt/", 3, 3}, {"#0/a.tx", 4, 4},
      {"", 5, 5},         {"", 6, 5},           {longKey, 7, 7},     {"=0:12", 8, 8},
      {longKey, 9, 7},    {"#0/A.txt", 10, 10}, {"#0/a.txt", 11, 1},
  };
  KeyRows rows;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.key.substr(0, 16) + " row " + IntToStr(step.row));
    const auto [taker, added] = rows.Emplace(step.key, step.row);
    EXPECT_EQ(taker, step.taker);
    EXPECT_EQ(added, step.taker == step.row);
    EXPECT_TRUE(rows.Contains(step.key));
  }
  EXPECT_FALSE(rows.Contains("#0/b.txt"));
  EXPECT_FALSE(rows.Contains(longKey.substr(1)));
}

TEST(KeyRows, FindsEveryKeyAgainAfterGrowingManyTimes) {
  KeyRows rows;
  EXPECT_FALSE(rows.Contains("#0/r/f0.txt"));
  constexpr int kKeys = 200000;
  const auto key = [](int i) { return "#0/r/f" + IntToStr(i) + ".txt"; };
  for (int i = 0; i < kKeys; ++i) ASSERT_TRUE(rows.Emplace(key(i), i + 1).second) << i;
  for (int i = kKeys; i-- > 0;) {
    const auto [taker, added] = rows.Emplace(key(i), -1);
    ASSERT_EQ(taker, i + 1) << i;
    ASSERT_FALSE(added);
  }
  EXPECT_FALSE(rows.Contains(key(kKeys)));
}

}  // namespace
}  // namespace ostrak::test
