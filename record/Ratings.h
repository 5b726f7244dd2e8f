#pragma once

// The six ratings of a fighter, each a whole percentage, from the eighteen
// attribute values the editor's boxes show (not from the record's lines).

#include <array>
#include <cstdint>

#include "record/FighterLayout.h"

namespace ostrak {

// The eighteen attributes as whole numbers (the boxes' values truncated
// toward zero). Every one starts at 1, what a fresh box shows.
class AttributeValues {
public:
  AttributeValues() { values_.fill(1); }

  // Only the attribute fields are held; any other field reads as 0 and
  // ignores writes.
  std::int32_t Get(FighterField field) const { return IsAttribute(field) ? values_[Slot(field)] : 0; }
  void Set(FighterField field, std::int32_t value) {
    if (IsAttribute(field)) values_[Slot(field)] = value;
  }

private:
  static std::size_t Slot(FighterField field) { return static_cast<std::size_t>(field); }
  std::array<std::int32_t, kFighterFieldCount> values_{};
};

struct Ratings {
  int ground = 0;
  int striking = 0;
  int defense = 0;
  int fitness = 0;
  int mental = 0;
  int overall = 0;

  // The order of the evaluation window's bars.
  std::array<int, 6> InBarOrder() const { return {ground, striking, defense, fitness, mental, overall}; }
  bool operator==(const Ratings&) const = default;
};

// Each group's integer sum divided by its size in extended precision; Overall
// from the five unrounded averages (Ground + Defense + Fitness + Mental +
// Striking, in that order) / 5; each average times 5 rounded to the nearest
// whole number, halves to even. Attributes in 1..20 give 5..100.
Ratings EvaluateRatings(const AttributeValues& attributes);

}  // namespace ostrak
