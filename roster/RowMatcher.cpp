#include "roster/RowMatcher.h"

#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "roster/FolderFighters.h"
#include "roster/Identity.h"
#include "roster/RosterSource.h"

namespace ostrak::roster {

namespace {

const std::size_t kIdIndex = *ColumnIndex("sherdog_id");
const std::size_t kFullNameIndex = *ColumnIndex("full_name");

std::string TextOf(const TableValue* cell) {
  return cell && cell->kind == TableValue::Kind::Text ? cell->texts.front() : std::string();
}

std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace

std::string MatchNote::Text() const {
  switch (reason) {
    case MatchReason::FoundById:
      return "holds Sherdog ID " + sherdogId + (rowFile.empty() ? "" : "; the row names " + rowFile);
    case MatchReason::NewFromFileCell:
      return "no file holds Sherdog ID " + sherdogId;
    case MatchReason::NewFromFullName:
      return "no file holds Sherdog ID " + sherdogId + "; named after the full name";
  }
  return {};
}

RowMatcher::RowMatcher(const std::string& base, std::vector<TableProblem>& problems) {
  // A folder not made yet holds no IDs; a base that is no folder is the plan's to refuse.
  if (!IsFolder(base.empty() ? "." : base)) return;
  const std::string prefix = base.empty() ? "./" : base.ends_with('/') ? base : base + '/';
  std::vector<TableProblem> unread;
  ForEachFighterFile(
      {base.empty() ? "." : base},
      [&](RosterFighter&& fighter) {
        if (fighter.failure) {
          problems.push_back({0, {}, *fighter.failure + ": its Sherdog ID is unknown"});
          return;
        }
        const std::string id = TrimmedId(IdentityOfBytes(fighter.bytes).sherdogId);
        if (!id.empty()) filesOfId_[id].push_back(fighter.name.substr(prefix.size()));
      },
      unread);
  // A fighter in a folder not read could hold a row's ID: its row would make a second file of it.
  for (const TableProblem& problem : unread) {
    problems.push_back({0, {}, problem.message + ": the Sherdog IDs there are unknown"});
  }
}

std::optional<MatchNote> RowMatcher::Choose(int row, const RowCells& cells, TableValue& file,
                                            std::vector<TableProblem>& problems) {
  const TableValue* idCell = cells[kIdIndex];
  if (!idCell || idCell->kind != TableValue::Kind::Text) {
    problems.push_back(
        {row, "sherdog_id", idCell ? "is not a JSON string" : "missing column: rows are matched by it"});
    return std::nullopt;
  }
  if (cells[0] && cells[0]->kind != TableValue::Kind::Text) {
    problems.push_back({row, kFileColumn, "is not a JSON string"});
    return std::nullopt;
  }
  MatchNote note{MatchReason::FoundById, TrimmedId(idCell->texts.front()), TextOf(cells[0])};
  if (note.sherdogId.empty()) {
    problems.push_back({row, "sherdog_id", "is empty: rows are matched by it"});
    return std::nullopt;
  }
  const auto [earlier, first] = rowOfId_.emplace(note.sherdogId, row);
  if (!first) {
    problems.push_back(
        {row, "sherdog_id", note.sherdogId + " is given by row " + IntToStr(earlier->second) + " too"});
    return std::nullopt;
  }
  file = {TableValue::Kind::Text, {note.rowFile}, false};
  if (const auto found = filesOfId_.find(note.sherdogId); found != filesOfId_.end()) {
    if (found->second.size() > 1) {
      problems.push_back(
          {row, "sherdog_id",
           note.sherdogId + " is held by " + Listed(found->second) + ": merge them, or import by file"});
      return std::nullopt;
    }
    file.texts.front() = found->second.front();
    if (note.rowFile == found->second.front()) note.rowFile.clear();
    return note;
  }
  if (!note.rowFile.empty()) {
    note.reason = MatchReason::NewFromFileCell;
    note.rowFile.clear();
    return note;
  }
  note.reason = MatchReason::NewFromFullName;
  file.texts.front() = DefaultFileName(TextOf(cells[kFullNameIndex]));
  if (file.texts.front().empty()) {
    problems.push_back({row, kFileColumn, "is empty, and the full name gives no file name"});
    return std::nullopt;
  }
  return note;
}

}  // namespace ostrak::roster
