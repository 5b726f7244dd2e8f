#include "record/Ratings.h"

#include <climits>
#include <initializer_list>

#include "core/Rounding.h"

namespace ostrak {

namespace {

// long double is the x87 80-bit type here: a 64-bit mantissa, round to nearest.
using Extended = long double;
static_assert(sizeof(Extended) > sizeof(double), "ratings need the extended type");

Extended Average(const AttributeValues& attributes, std::initializer_list<FighterField> group) {
  std::int64_t sum = 0;  // 64 bits: the boxes' values can never overflow it
  for (const FighterField field : group) sum += attributes.Get(field);
  return static_cast<Extended>(sum) / static_cast<Extended>(group.size());
}

// Attributes outside 1..20 cannot come from the editor's boxes; they are
// still kept inside int rather than overflowing it.
int Percentage(Extended average) {
  const Extended rounded = RoundHalfEven(average * 5);
  if (rounded >= static_cast<Extended>(INT_MAX)) return INT_MAX;
  if (rounded <= static_cast<Extended>(INT_MIN)) return INT_MIN;
  return static_cast<int>(rounded);
}

}  // namespace

Ratings EvaluateRatings(const AttributeValues& a) {
  using F = FighterField;
  const Extended ground = Average(a, {F::Takedowns, F::GroundAndPound, F::Submission, F::GroundGame});
  const Extended striking = Average(a, {F::Punches, F::Kicks, F::Clinch});
  const Extended defense = Average(a, {F::Dodge, F::TakedownDefence, F::SubmissionDefence});
  const Extended fitness = Average(a, {F::Strength, F::Agility, F::Stamina, F::KOResistance, F::Fortitude});
  const Extended mental = Average(a, {F::Motivation, F::Pace, F::Aggressivity});
  const Extended overall = (ground + defense + fitness + mental + striking) / 5;

  Ratings ratings;
  ratings.ground = Percentage(ground);
  ratings.striking = Percentage(striking);
  ratings.defense = Percentage(defense);
  ratings.fitness = Percentage(fitness);
  ratings.mental = Percentage(mental);
  ratings.overall = Percentage(overall);
  return ratings;
}

}  // namespace ostrak
