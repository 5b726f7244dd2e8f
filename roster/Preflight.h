#pragma once

// The checks before a commit that only the file system can answer, asked as
// the user who runs it: whether each folder lets us create and rename a file
// (or make a folder), and whether each file system has room for the new
// files. A probe is the user's own attempt, so read-only mounts, immutable
// folders and other users' folders answer truthfully; it leaves nothing.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "roster/Targets.h"

namespace ostrak::roster {

class Preflight {
public:
  explicit Preflight(TargetFinder& finder) : finder_(finder) {}

  // A file the commit writes, of `bytes` bytes, for `row`.
  void Add(int row, const Target& target, std::size_t bytes);
  // Every problem found, for the rows whose folders fail (`pathOf` gives a
  // row's path for the message), and as row 0 for a file system without room
  // or a base folder that cannot hold the manifest.
  void Check(std::vector<TableProblem>& problems, const std::function<std::string(int row)>& pathOf);

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
};

}  // namespace ostrak::roster
