// The six ratings from attribute values a fighter file can bring, checked
// against hand-worked figures.

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "record/Ratings.h"

namespace ostrak {
namespace {

using F = FighterField;

struct RatingsRow {
  const char* name;
  std::map<FighterField, int> attributes;  // every other attribute at `rest`
  int rest;
  std::array<int, 6> expected;  // ground, striking, defense, fitness, mental, overall
};

// Failure reports name the row instead of dumping its bytes.
void PrintTo(const RatingsRow& row, std::ostream* os) { *os << row.name; }

class RatingsAcceptance : public testing::TestWithParam<RatingsRow> {};

TEST_P(RatingsAcceptance, MatchesTheWorkedFigures) {
  const RatingsRow& row = GetParam();
  AttributeValues values;
  for (const FighterField field : kAttributeFields) values.Set(field, row.rest);
  for (const auto& [field, value] : row.attributes) values.Set(field, value);
  EXPECT_EQ(EvaluateRatings(values).InBarOrder(), row.expected);
}

const RatingsRow kRatingsRows[] = {
    {"all_one", {}, 1, {5, 5, 5, 5, 5, 5}},
    {"all_twenty", {}, 20, {100, 100, 100, 100, 100, 100}},
    // Ground 42 / 4 = 10.5 -> 52.5 -> 52 (half to even); Overall 10.1 -> 50.5
    // -> 50, where the mean of the rounded figures would be 50.4.
    {"ground_half_down_and_overall_from_unrounded",
     {{F::Takedowns, 10}, {F::GroundAndPound, 10}, {F::Submission, 10}, {F::GroundGame, 12}},
     10,
     {52, 50, 50, 50, 50, 50}},
    // Ground 46 / 4 = 11.5 -> 57.5 -> 58.
    {"ground_half_up",
     {{F::Takedowns, 10}, {F::GroundAndPound, 12}, {F::Submission, 12}, {F::GroundGame, 12}},
     1,
     {58, 5, 5, 5, 5, 16}},
    // Striking 59 / 3 = 19.666... -> 98.33 -> 98.
    {"striking_thirds", {{F::Punches, 20}, {F::Kicks, 20}, {F::Clinch, 19}}, 1, {5, 98, 5, 5, 5, 24}},
    // Mental 2 + 1 + 1 = 4 / 3 -> 6.67 -> 7; Defense 5 / 3 -> 8.33 -> 8.
    {"thirds_round_to_nearest",
     {{F::Motivation, 2}, {F::Dodge, 2}, {F::TakedownDefence, 2}},
     1,
     {5, 5, 8, 5, 7, 6}},
    // Fitness uses five attributes: 1+2+3+4+5 = 15 / 5 = 3 -> 15.
    {"fitness_five_attributes",
     {{F::Strength, 1}, {F::Agility, 2}, {F::Stamina, 3}, {F::KOResistance, 4}, {F::Fortitude, 5}},
     1,
     {5, 5, 5, 15, 5, 7}},
    // Each group sees only its own attributes.
    {"kicks_only_in_striking", {{F::Kicks, 20}}, 1, {5, 37, 5, 5, 5, 11}},
};

INSTANTIATE_TEST_SUITE_P(Fighters, RatingsAcceptance, testing::ValuesIn(kRatingsRows),
                         [](const testing::TestParamInfo<RatingsRow>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrak
