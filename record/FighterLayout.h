#pragma once

// The fighter record's lines: which field each line holds, how it is
// encoded, and the two lists whose codes the record stores. This table is the
// only place where the meaning of a line is defined.

#include <array>
#include <cstdint>

namespace ostrak {

// In line order; the enumerator's value is not the line (see LineOf).
enum class FighterField {
  Punches,
  Kicks,
  Strength,
  Clinch,
  Agility,
  Dodge,
  Motivation,
  Takedowns,
  TakedownDefence,
  GroundAndPound,
  Submission,
  SubmissionDefence,
  Stamina,
  Fortitude,
  Pace,
  Aggressivity,
  KOResistance,
  FullName,
  ShortName,
  GamePlan,
  WeightClass,
  Height,
  Weight,
  GroundGame,
  Nationality,
  DateOfBirth,
  SherdogId,
};

enum class FieldContent {
  AttributeValue,   // general-format number, "1" to "20" for the editor's whole numbers
  FreeText,         // exactly what the edit shows, never parsed
  GamePlanCode,     // item index + 1
  WeightClassCode,  // item index - 1
};

struct FieldDescription {
  FighterField field;
  int line;
  FieldContent content;
  const char* control;        // the editor control that writes the line
  const char* englishLabel;   // for the command-line companion
  const char* designCaption;  // Windows-1252 bytes
};

constexpr int kFighterLineCount = 28;  // a new record; line 27 holds no field
constexpr int kFighterFieldCount = 27;
constexpr int kAttributeCount = 18;

inline constexpr std::array<FieldDescription, kFighterFieldCount> kFighterFields = {{
    {FighterField::Punches, 0, FieldContent::AttributeValue, "spPunch", "Punches", "Pu\xF1os"},
    {FighterField::Kicks, 1, FieldContent::AttributeValue, "spKick", "Kicks", "Patadas"},
    {FighterField::Strength, 2, FieldContent::AttributeValue, "spStrenght", "Strength", "Fuerza"},
    {FighterField::Clinch, 3, FieldContent::AttributeValue, "spClinch", "Clinch", "Agarres"},
    {FighterField::Agility, 4, FieldContent::AttributeValue, "spAgility", "Agility", "Agilidad"},
    {FighterField::Dodge, 5, FieldContent::AttributeValue, "spDodge", "Dodge", "Esquiva"},
    {FighterField::Motivation, 6, FieldContent::AttributeValue, "spMotivation", "Motivation",
     "Motivaci\xF3n"},
    {FighterField::Takedowns, 7, FieldContent::AttributeValue, "spTD", "Takedowns", "Derribo"},
    {FighterField::TakedownDefence, 8, FieldContent::AttributeValue, "spTDDef", "Takedown defence",
     "Def contra derribos"},
    {FighterField::GroundAndPound, 9, FieldContent::AttributeValue, "spGnP", "Ground-and-pound",
     "Ground'n'Pound"},
    {FighterField::Submission, 10, FieldContent::AttributeValue, "spSub", "Submission", "Sometimiento"},
    {FighterField::SubmissionDefence, 11, FieldContent::AttributeValue, "spSubDef", "Submission defence",
     "Def contra sometiento"},
    {FighterField::Stamina, 12, FieldContent::AttributeValue, "spStamina", "Stamina", "Fondo"},
    {FighterField::Fortitude, 13, FieldContent::AttributeValue, "spFortitude", "Fortitude", "Resistencia"},
    {FighterField::Pace, 14, FieldContent::AttributeValue, "spPace", "Pace", "Ritmo"},
    {FighterField::Aggressivity, 15, FieldContent::AttributeValue, "spAgressivity", "Aggressivity",
     "Agresividad"},
    {FighterField::KOResistance, 16, FieldContent::AttributeValue, "spKORes", "KO resistance",
     "Resistencia al KO"},
    {FighterField::FullName, 17, FieldContent::FreeText, "edNombre", "Full name", "Nombre completo"},
    {FighterField::ShortName, 18, FieldContent::FreeText, "edNombreCorto", "Common name", "Nombre com\xFAn"},
    {FighterField::GamePlan, 19, FieldContent::GamePlanCode, "cbGamePlan", "Game plan", "Estrategia"},
    {FighterField::WeightClass, 20, FieldContent::WeightClassCode, "cbCatPeso", "Weight class", "Categoria"},
    {FighterField::Height, 21, FieldContent::FreeText, "edEstatura", "Height", "Estatura"},
    {FighterField::Weight, 22, FieldContent::FreeText, "edPeso", "Weight", "Peso"},
    {FighterField::GroundGame, 23, FieldContent::AttributeValue, "spGroundGame", "Ground game", "Suelo"},
    {FighterField::Nationality, 24, FieldContent::FreeText, "lbNacionalidad", "Nationality", "Nacionalidad"},
    {FighterField::DateOfBirth, 25, FieldContent::FreeText, "lbFechaNac", "Date of birth",
     "Fecha de nacimiento"},
    {FighterField::SherdogId, 26, FieldContent::FreeText, "edSherdog", "Sherdog ID", "ID Sherdog"},
}};

namespace detail {
constexpr bool FieldTableFollowsTheEnumeration() {
  for (std::size_t i = 0; i < kFighterFields.size(); ++i) {
    if (static_cast<std::size_t>(kFighterFields[i].field) != i) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::FieldTableFollowsTheEnumeration(), "Describe() indexes the table by field");

constexpr const FieldDescription& Describe(FighterField field) {
  return kFighterFields[static_cast<std::size_t>(field)];
}
constexpr int LineOf(FighterField field) { return Describe(field).line; }
constexpr bool IsAttribute(FighterField field) {
  return Describe(field).content == FieldContent::AttributeValue;
}

inline constexpr std::array<FighterField, kAttributeCount> kAttributeFields = {
    FighterField::Punches,        FighterField::Kicks,        FighterField::Strength,
    FighterField::Clinch,         FighterField::Agility,      FighterField::Dodge,
    FighterField::Motivation,     FighterField::Takedowns,    FighterField::TakedownDefence,
    FighterField::GroundAndPound, FighterField::Submission,   FighterField::SubmissionDefence,
    FighterField::Stamina,        FighterField::Fortitude,    FighterField::Pace,
    FighterField::Aggressivity,   FighterField::KOResistance, FighterField::GroundGame,
};

// The item texts of the two drop-down lists, in item order.
inline constexpr std::array<const char*, 3> kGamePlanItems = {"Submission", "KO", "GnP"};
inline constexpr std::array<const char*, 6> kWeightClassItems = {
    "Featherweight: Max Max 145 lb / 66 kg", "Lightweight: Max 155 lb / 70 kg",
    "Welterweight: Max 170 lb / 77 kg",      "Middleweight: Max 185 lb / 84 kg",
    "Light Heavyweight: Max 205 lb / 93 kg", "Heavyweight: Max 265 lb / 120 kg",
};

// A list index that selects nothing.
constexpr int kNoSelection = -1;

constexpr int GamePlanCodeFromIndex(int index) { return index + 1; }
constexpr int WeightClassCodeFromIndex(int index) { return index - 1; }
// A code whose index falls outside the items selects nothing.
constexpr int GamePlanIndexFromCode(std::int32_t code) {
  return code >= 1 && code <= static_cast<int>(kGamePlanItems.size()) ? code - 1 : kNoSelection;
}
constexpr int WeightClassIndexFromCode(std::int32_t code) {
  return code >= -1 && code < static_cast<int>(kWeightClassItems.size()) - 1 ? code + 1 : kNoSelection;
}

}  // namespace ostrak
