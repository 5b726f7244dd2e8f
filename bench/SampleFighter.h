#pragma once

// The fighters the file benchmarks read and write: fighter `i` as the editor
// saves it, its attributes and lists varied by `i`, every tenth one with a
// line after line 27.

#include "core/IntToStr.h"
#include "record/FighterRecord.h"

namespace ostrak {

inline FighterRecord SampleFighter(int i) {
  FighterRecord record;
  for (const FighterField field : kAttributeFields) {
    record.PutAttribute(field, 1 + (i * 7 + static_cast<int>(field) * 3) % 20);
  }
  record.PutText(FighterField::FullName,
                 "Fighter N\xFA\xF1"
                 "ez " +
                     IntToStr(i));
  record.PutText(FighterField::ShortName,
                 "N\xFA\xF1"
                 "ez");
  record.PutGamePlanIndex(i % 3);
  record.PutWeightClassIndex(i % 6);
  record.PutText(FighterField::Height, "180 cm");
  record.PutText(FighterField::Weight, "77 kg");
  record.PutText(FighterField::Nationality,
                 "Espa\xF1"
                 "a");
  record.PutText(FighterField::DateOfBirth, "01/02/1990");
  record.PutText(FighterField::SherdogId, IntToStr(10000 + i));
  record.PrepareForSave();
  if (i % 10 == 0) record.Lines().Add("kept line");
  return record;
}

}  // namespace ostrak
