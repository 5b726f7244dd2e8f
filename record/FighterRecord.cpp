#include "record/FighterRecord.h"

#include "core/FloatFormat.h"
#include "core/IntToStr.h"

namespace ostrak {

std::string EncodeAttribute(long double value) { return FormatFloatGeneral(value); }

void CompleteFighterLines(TStringList& lines) {
  while (lines.Count() < kFighterLineCount) lines.Add("");
}

FighterRecord::FighterRecord() {
  for (int i = 0; i < kFighterLineCount; ++i) lines_.Add("");
}

void FighterRecord::PutText(FighterField field, std::string text) {
  lines_.Put(LineOf(field), std::move(text));
}

void FighterRecord::PutAttribute(FighterField field, long double value) {
  lines_.Put(LineOf(field), EncodeAttribute(value));
}

void FighterRecord::PutGamePlanIndex(int index) {
  lines_.Put(LineOf(FighterField::GamePlan), IntToStr(GamePlanCodeFromIndex(index)));
}

void FighterRecord::PutWeightClassIndex(int index) {
  lines_.Put(LineOf(FighterField::WeightClass), IntToStr(WeightClassCodeFromIndex(index)));
}

void FighterRecord::PrepareForSave() {
  for (int line = 0; line < kFighterLineCount; ++line) {
    if (lines_.Get(line).empty()) lines_.Put(line, kFillValue);
  }
}

}  // namespace ostrak
