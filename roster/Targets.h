#pragma once

// Where the rows of a table land in the file system, and whether they may:
// each file name is checked by its letters first (for a clear message), then
// found from the base folder's descriptor one folder at a time (see
// Folders.h), and what is there now is looked at without being opened
// unless it is a regular file.

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "roster/CommitPlan.h"
#include "roster/Folders.h"
#include "roster/Roster.h"

namespace ostrak::roster {

// `file` under `folder`, unless it is absolute or the folder is empty.
std::string PathUnder(const std::string& folder, const std::string& file);

// One row's file as found.
struct Target {
  detail::Place place;
  std::string path;               // `file` under the base folder, as messages quote it
  std::string key;                // the same for every name of one place, whether it exists yet or not
  std::vector<std::string> made;  // the keys of the folders the commit makes on its way
  std::optional<detail::OldFile> old;
  std::string oldBytes;  // the old file's content
};

class TargetFinder {
public:
  // `table`: the table's own file, which no row may name.
  TargetFinder(const RosterOptions& options, const std::optional<FileIdentity>& table);

  const BaseFolder& base() const { return base_; }
  Reach reach() const { return reach_; }

  // The target of `file`, or nothing with the problems of the file column.
  std::optional<Target> Find(int row, const std::string& file, std::vector<TableProblem>& problems);
  // Takes the target's place for `row`: false, with a problem, when an earlier
  // row names the same file, makes a folder of its name or puts a file where
  // it needs a folder.
  bool Claim(int row, const Target& target, std::vector<TableProblem>& problems);
  // The deepest folder on the target's way that exists, found again.
  FolderWalk WalkTo(const detail::Place& place);

private:
  std::optional<Target> FindPlace(int row, detail::Place place, const std::string& path,
                                  std::vector<TableProblem>& problems, int links);

  BaseFolder base_;
  Reach reach_;
  std::optional<FileIdentity> table_;
  SharedDescriptor root_;
  std::map<std::string, FolderWalk> walks_;  // a few recent ones, by their steps
  std::map<std::string, int> rowOfKey_;
  std::set<std::string> madeFolders_;
};

}  // namespace ostrak::roster
