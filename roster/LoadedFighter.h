#pragma once

// One fighter file loaded as the editor loads it into a fresh window, with
// the controls' state (what `show` prints), or the failure that leaves the
// window as it was; CheckFighterFile sums it up.

#include <optional>
#include <string>

#include "record/FighterForm.h"
#include "record/FighterRecord.h"

namespace ostrak::roster {

struct LoadedFighter {
  FighterRecord record;
  FighterForm form;
  // As read, before any control wrote its line back; like the record,
  // completed to 28 lines when a shorter file loads.
  TStringList fileLines;
  // The first failure, as UTF-8 for display; the record and form are then fresh.
  std::optional<std::string> failure;
};

LoadedFighter LoadLikeTheEditor(const std::string& path);
// The same from lines already read (a table's row, a file read before).
LoadedFighter LoadLinesLikeTheEditor(TStringList lines);

}  // namespace ostrak::roster
