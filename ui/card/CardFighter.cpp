#include "ui/card/CardFighter.h"

#include <cstring>

#include "localisation/CaptionLines.h"
#include "platform/AnsiText.h"
#include "record/FighterForm.h"
#include "record/Ratings.h"
#include "record/StringList.h"
#include "ui/Unit1.h"

namespace ostrak {

namespace {

// The caption table's line for each field's label, by field.
constexpr std::array<int, kFighterFieldCount> kFieldCaptionLines = {
    53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 64, 65, 66, 67, 68, 69, 70,  // the attributes up to KO resistance
    47, 48, 71, 72, 49, 50, 63, 51, 52, 77};

// What the editor shows for `line` without a table that holds it.
std::string DesignCaption(int line) {
  for (const StartupCaption& caption : kStartupCaptions) {
    if (caption.line == line) return caption.designCaption;
  }
  const int late = line - kFirstLateCaption;
  if (late >= 0 && late < static_cast<int>(kDefaultLateCaptions.size())) return kDefaultLateCaptions[late];
  return {};
}

QString CaptionLine(const TStringList* table, int line) {
  return AnsiToQString(table && line < table->Count() ? table->Get(line) : DesignCaption(line));
}

template <std::size_t N>
QString ItemText(const std::array<const char*, N>& items, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N
             ? AnsiToQString(items[static_cast<std::size_t>(index)])
             : QString();
}

}  // namespace

QString CardFighter::GamePlan() const { return ItemText(kGamePlanItems, gamePlanIndex); }
QString CardFighter::WeightClass() const { return ItemText(kWeightClassItems, weightClassIndex); }

BarPercents CardFighter::Ratings() const {
  AttributeValues values;
  for (std::size_t i = 0; i < kAttributeFields.size(); ++i) values.Set(kAttributeFields[i], attributes[i]);
  return EvaluateRatings(values).InBarOrder();
}

QString CardFighter::Title(const QString& fallback) const {
  const QString& name = Text(FighterField::FullName);
  return name.trimmed().isEmpty() ? fallback : name;
}

CardFighter CardFighterOf(const FighterForm& form) {
  CardFighter fighter;
  for (const FieldDescription& field : kFighterFields) {
    if (field.content == FieldContent::FreeText)
      fighter.texts[static_cast<std::size_t>(field.field)] = AnsiToQString(form.Text(field.field));
  }
  fighter.gamePlanIndex = form.GamePlanIndex();
  fighter.weightClassIndex = form.WeightClassIndex();
  for (std::size_t i = 0; i < kAttributeFields.size(); ++i)
    fighter.attributes[i] = form.Attribute(kAttributeFields[i]);
  return fighter;
}

CardFighter CardFighterOf(const TForm1& editor) {
  CardFighter fighter;
  for (const FieldDescription& field : kFighterFields) {
    if (field.content == FieldContent::FreeText)
      fighter.texts[static_cast<std::size_t>(field.field)] = editor.TextEdit(field.field).Text();
  }
  fighter.gamePlanIndex = editor.cbGamePlan->ItemIndex();
  fighter.weightClassIndex = editor.cbCatPeso->ItemIndex();
  for (std::size_t i = 0; i < kAttributeFields.size(); ++i)
    fighter.attributes[i] = editor.AttributeBox(kAttributeFields[i]).IntegerValue();
  return fighter;
}

CardCaptions CardCaptionsOf(const TStringList* table) {
  CardCaptions captions;
  for (std::size_t i = 0; i < kFieldCaptionLines.size(); ++i)
    captions.fields[i] = CaptionLine(table, kFieldCaptionLines[i]);
  for (std::size_t i = 0; i < captions.bars.size(); ++i)
    captions.bars[i] = CaptionLine(table, kCaptionBars[i]);
  return captions;
}

CardCaptions CardCaptionsOf(const TForm1& editor) { return CardCaptionsOf(editor.Language().CaptionTable()); }

}  // namespace ostrak
