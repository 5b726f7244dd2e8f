#include "record/Ratings.h"

#include <gtest/gtest.h>

#include <limits>

namespace ostrak {
namespace {

using F = FighterField;

AttributeValues AllAt(std::int32_t value) {
  AttributeValues attributes;
  for (const FighterField field : kAttributeFields) attributes.Set(field, value);
  return attributes;
}

struct RatingsCase {
  const char* name;
  std::vector<std::pair<FighterField, std::int32_t>> changes;  // on top of all at 10
  Ratings expected;
};

void PrintTo(const RatingsCase& c, std::ostream* os) { *os << c.name; }

const RatingsCase kRatingsCases[] = {
    {"all_at_ten", {}, {50, 50, 50, 50, 50, 50}},
    // 42 / 4 = 10.5 -> 52.5 -> 52, and Overall 10.1 -> 50.5 -> 50 although
    // the rounded percentages average 50.4.
    {"ground_tie_goes_down", {{F::GroundGame, 12}}, {52, 50, 50, 50, 50, 50}},
    {"ground_tie_goes_up", {{F::GroundGame, 16}}, {58, 50, 50, 50, 50, 52}},
    {"striking_repeating_fraction",
     {{F::Punches, 20}, {F::Kicks, 20}, {F::Clinch, 19}},
     {50, 98, 50, 50, 50, 60}},
    {"fitness_of_five", {{F::Strength, 20}, {F::KOResistance, 1}}, {50, 50, 50, 51, 50, 50}},
    {"mental_and_defense",
     {{F::Motivation, 1}, {F::Pace, 2}, {F::Aggressivity, 2}, {F::Dodge, 13}, {F::TakedownDefence, 13}},
     {50, 50, 60, 50, 8, 44}},
};

class RatingsTable : public ::testing::TestWithParam<RatingsCase> {};

TEST_P(RatingsTable, GroupsAverageAndRoundHalvesToEven) {
  AttributeValues attributes = AllAt(10);
  for (const auto& [field, value] : GetParam().changes) attributes.Set(field, value);
  const Ratings ratings = EvaluateRatings(attributes);
  EXPECT_EQ(ratings.InBarOrder(), GetParam().expected.InBarOrder());
}

INSTANTIATE_TEST_SUITE_P(Table, RatingsTable, ::testing::ValuesIn(kRatingsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Ratings, ExtremesGiveFiveAndOneHundred) {
  EXPECT_EQ(EvaluateRatings(AllAt(1)).InBarOrder(), (std::array<int, 6>{5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(EvaluateRatings(AttributeValues()).InBarOrder(), (std::array<int, 6>{5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(EvaluateRatings(AllAt(20)).InBarOrder(), (std::array<int, 6>{100, 100, 100, 100, 100, 100}));
}

// A file can hold attributes far outside 1..20; five times their average
// stops at the ends of the int range instead of overflowing.
TEST(Ratings, AttributesBeyondTheScaleStopAtTheEndsOfTheIntRange) {
  constexpr int kMax = std::numeric_limits<std::int32_t>::max();
  constexpr int kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(EvaluateRatings(AllAt(kMax)).InBarOrder(),
            (std::array<int, 6>{kMax, kMax, kMax, kMax, kMax, kMax}));
  EXPECT_EQ(EvaluateRatings(AllAt(kMin)).InBarOrder(),
            (std::array<int, 6>{kMin, kMin, kMin, kMin, kMin, kMin}));
  EXPECT_EQ(EvaluateRatings(AllAt(429496729)).ground, 2147483645);
}

// Every single attribute belongs to exactly the group its rating names.
TEST(Ratings, EachAttributeMovesOnlyItsGroup) {
  const std::pair<FighterField, int> groups[] = {
      {F::Takedowns, 0},
      {F::GroundAndPound, 0},
      {F::Submission, 0},
      {F::GroundGame, 0},
      {F::Punches, 1},
      {F::Kicks, 1},
      {F::Clinch, 1},
      {F::Dodge, 2},
      {F::TakedownDefence, 2},
      {F::SubmissionDefence, 2},
      {F::Strength, 3},
      {F::Agility, 3},
      {F::Stamina, 3},
      {F::KOResistance, 3},
      {F::Fortitude, 3},
      {F::Motivation, 4},
      {F::Pace, 4},
      {F::Aggressivity, 4},
  };
  for (const auto& [field, group] : groups) {
    AttributeValues attributes = AllAt(1);
    attributes.Set(field, 20);
    const auto bars = EvaluateRatings(attributes).InBarOrder();
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(bars[static_cast<std::size_t>(i)] > 5, i == group) << Describe(field).englishLabel;
    }
  }
}

// Overall comes from the unrounded averages: away from exact halves it must
// agree with exact rational arithmetic. At an exact half the thirds and
// fifths are already rounded in extended precision, so either neighbour can
// result, as it does for the stored program's arithmetic.
TEST(Ratings, OverallMatchesExactArithmetic) {
  std::uint32_t seed = 12345;
  for (int n = 0; n < 5000; ++n) {
    AttributeValues attributes;
    for (const FighterField field : kAttributeFields) {
      seed = seed * 1103515245u + 12345u;
      attributes.Set(field, static_cast<std::int32_t>(1 + (seed >> 16) % 20));
    }
    auto sum = [&](std::initializer_list<F> fields) {
      long long s = 0;
      for (const F f : fields) s += attributes.Get(f);
      return s;
    };
    // Overall x 5 = (G/4 + S/3 + D/3 + F/5 + M/3), over the common denominator 60.
    const long long numerator =
        15 * sum({F::Takedowns, F::GroundAndPound, F::Submission, F::GroundGame}) +
        20 * sum({F::Punches, F::Kicks, F::Clinch}) +
        20 * sum({F::Dodge, F::TakedownDefence, F::SubmissionDefence}) +
        12 * sum({F::Strength, F::Agility, F::Stamina, F::KOResistance, F::Fortitude}) +
        20 * sum({F::Motivation, F::Pace, F::Aggressivity});
    const long long whole = numerator / 60;
    const long long twice = 2 * (numerator % 60);
    const int overall = EvaluateRatings(attributes).overall;
    if (twice == 60) {
      ASSERT_TRUE(overall == whole || overall == whole + 1) << numerator << "/60";
    } else {
      ASSERT_EQ(overall, twice < 60 ? whole : whole + 1) << numerator << "/60";
    }
  }
}

}  // namespace
}  // namespace ostrak
