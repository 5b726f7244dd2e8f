// Plans for import and set: every check before any write.

#include <algorithm>
#include <utility>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/Roster.h"
#include "roster/RosterRows.h"
#include "roster/Targets.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

// A table is read whole; far more than any roster needs.
constexpr std::size_t kMaxTableBytes = std::size_t{1} << 30;

bool EndsWithJson(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  return name.ends_with(".json");
}

// What `set` writes into a line: for the two lists an item's text stands for its code.
std::string CodeOfItem(int line, const std::string& value) {
  const auto codeOf = [&](const auto& items, int (*code)(int)) -> std::optional<std::string> {
    const auto item = std::find(items.begin(), items.end(), value);
    if (item == items.end()) return std::nullopt;
    return IntToStr(code(static_cast<int>(item - items.begin())));
  };
  std::optional<std::string> code;
  if (line == LineOf(FighterField::GamePlan)) code = codeOf(kGamePlanItems, GamePlanCodeFromIndex);
  if (line == LineOf(FighterField::WeightClass)) code = codeOf(kWeightClassItems, WeightClassCodeFromIndex);
  return code.value_or(value);
}

}  // namespace

std::size_t RosterPlan::ChangeCount() const {
  return static_cast<std::size_t>(std::count_if(files_.begin(), files_.end(), [](const PlannedFile& file) {
    return file.action == Action::Create || file.action == Action::Replace;
  }));
}

RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options) {
  RosterPlan plan;
  Table table;
  try {
    const std::string bytes = ReadWholeFile(tablePath, kMaxTableBytes);
    table = EndsWithJson(tablePath) ? ReadJsonTable(bytes) : ReadCsvTable(bytes);
  } catch (const Error& failure) {
    plan.problems_.push_back({0, {}, failure.message()});
    return plan;
  } catch (const TableProblem& problem) {
    plan.problems_.push_back(problem);
    return plan;
  }

  RosterReading reading = ReadRoster(table);
  plan.files_ = CheckTargets(reading.rows, options.base, reading.problems);
  // The file checks came last; they belong first in their row.
  const auto order = [](const TableProblem& p) { return std::pair(p.row, p.column != kFileColumn); };
  std::stable_sort(reading.problems.begin(), reading.problems.end(),
                   [&](const TableProblem& a, const TableProblem& b) { return order(a) < order(b); });
  plan.problems_ = std::move(reading.problems);
  return plan;
}

RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                   const RosterOptions& options) {
  RosterPlan plan;
  const std::string path = PathUnder(options.base, file);
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const Error& failure) {
    plan.problems_.push_back({0, {}, failure.message()});
    return plan;
  }
  TStringList read;
  read.SetText(bytes);
  if (read.Count() < kFighterLineCount) {
    plan.problems_.push_back({0, {}, ListError::IndexOutOfBounds(read.Count()).message()});
    return plan;
  }

  // The file's own row with the assigned cells in place, read as import reads a row.
  std::vector<TableValue> values(kFighterLineCount + 1);
  for (int line = 0; line < kFighterLineCount; ++line) {
    values[static_cast<std::size_t>(line)] = {
        TableValue::Kind::Text, {Utf8FromFileText(read.Get(line))}, false};
  }
  values.back().kind = TableValue::Kind::TextList;
  for (int line = kFighterLineCount; line < read.Count(); ++line) {
    values.back().texts.push_back(Utf8FromFileText(read.Get(line)));
  }
  for (const Assignment& assignment : assignments) {
    const std::optional<int> line = LineOfColumn(assignment.column);
    if (!line && assignment.column != kExtraColumn) {
      plan.problems_.push_back({0, assignment.column, "unknown column"});
      continue;
    }
    TableValue& value = line ? values[static_cast<std::size_t>(*line)] : values.back();
    value = {TableValue::Kind::Text, {line ? CodeOfItem(*line, assignment.value) : assignment.value}, false};
  }
  LineCells cells{};
  for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = &values[i];

  const TStringList result = LinesOfRow(0, cells, plan.problems_);
  PlannedFile planned{0, file, path, Action::Refused, {}};
  if (plan.problems_.empty()) {
    planned.bytes = result.Text();
    planned.action = planned.bytes == bytes ? Action::Unchanged : Action::Replace;
  }
  plan.files_.push_back(std::move(planned));
  return plan;
}

}  // namespace ostrak::roster
