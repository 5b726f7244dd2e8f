#include "record/FighterForm.h"

#include <algorithm>
#include <cmath>

#include "record/LoadOrder.h"

namespace ostrak {

void FighterForm::SetAttribute(FighterField field, long double value, FighterRecord& record) {
  // A box shows its clamped value in the integer format, which rounds halves
  // away from zero; a NaN reads back as the lower limit.
  const long double clamped = std::isnan(value)
                                  ? kAttributeMinValue
                                  : std::clamp<long double>(value, kAttributeMinValue, kAttributeMaxValue);
  const auto shown = static_cast<std::int32_t>(std::round(clamped));
  if (shown == attributes_.Get(field)) return;
  attributes_.Set(field, shown);
  record.PutAttribute(field, shown);
}

void FighterForm::SetText(FighterField field, std::string text, FighterRecord& record) {
  std::string& shown = texts_[static_cast<std::size_t>(field)];
  if (shown == text) return;
  shown = std::move(text);
  record.PutText(field, shown);
}

void FighterForm::Load(FighterRecord& record) {
  for (const LoadStep& step : LoadOrder()) {
    switch (step.kind) {
      case LoadStepKind::AttributeValue:
        SetAttribute(step.target, step.Number(record.Lines()), record);
        break;
      case LoadStepKind::Text:
        SetText(step.target, step.Text(record.Lines()), record);
        break;
      case LoadStepKind::GamePlanIndex:
        SetGamePlanIndex(step.Number(record.Lines()));
        break;
      case LoadStepKind::WeightClassIndex:
        SetWeightClassIndex(step.Number(record.Lines()));
        break;
    }
  }
}

}  // namespace ostrak
