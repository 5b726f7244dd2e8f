#pragma once

// An import's rows matched to files by the fighter's Sherdog ID rather than
// by their file cells (see PlanImport): the base folder's fighter files are
// read once for the IDs they hold.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "roster/Roster.h"
#include "roster/RosterRows.h"

namespace ostrak::roster {

class RowMatcher {
public:
  // `base` empty: the current folder. A folder that does not exist yet holds
  // no IDs; one that cannot be read whole, or a fighter file in it that
  // cannot be read, is a problem of the table (row 0).
  RowMatcher(const std::string& base, std::vector<TableProblem>& problems);

  // The file cell the row is to be taken with, into `file`, and why; nothing,
  // with the row's problems, when no file can be chosen for it.
  std::optional<MatchNote> Choose(int row, const RowCells& cells, TableValue& file,
                                  std::vector<TableProblem>& problems);

private:
  std::unordered_map<std::string, std::vector<std::string>> filesOfId_;  // names under the base folder
  std::unordered_map<std::string, int> rowOfId_;
};

}  // namespace ostrak::roster
