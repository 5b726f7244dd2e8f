#pragma once

// The checks before a commit that only the file system can answer, asked as
// the user who runs it: whether each folder lets us create and rename a file
// (or make a folder), and whether each file system has room for the new
// files. A probe is the user's own attempt, so read-only mounts, immutable
// folders and other users' folders answer truthfully; it leaves nothing.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "roster/Targets.h"

namespace ostrak::roster {

class Preflight {
public:
  explicit Preflight(TargetFinder& finder) : finder_(finder) {}

  // A file the commit writes, of `bytes` bytes, for `row`.
  void Add(int row, const Target& target, std::size_t bytes);
  // Every problem found, for the rows whose folders fail, and as row 0 for a
  // file system without room or a base folder that cannot hold the manifest.
  void Check(std::vector<TableProblem>& problems);

private:
  struct Folder {
    detail::Place place;                            // its folders lead to the deepest existing one
    bool writes = false;                            // a file goes right into it
    bool makes = false;                             // a folder is made in it
    std::vector<std::pair<int, std::string>> rows;  // row, the target's path
    std::vector<std::size_t> sizes;                 // of the files below it
    std::size_t folders = 0;                        // made below it
  };

  TargetFinder& finder_;
  std::map<std::string, Folder> folders_;  // by the deepest existing folder's identity
};

}  // namespace ostrak::roster
