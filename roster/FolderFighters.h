#pragma once

// The fighter files under a folder as a list of names, for the commands that
// take a whole roster (a comparison, a search for duplicates, matching rows
// by identity): the roster window's folder walk (FolderListing.h), names only.

#include <string>
#include <vector>

namespace ostrak::roster {

struct FolderFighters {
  std::vector<std::string> files;   // under the folder, '/' between parts, in byte order
  std::vector<std::string> unread;  // "FOLDER/: not read: REASON" for each folder that could not be read
};

// `folder` as the caller named it, with or without its last '/'; the
// folders in `unread` are named by it too. One that cannot be opened at all
// is reported there with its own name.
FolderFighters FightersInFolder(const std::string& folder);

// `files` (paths under one folder) in the order the roster window first
// shows them: by file, as its collator compares them in the user's locale
// (numbers by their value: "Fighter 2" before "Fighter 10"), ties in byte
// order.
void SortAsTheRosterShows(std::vector<std::string>& files);

// Whether `path` names a folder (following a link), so that an argument is
// read as a roster rather than as one file or a table.
bool IsFolder(const std::string& path);

}  // namespace ostrak::roster
