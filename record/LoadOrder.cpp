#include "record/LoadOrder.h"

#include "core/IntegerSyntax.h"

namespace ostrak {

namespace {

constexpr LoadStep Attribute(FighterField field) {
  return {LineOf(field), LoadStepKind::AttributeValue, field};
}
constexpr LoadStep TextOf(FighterField field) { return {LineOf(field), LoadStepKind::Text, field}; }

constexpr std::array<LoadStep, kFighterFieldCount> kLoadOrder = {{
    Attribute(FighterField::Punches),
    Attribute(FighterField::Kicks),
    Attribute(FighterField::Strength),
    Attribute(FighterField::Clinch),
    Attribute(FighterField::Agility),
    Attribute(FighterField::Dodge),
    Attribute(FighterField::Motivation),
    Attribute(FighterField::Takedowns),
    Attribute(FighterField::TakedownDefence),
    Attribute(FighterField::GroundAndPound),
    Attribute(FighterField::Submission),
    Attribute(FighterField::SubmissionDefence),
    Attribute(FighterField::Stamina),
    Attribute(FighterField::Fortitude),
    Attribute(FighterField::Pace),
    Attribute(FighterField::Aggressivity),
    Attribute(FighterField::KOResistance),
    TextOf(FighterField::FullName),
    TextOf(FighterField::ShortName),
    {LineOf(FighterField::GamePlan), LoadStepKind::GamePlanIndex, FighterField::GamePlan},
    {LineOf(FighterField::WeightClass), LoadStepKind::WeightClassIndex, FighterField::WeightClass},
    TextOf(FighterField::Height),
    TextOf(FighterField::Weight),
    Attribute(FighterField::GroundGame),
    TextOf(FighterField::Nationality),
    TextOf(FighterField::DateOfBirth),
    TextOf(FighterField::SherdogId),
}};

}  // namespace

std::int32_t LoadStep::Number(const TStringList& lines) const {
  const std::int32_t value = StrToInt(lines.Get(line));
  switch (kind) {
    case LoadStepKind::GamePlanIndex:
      return GamePlanIndexFromCode(value);
    case LoadStepKind::WeightClassIndex:
      return WeightClassIndexFromCode(value);
    case LoadStepKind::AttributeValue:
    case LoadStepKind::Text:
      break;
  }
  return value;
}

const std::array<LoadStep, kFighterFieldCount>& LoadOrder() { return kLoadOrder; }

void CheckLoadable(const TStringList& lines) {
  for (const LoadStep& step : kLoadOrder) {
    if (step.kind == LoadStepKind::Text) {
      step.Text(lines);
    } else {
      step.Number(lines);
    }
  }
}

}  // namespace ostrak
