#include "record/FighterColumns.h"

#include "core/Errors.h"
#include "record/LoadOrder.h"

namespace ostrak {

std::optional<int> LineOfColumn(std::string_view column) {
  for (std::size_t line = 0; line < kLineColumns.size(); ++line) {
    if (column == kLineColumns[line]) return static_cast<int>(line);
  }
  return std::nullopt;
}

std::optional<std::string> LineTextProblem(std::string_view text) {
  const std::size_t at = text.find_first_of(std::string_view("\r\n\0", 3));
  if (at == std::string_view::npos) return std::nullopt;
  if (text[at] == '\r') return "holds a line break (CR)";
  if (text[at] == '\n') return "holds a line break (LF)";
  return "holds a NUL character";
}

std::vector<LineProblem> LoadProblems(const TStringList& lines) {
  if (lines.Count() < kFighterLineCount) throw ListError::IndexOutOfBounds(lines.Count());
  std::vector<LineProblem> problems;
  // Each step parses its own line only, so checking every step against the
  // lines as given finds the load's first failure and every later one.
  for (const LoadStep& step : LoadOrder()) {
    if (step.kind == LoadStepKind::Text) continue;
    try {
      step.Number(lines);
    } catch (const ConversionError& failure) {
      problems.push_back({step.line, failure.message()});
    }
  }
  return problems;
}

}  // namespace ostrak
