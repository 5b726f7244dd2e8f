#pragma once

// The checks before a commit that only the file system can answer, asked as
// the user who runs it: whether each folder lets us create and rename a file
// (or make a folder), and whether each file system has room for the new
// files. A probe is the user's own attempt, so read-only mounts, immutable
// folders and other users' folders answer truthfully; it leaves nothing.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "roster/Targets.h"

namespace ostrak::roster {

class Preflight {
public:
  explicit Preflight(TargetFinder& finder) : finder_(finder) {}

  // A file the commit writes, of `bytes` bytes, for `row`. `newSize`: the
  // file exists and may be written over itself at that size where its folder
  // refuses new files.
  void Add(int row, const Target& target, std::size_t bytes, std::optional<std::size_t> newSize = {});
  // Every problem found, for the rows whose folders fail (`pathOf` gives a
  // row's path for the message), and as row 0 for a file system without room
  // or a base folder that cannot hold the manifest. A row that may be written
  // over itself in a folder that refuses new files is no problem: `inPlace`
  // is told of it instead. Returns whether the base folder is to hold the
  // manifest: always, unless it refuses new files and every row was told.
  bool Check(std::vector<TableProblem>& problems, const std::function<std::string(int row)>& pathOf,
             const std::function<void(int row)>& inPlace = {});

private:
  struct Folder {
    detail::Place place;  // its folders lead to the deepest existing one
    std::string path;     // for messages
    bool writes = false;  // a file goes right into it
    bool makes = false;   // a folder is made in it
    std::vector<int> rows;
    std::uint64_t block = 4096;
    std::uint64_t bytes = 0;  // whole blocks, of the files and folders below it
    std::uint64_t files = 0;
  };

  TargetFinder& finder_;
  std::map<std::pair<dev_t, ino_t>, Folder> folders_;  // by the deepest existing folder's identity
  std::set<std::string> made_;                         // the keys of the folders to be made
  std::map<int, std::uint64_t>
      overItself_;  // the rows that may be written over themselves: bytes spared then
  std::size_t rows_ = 0;
};

}  // namespace ostrak::roster
