#include "ui/FormSnapshot.h"

#include <exception>

#include "ui/Unit1.h"

namespace ostrak {

FormSnapshot::FormSnapshot(const TStringList& lines, const std::array<FieldShown, kFighterFieldCount>& fields)
    : fields_(fields) {
  lines_.reserve(static_cast<std::size_t>(lines.Count()));
  for (int i = 0; i < lines.Count(); ++i) lines_.push_back(std::make_shared<const std::string>(lines.Get(i)));
}

FormSnapshot FormSnapshot::Of(const TForm1& form, const FormSnapshot* previous) {
  FormSnapshot snapshot;
  if (const FighterRecord* record = form.Record()) {
    const TStringList& lines = record->Lines();
    snapshot.lines_.reserve(static_cast<std::size_t>(lines.Count()));
    for (int i = 0; i < lines.Count(); ++i) {
      const std::string& line = lines.Get(i);
      const bool kept = previous && static_cast<std::size_t>(i) < previous->lines_.size() &&
                        *previous->lines_[static_cast<std::size_t>(i)] == line;
      snapshot.lines_.push_back(kept ? previous->lines_[static_cast<std::size_t>(i)]
                                     : std::make_shared<const std::string>(line));
    }
  }
  for (const FieldDescription& field : kFighterFields) {
    FieldShown& shown = snapshot.fields_[static_cast<std::size_t>(field.field)];
    // Taken at every keystroke: one cast per control, the field's kind from
    // the table.
    const QWidget* control = form.FieldControl(field.field);
    if (field.content == FieldContent::AttributeValue || field.content == FieldContent::FreeText) {
      if (const auto* edit = qobject_cast<const TCustomMaskEditEx*>(control)) {
        shown.text = edit->Text();
        if (field.content == FieldContent::AttributeValue) shown.colour = edit->Font().Color();
      }
    } else if (const auto* list = qobject_cast<const TComboBox*>(control)) {
      shown.itemIndex = list->ItemIndex();
    }
  }
  return snapshot;
}

TStringList FormSnapshot::Lines() const {
  TStringList lines;
  for (const Line& line : lines_) lines.Add(*line);
  return lines;
}

void FormSnapshot::ShowIn(TForm1& form) const {
  std::exception_ptr failure;
  for (const FieldDescription& field : kFighterFields) {
    const FieldShown& shown = Field(field.field);
    QWidget* control = form.FieldControl(field.field);
    try {
      if (auto* list = qobject_cast<TComboBox*>(control)) {
        list->SetItemIndex(shown.itemIndex);
      } else if (auto* edit = qobject_cast<TCustomMaskEditEx*>(control)) {
        edit->SetText(shown.text);
      }
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  // No lines: taken when the form had no record; a record always has some.
  FighterRecord* record = form.Record();
  if (record && !lines_.empty()) record->Lines() = Lines();
  for (FighterField field : kAttributeFields) form.AttributeBox(field).Font().SetColor(Field(field).colour);
  if (failure) std::rethrow_exception(failure);
}

bool FormSnapshot::operator==(const FormSnapshot& other) const {
  if (fields_ != other.fields_ || lines_.size() != other.lines_.size()) return false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i] != other.lines_[i] && *lines_[i] != *other.lines_[i]) return false;
  }
  return true;
}

}  // namespace ostrak
