#pragma once

// Loading a fighter into the editor: after the record's lines were replaced
// by the file's, each step reads one line and sets one control, strictly in
// this order. The caller owns the controls and applies each step; the first
// failure ends the load, and nothing already set is undone.

#include <array>
#include <cstdint>
#include <string>

#include "record/FighterLayout.h"
#include "record/StringList.h"

namespace ostrak {

enum class LoadStepKind {
  AttributeValue,    // set the attribute box's value (it clamps into its range)
  Text,              // set the edit's text
  GamePlanIndex,     // select the game-plan item (without its change handler)
  WeightClassIndex,  // select the weight-class item (without its change handler)
};

struct LoadStep {
  int line;
  LoadStepKind kind;
  FighterField target;

  // The line as it stands; the list error when the record is too short.
  const std::string& Text(const TStringList& lines) const { return lines.Get(line); }

  // The line parsed as an integer (list error, then conversion error): the
  // value to set for an attribute, the item index for a list (kNoSelection
  // when the code lies outside the list).
  std::int32_t Number(const TStringList& lines) const;
};

// Lines 0 to 26; line 27 and beyond are never read and stay as loaded.
const std::array<LoadStep, kFighterFieldCount>& LoadOrder();

// Reads every step's line from `lines` and sets nothing: throws the failure
// the load would meet first, so a load can be refused before it changes a
// control. Each step reads its own line and a control writes back only that
// line, so the lines as given decide the load's outcome.
void CheckLoadable(const TStringList& lines);

}  // namespace ostrak
