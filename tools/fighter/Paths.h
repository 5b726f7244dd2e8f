#pragma once

// The files that a command's arguments name, a folder as the roster window
// reads it.

#include <string>
#include <vector>

namespace ostrak::fighter {

struct NamedFiles {
  std::vector<std::string> files;
  bool complete = true;  // false: a folder was not read whole (named on stderr)
};

// Each argument in its place: a file as it is named, a folder as its
// fighter files (every *.txt in it and its subfolders, links to folders and
// anything not a regular file kept out), each named FOLDER/PATH-UNDER-IT, in
// the order the roster window first shows them. A folder or subfolder that
// cannot be read is named on stderr as "FOLDER/: not read: REASON".
NamedFiles FilesNamedBy(const std::vector<std::string>& paths);

}  // namespace ostrak::fighter
