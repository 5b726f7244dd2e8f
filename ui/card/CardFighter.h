#pragma once

// What a fighter card shows: the fighter as the editor's controls show it,
// and the captions the editor gives its fields and bars in the language of
// its caption table.

#include <QString>
#include <array>

#include "record/FighterLayout.h"
#include "ui/EvaluationBars.h"

namespace ostrak {

class FighterForm;
class TForm1;
class TStringList;

struct CardFighter {
  // The free-text fields exactly as the edits show them, by field; the other
  // fields' entries stay empty.
  std::array<QString, kFighterFieldCount> texts;
  int gamePlanIndex = kNoSelection;
  int weightClassIndex = kNoSelection;
  // The boxes' whole numbers, in kAttributeFields order.
  std::array<int, kAttributeCount> attributes{};

  const QString& Text(FighterField field) const { return texts[static_cast<std::size_t>(field)]; }
  // The selected list item's text; empty when nothing is selected.
  QString GamePlan() const;
  QString WeightClass() const;
  int Attribute(std::size_t index) const { return attributes[index]; }
  // What the evaluation window shows for the fighter, in bar order.
  BarPercents Ratings() const;
  // What names the fighter in a file's title: the full name, else `fallback`.
  QString Title(const QString& fallback) const;
};

// A fighter loaded without a window, as the companion loads it.
CardFighter CardFighterOf(const FighterForm& form);
// The fighter on the editor's screen, changes not yet saved included.
CardFighter CardFighterOf(const TForm1& editor);

struct CardCaptions {
  std::array<QString, kFighterFieldCount> fields;  // each field's label, by field
  BarCaptions bars;
};

// The captions of `table` (a caption table's Windows-1252 lines; null for
// none), each line the editor would show for it: a line the table lacks
// shows the editor's own text for it, as the editor does.
CardCaptions CardCaptionsOf(const TStringList* table);
// The captions on the editor's screen.
CardCaptions CardCaptionsOf(const TForm1& editor);

}  // namespace ostrak
