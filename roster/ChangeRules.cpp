#include "roster/ChangeRules.h"

#include <algorithm>

#include "core/IntToStr.h"
#include "core/IntegerSyntax.h"
#include "record/FighterLayout.h"

namespace ostrak::roster {

namespace {

constexpr int kLowestAttribute = 1;
constexpr int kHighestAttribute = 20;

const FieldDescription* FieldOfLine(int line) {
  const auto field = std::find_if(kFighterFields.begin(), kFighterFields.end(),
                                  [&](const FieldDescription& f) { return f.line == line; });
  return field == kFighterFields.end() ? nullptr : &*field;
}

bool IsRequired(FighterField field) {
  return field == FighterField::FullName || field == FighterField::ShortName ||
         field == FighterField::SherdogId;
}

}  // namespace

std::optional<std::string> EditorLimitProblem(int line, std::string_view text) {
  const FieldDescription* field = FieldOfLine(line);
  if (!field) return std::nullopt;
  const std::string quoted = "'" + std::string(text) + "'";
  if (field->content == FieldContent::FreeText) {
    if (IsRequired(field->field) && text.empty()) return "is empty: the editor saves no fighter without it";
    return std::nullopt;
  }
  const std::optional<std::int32_t> value = TryStrToInt(text);
  if (!value) return std::nullopt;
  switch (field->content) {
    case FieldContent::AttributeValue:
      if (*value >= kLowestAttribute && *value <= kHighestAttribute) return std::nullopt;
      return quoted + " is outside 1..20: the editor would make it " +
             IntToStr(*value < kLowestAttribute ? kLowestAttribute : kHighestAttribute);
    case FieldContent::GamePlanCode:
      if (GamePlanIndexFromCode(*value) != kNoSelection) return std::nullopt;
      return quoted + " selects no game plan: the editor saves no fighter without one";
    case FieldContent::WeightClassCode:
      if (WeightClassIndexFromCode(*value) != kNoSelection) return std::nullopt;
      return quoted + " selects no weight class: the editor saves no fighter without one";
    case FieldContent::FreeText:
      break;
  }
  return std::nullopt;
}

std::optional<std::string> LostBytesProblem(std::string_view bytes) {
  if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
    return "holds a NUL byte (byte " + IntToStr(static_cast<long long>(nul)) +
           "), where the editor stops reading: what follows it would be lost";
  }
  if (bytes.find('\n') == std::string_view::npos) return std::nullopt;  // CR alone ends its lines
  long long line = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') ++line;
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] != '\n') {
      return "holds a CR inside line " + IntToStr(line) + ", which the editor would split in two";
    }
  }
  return std::nullopt;
}

std::string CodeOfItem(int line, const std::string& text) {
  const auto codeOf = [&](const auto& items, int (*code)(int)) -> std::optional<std::string> {
    const auto item = std::find(items.begin(), items.end(), text);
    if (item == items.end()) return std::nullopt;
    return IntToStr(code(static_cast<int>(item - items.begin())));
  };
  std::optional<std::string> code;
  if (line == LineOf(FighterField::GamePlan)) code = codeOf(kGamePlanItems, GamePlanCodeFromIndex);
  if (line == LineOf(FighterField::WeightClass)) code = codeOf(kWeightClassItems, WeightClassCodeFromIndex);
  return code.value_or(text);
}

}  // namespace ostrak::roster
