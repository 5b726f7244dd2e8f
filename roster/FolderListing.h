#pragma once

// The fighter files under a roster folder, read the same way by the roster
// window and the companion: every regular file named *.txt (any case) in it
// and its subfolders, with what tells a changed file from the one read
// before. Folders reached through a symbolic link are not entered, so a link
// back up cannot make the walk endless; linked files are listed; pipes,
// devices and sockets are not. A folder that is not read is reported with
// its reason, never dropped without a word.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ostrak::roster {

// Deeper than any roster; a bind mount that loops stops here.
inline constexpr int kMaxFolderDepth = 32;

// Whatever a save changes: a new file (atomic save) has another inode, a
// write in place a new change time.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

enum class SkipReason {
  TooDeep,     // more than kMaxFolderDepth folders below the roster folder
  Unreadable,  // it could not be opened or read (`error` says why)
};

struct SkippedFolder {
  std::string folder;  // under the roster folder, ending in '/'; "" for the roster folder itself
  SkipReason reason = SkipReason::Unreadable;
  int error = 0;  // errno, for Unreadable

  // English, for display after the folder's name: "not read: …".
  std::string Message() const;
  bool operator==(const SkippedFolder&) const = default;
};

struct FolderListing {
  std::map<std::string, FileStamp> files;  // by path under the folder, '/' between parts
  std::vector<SkippedFolder> skipped;      // in the order the walk met them

  bool Complete() const { return skipped.empty(); }
};

enum class Stamps {
  Now,    // every file is looked at as it is listed
  Later,  // a file the folder calls regular is left for the caller (StampOf): its stamp is zero
};

struct ListingOptions {
  Stamps stamps = Stamps::Now;
  // Called with each folder's open descriptor and its name under the roster
  // folder, before a single entry of it is read: a watch set up here misses
  // no file made while the folder is being read.
  std::function<void(int folder, const std::string& under)> entering = {};
};

// `folder` ends in '/'. A folder that cannot be opened lists nothing and is
// reported in `skipped`; one that vanishes while the walk runs is not (it is
// no longer there to be read).
FolderListing ListFighterFiles(const std::string& folder, const ListingOptions& options = {});

// The stamp of the regular file at `path`; nothing for anything else.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace ostrak::roster
