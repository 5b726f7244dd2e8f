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

bool HoldsTheSame(int line, std::string_view text, std::string_view old) {
  if (text == old) return true;
  const FieldDescription* field = FieldOfLine(line);
  if (!field || field->content == FieldContent::FreeText) return false;
  const std::optional<std::int32_t> value = TryStrToInt(text);
  return value && value == TryStrToInt(old);
}

std::vector<std::size_t> ItemsNamed(const std::vector<std::string_view>& items, std::string_view text) {
  const auto trimmed = [](std::string_view t) {
    t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
    return t.substr(0, t.find_last_not_of(' ') + 1);
  };
  const auto same = [](std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
  };
  text = trimmed(text);
  std::vector<std::size_t> named;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string_view item = items[i];
    std::string once(item);
    if (const std::size_t twice = once.find("Max Max"); twice != std::string::npos) once.erase(twice, 4);
    if (same(text, item) || same(text, once) || same(text, trimmed(item.substr(0, item.find(':'))))) {
      named.push_back(i);
    }
  }
  return named;
}

ItemCode CodeOfItem(int line, std::string_view text) {
  const auto codeOf = [&](const auto& items, int (*code)(int), const char* list) -> ItemCode {
    if (TryStrToInt(text)) return {};
    const std::vector<std::string_view> texts(items.begin(), items.end());
    const std::vector<std::size_t> named = ItemsNamed(texts, text);
    const std::string quoted = "'" + std::string(text) + "'";
    if (named.size() == 1) return {IntToStr(code(static_cast<int>(named.front()))), std::nullopt};
    std::string choices;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (!named.empty() && std::find(named.begin(), named.end(), i) == named.end()) continue;
      if (!choices.empty()) choices += ", ";
      choices += named.empty() ? std::string(texts[i].substr(0, texts[i].find(':')))
                               : "'" + std::string(texts[i]) + "'";
    }
    if (!named.empty()) return {std::nullopt, quoted + " names more than one " + list + ": " + choices};
    return {std::nullopt, quoted + " is no " + list + ": write its code (" + IntToStr(code(0)) + " to " +
                              IntToStr(code(static_cast<int>(texts.size()) - 1)) + ") or one of " + choices};
  };
  if (line == LineOf(FighterField::GamePlan))
    return codeOf(kGamePlanItems, GamePlanCodeFromIndex, "game plan");
  if (line == LineOf(FighterField::WeightClass)) {
    return codeOf(kWeightClassItems, WeightClassCodeFromIndex, "weight class");
  }
  return {};
}

}  // namespace ostrak::roster
