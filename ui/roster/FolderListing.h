#pragma once

// The fighter files under a folder: every regular file named *.txt (any
// case) in it and its subfolders, with what tells a changed file from the one
// read before. Folders reached through a symbolic link are not entered, so a
// link back up cannot make the walk endless; linked files are listed.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ostrak::roster {

// Whatever a save changes: a new file (atomic save) has another inode, a
// write in place a new change time.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

struct FolderListing {
  std::map<std::string, FileStamp> files;  // by path under the folder, '/' between parts
  std::vector<std::string> folders;        // the folder itself ("") and every subfolder, ending in '/'
  bool complete = true;                    // false when some folder could not be read
};

enum class Stamps {
  Now,    // every file is looked at as it is listed
  Later,  // a file the folder calls regular is left for the caller (StampOf): its stamp is zero
};

// `folder` ends in '/'. A folder that cannot be opened lists nothing.
FolderListing ListFighterFiles(const std::string& folder, Stamps stamps = Stamps::Now);

// The stamp of the regular file at `path`; nothing for anything else.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace ostrak::roster
