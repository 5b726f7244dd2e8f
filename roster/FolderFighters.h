#pragma once

// The fighter files under a folder as a list of names, for the commands that
// take a whole roster (a comparison, a search for duplicates, matching rows
// by identity): every regular *.txt file in it and its subfolders, read the
// way the roster window reads a folder.

#include <string>
#include <vector>

namespace ostrak::roster {

struct FolderFighters {
  std::vector<std::string> files;   // under the folder, '/' between parts, in byte order
  std::vector<std::string> unread;  // "FOLDER: REASON" for each subfolder that could not be read
};

// `folder` as the caller named it, with or without its last '/'. A folder
// that cannot be opened at all is reported in `unread` with its own name.
FolderFighters FightersInFolder(const std::string& folder);

// Whether `path` names a folder (following a link), so that an argument is
// read as a roster rather than as one file or a table.
bool IsFolder(const std::string& path);

}  // namespace ostrak::roster
