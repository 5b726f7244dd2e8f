#pragma once

// The checks before a commit that only the file system can answer, asked as
// the user who runs it: whether each folder lets us create and rename a file
// (or make a folder), and whether each file system has room for every byte
// the commit writes: the new files, the folders it makes, its note of the
// files in flight, and copies of the old files where a file system keeps no
// second name for them. A probe is the user's own attempt, so read-only
// mounts, immutable folders and other users' folders answer truthfully; it
// leaves nothing, and takes away what probes of processes now gone left.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "roster/Manifest.h"
#include "roster/Targets.h"

namespace ostrak::roster {

class Preflight {
public:
  explicit Preflight(TargetFinder& finder) : finder_(finder) {}

  // The folder of a file a row names, changed or not: probes that processes
  // now gone left there are taken away, as they are from the base folder.
  void Visit(const Target& target);
  // A file the commit writes, of `bytes` bytes, for `row`. `newSize`: the
  // file exists and may be written over itself at that size where its folder
  // refuses new files.
  void Add(int row, const Target& target, std::size_t bytes, std::optional<std::size_t> newSize = {});
  // What the commit's note says of the file just added, its `index`th, named
  // `file`; and the old file it keeps by a hard link, which takes room as a
  // copy where the file system has no hard links.
  void Note(std::size_t index, const Target& target, const std::string& file, ManifestChange change);
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
    std::uint64_t keptBytes = 0;  // whole blocks of the old files it keeps, should they be copied
    std::uint64_t kept = 0;
  };

  Folder& FolderOf(const Target& target, FolderWalk& walk);

  TargetFinder& finder_;
  std::uint64_t noteBytes_ = 0;  // of the commit's note, but its first line and its last
  std::map<std::pair<dev_t, ino_t>, detail::Place> visited_;  // the deepest existing folders, by identity
  std::map<std::pair<dev_t, ino_t>, Folder> folders_;         // by the deepest existing folder's identity
  std::set<std::string> made_;                                // the keys of the folders to be made
  std::map<int, std::uint64_t>
      overItself_;  // the rows that may be written over themselves: bytes spared then
  std::size_t rows_ = 0;
};

}  // namespace ostrak::roster
