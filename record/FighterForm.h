#pragma once

// What the editor's controls show, modelled without widgets, for the places
// that load fighters without a window (the command-line companion, the
// fuzzer). It follows the controls' rules: an attribute box clamps into
// 1..20 and writes its line back only when its number changes; an edit writes
// its text when the text changes; a list selected from code writes nothing.
// The editor window drives its real controls through the same load order.

#include <array>
#include <cstdint>
#include <string>

#include "record/FighterLayout.h"
#include "record/FighterRecord.h"
#include "record/Ratings.h"

namespace ostrak {

constexpr int kAttributeMinValue = 1;
constexpr int kAttributeMaxValue = 20;

class FighterForm {
public:
  // A fresh editor: every box shows 1, every edit is empty, no list item is selected.
  FighterForm() = default;

  const AttributeValues& Attributes() const { return attributes_; }
  std::int32_t Attribute(FighterField field) const { return attributes_.Get(field); }
  // Empty for a field that is not free text.
  const std::string& Text(FighterField field) const { return texts_[static_cast<std::size_t>(field)]; }
  int GamePlanIndex() const { return gamePlanIndex_; }
  int WeightClassIndex() const { return weightClassIndex_; }

  // Each writes to `record` as the control's change handler would.
  void SetAttribute(FighterField field, long double value, FighterRecord& record);
  void SetText(FighterField field, std::string text, FighterRecord& record);
  // Selecting from code writes nothing; an index outside the items selects nothing.
  void SetGamePlanIndex(int index) { gamePlanIndex_ = ItemIndex(index, kGamePlanItems.size()); }
  void SetWeightClassIndex(int index) { weightClassIndex_ = ItemIndex(index, kWeightClassItems.size()); }

  // Runs every step of the load order against the record's current lines.
  // The first failure propagates; the steps before it keep their effect.
  void Load(FighterRecord& record);

private:
  static int ItemIndex(int index, std::size_t itemCount) {
    return index >= 0 && static_cast<std::size_t>(index) < itemCount ? index : kNoSelection;
  }

  AttributeValues attributes_;
  std::array<std::string, kFighterFieldCount> texts_;
  int gamePlanIndex_ = kNoSelection;
  int weightClassIndex_ = kNoSelection;
};

}  // namespace ostrak
