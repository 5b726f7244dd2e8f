#pragma once

// The whole editor form at one moment: the record's lines byte for byte
// (lines no control writes and a file's own spelling such as " 7" included)
// and what each field's control shows. Putting one back gives the form it was
// taken from, record and controls alike. A snapshot is plain data and
// outlives the window it came from.

#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "record/FighterLayout.h"
#include "record/StringList.h"

namespace ostrak {

class TForm1;

// What one field's control shows.
struct FieldShown {
  QString text;                  // an edit's or an attribute box's text
  TColor colour = clWindowText;  // an attribute box's text colour
  int itemIndex = kNoSelection;  // a list's selection

  bool operator==(const FieldShown&) const = default;
};

class FormSnapshot {
public:
  // No record and every field as FieldShown's defaults.
  FormSnapshot() = default;
  FormSnapshot(const TStringList& lines, const std::array<FieldShown, kFighterFieldCount>& fields);

  // The form as it is now. Lines equal to `previous`'s share their bytes
  // with it, so a long history of a fighter with a huge line stays small.
  static FormSnapshot Of(const TForm1& form, const FormSnapshot* previous = nullptr);

  TStringList Lines() const;
  const FieldShown& Field(FighterField field) const { return fields_[static_cast<std::size_t>(field)]; }

  // Sets every field's control to what it showed, then the record's lines
  // and the boxes' colours exactly as they were: the controls' handlers run
  // as for any change and may write their lines, which the record's own
  // lines then replace. A handler's failure does not stop the rest; the
  // first one is thrown once everything is in place.
  void ShowIn(TForm1& form) const;

  bool operator==(const FormSnapshot& other) const;

private:
  using Line = std::shared_ptr<const std::string>;

  std::vector<Line> lines_;
  std::array<FieldShown, kFighterFieldCount> fields_{};
};

}  // namespace ostrak
