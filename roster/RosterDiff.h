#pragma once

// Two rosters side by side (each a folder or a table, see RosterSource.h):
// every fighter added, removed or changed, and for a changed one every field
// before and after with the six ratings. Fighters are paired by their file's
// name, or by their Sherdog ID so that a renamed file is still the same
// fighter. A fighter is unchanged when every line is, whatever its line ends.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "roster/FileChanges.h"
#include "roster/RosterSource.h"

namespace ostrak::roster {

enum class MatchBy {
  File,       // the path under the folder, or the table's file cell
  SherdogId,  // the ID as TrimmedId takes it; a fighter without one is paired by its file
};

enum class DiffStatus { Added, Removed, Changed, Renamed };

// The fields and ratings: for Changed, and Renamed when more than the name changed.
struct FighterDiff : FileChanges {
  DiffStatus status = DiffStatus::Changed;
  std::string before;  // the fighter's name on each side; empty on the side without it
  std::string after;
};

// A Sherdog ID that one side gives to more than one fighter: which of them
// is meant cannot be told, so none with that ID is paired.
struct IdHeldTwice {
  std::string sherdogId;
  std::vector<std::string> before;  // the names on each side holding it
  std::vector<std::string> after;
};

struct RosterDiff {
  std::vector<FighterDiff> fighters;  // the first side's order, then the fighters added in the second's
  std::vector<IdHeldTwice> heldTwice;
  std::size_t unchanged = 0;
  bool Equal() const { return fighters.empty() && heldTwice.empty(); }
};

// The fighters of both rosters, each read whole. Names held twice on one
// side (two rows of a table naming one file) cannot be paired by file: they
// are problems of the comparison, returned with their side's row.
struct DiffProblem {
  bool after = false;  // of the second roster
  TableProblem problem;
};

RosterDiff CompareRosters(const RosterContents& before, const RosterContents& after, MatchBy match,
                          std::vector<DiffProblem>& problems);

// A table compared with a folder names its files as an import into the
// current folder takes them ("Fighters/a.txt"), a folder by the path under
// it ("a.txt"): when every row of `table` names a file inside `folder`, its
// rows are named by their path under it, so that the two pair up.
void NameRowsUnder(RosterContents& table, const std::string& folder);

}  // namespace ostrak::roster
