#include "roster/SetExpression.h"

#include <algorithm>
#include <charconv>

#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

// Past any sum of 20s: a bigger step is a typing slip, not a change.
constexpr int kLargestStep = 1000;

bool IsNameCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

std::optional<FieldContent> ContentOf(std::string_view column) {
  const std::optional<int> line = LineOfColumn(column);
  if (!line) return std::nullopt;
  for (const FieldDescription& field : kFighterFields) {
    if (field.line == *line) return field.content;
  }
  return std::nullopt;  // line 27 holds no field
}

std::optional<int> StepOf(std::string_view text) {
  int step = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), step);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || step > kLargestStep ||
      text.front() == '-' || text.front() == '+') {
    return std::nullopt;
  }
  return step;
}

}  // namespace

std::optional<SetExpression> ParseSetExpression(std::string_view text) {
  const std::size_t nameEnd = static_cast<std::size_t>(
      std::find_if(text.begin(), text.end(), [](char c) { return !IsNameCharacter(c); }) - text.begin());
  if (nameEnd == 0 || nameEnd == text.size()) return std::nullopt;
  SetExpression expression{std::string(text.substr(0, nameEnd)), SetOperation::Assign, {}, {}};
  const std::string_view rest = text.substr(nameEnd);
  if (rest.starts_with('=')) {
    expression.value = rest.substr(1);
  } else if (rest.starts_with("+=") || rest.starts_with("-=")) {
    expression.operation = rest.front() == '+' ? SetOperation::Add : SetOperation::Subtract;
    expression.value = rest.substr(2);
  } else if (rest.starts_with('/') && LineOfColumn(expression.column)) {
    const std::size_t second = rest.find('/', 1);
    if (second == std::string_view::npos) return std::nullopt;
    expression.operation = SetOperation::Replace;
    expression.find = rest.substr(1, second - 1);
    expression.value = rest.substr(second + 1);
  } else {
    return std::nullopt;
  }
  return expression;
}

std::optional<std::string> SetExpressionProblem(const SetExpression& expression) {
  const std::string& column = expression.column;
  if (column == kFileColumn) return std::string("the file column cannot be set");
  if (column != kExtraColumn && !LineOfColumn(column)) return std::string("unknown column");
  const std::optional<FieldContent> content = ContentOf(column);
  switch (expression.operation) {
    case SetOperation::Assign:
      return std::nullopt;
    case SetOperation::Add:
    case SetOperation::Subtract:
      if (content != FieldContent::AttributeValue) return std::string("only an attribute takes += and -=");
      if (!StepOf(expression.value)) {
        return "'" + expression.value + "' is no whole number from 0 to " + IntToStr(kLargestStep);
      }
      return std::nullopt;
    case SetOperation::Replace:
      if (content != FieldContent::FreeText) return std::string("only a text field takes a replacement");
      if (expression.find.empty()) return std::string("the text to find is empty");
      return std::nullopt;
  }
  return std::nullopt;
}

std::string ExpressionText(const SetExpression& expression) {
  switch (expression.operation) {
    case SetOperation::Assign:
      return expression.column + "=" + expression.value;
    case SetOperation::Add:
      return expression.column + "+=" + expression.value;
    case SetOperation::Subtract:
      return expression.column + "-=" + expression.value;
    case SetOperation::Replace:
      return expression.column + "/" + expression.find + "/" + expression.value;
  }
  return {};
}

std::string CellOfExpression(const SetExpression& expression, const TStringList& old,
                             const FighterForm* shown) {
  const int line = LineOfColumn(expression.column).value_or(-1);
  switch (expression.operation) {
    case SetOperation::Assign:
      return expression.value;
    case SetOperation::Add:
    case SetOperation::Subtract: {
      const auto field = std::find_if(kFighterFields.begin(), kFighterFields.end(),
                                      [&](const FieldDescription& f) { return f.line == line; });
      const int step = StepOf(expression.value).value_or(0);
      const int now = shown->Attribute(field->field);
      const int sum = expression.operation == SetOperation::Add ? now + step : now - step;
      return IntToStr(std::clamp(sum, kAttributeMinValue, kAttributeMaxValue));
    }
    case SetOperation::Replace: {
      std::string text = Utf8FromFileText(old.Get(line));
      std::string replaced;
      for (std::size_t start = 0;;) {
        const std::size_t found = text.find(expression.find, start);
        replaced.append(text, start, found == std::string::npos ? std::string::npos : found - start);
        if (found == std::string::npos) break;
        replaced += expression.value;
        start = found + expression.find.size();
      }
      return replaced;
    }
  }
  return expression.value;
}

}  // namespace ostrak::roster
