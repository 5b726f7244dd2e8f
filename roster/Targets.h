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
#include <unordered_set>
#include <vector>

#include "roster/CommitPlan.h"
#include "roster/Folders.h"
#include "roster/KeyRows.h"
#include "roster/Roster.h"

namespace ostrak::roster {

// `file` under `folder`, unless it is absolute or the folder is empty.
std::string PathUnder(const std::string& folder, const std::string& file);

// The place a name gives by its letters alone (see RosterOptions), or
// nothing with `problem`'s message and kind set.
std::optional<detail::Place> PlaceOfName(const std::string& file, const std::string& baseName, Reach reach,
                                         TableProblem& problem);

// One row's file as found.
struct Target {
  detail::Place place;
  bool linked = false;            // the place a link at the name led to, not the name's own
  std::string path;               // `file` under the base folder, as messages quote it
  std::string key;                // the same for every name of one place, whether it exists yet or not
  std::vector<std::string> made;  // the keys of the folders the commit makes on its way
  std::optional<detail::OldFile> old;
  std::string oldBytes;         // the old file's content
  std::string canonicalFolder;  // the folder it lies in (see PlannedFolder::canonical)
  bool inPlace = false;         // a new file must not take its place (see Writing::InPlaceToo)
};

enum class Writing {
  NewFileOnly,  // a file that a new one must not replace is refused (tables: the user chose many files)
  // Such a file is written over itself instead (whole-file writes): one with
  // other names, or of another user, where a new file would part the names or
  // change the owner. A link to nothing is followed to the file it names.
  InPlaceToo,
};

class TargetFinder {
public:
  // `table`: the table's own file, which no row may name.
  TargetFinder(const RosterOptions& options, const std::optional<FileIdentity>& table,
               Writing writing = Writing::NewFileOnly);

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
  // A short number for a folder or a device, so that keys stay short.
  long long Intern(const FileIdentity& identity);
  // The absolute name of the walk's folder as the system knows it.
  std::string CanonicalFolder(const FolderWalk& walk, const detail::Place& place);

  std::optional<Target> FindPlace(int row, detail::Place place, const std::string& path,
                                  std::vector<TableProblem>& problems, int links);

  BaseFolder base_;
  Reach reach_;
  Writing writing_;
  std::optional<FileIdentity> table_;
  SharedDescriptor root_;
  std::map<std::string, FolderWalk> walks_;  // a few recent ones, by their steps
  std::map<std::pair<dev_t, ino_t>, long long> interned_;
  KeyRows rowOfKey_;
  std::unordered_set<std::string> madeFolders_;
  std::map<std::pair<dev_t, ino_t>, std::string> canonicalFolders_;
};

}  // namespace ostrak::roster
