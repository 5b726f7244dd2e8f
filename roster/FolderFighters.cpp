#include "roster/FolderFighters.h"

#include <sys/stat.h>

#include "roster/FolderListing.h"

namespace ostrak::roster {

FolderFighters FightersInFolder(const std::string& folder) {
  const std::string shown = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  // The names alone: each file is opened next, which tells all a stamp would.
  const FolderListing listing = ListFighterFiles(shown.empty() ? "./" : shown, {Stamps::Later});
  FolderFighters found;
  found.files.reserve(listing.files.size());
  for (const auto& [name, stamp] : listing.files) found.files.push_back(name);
  for (const SkippedFolder& skipped : listing.skipped) {
    found.unread.push_back(shown + skipped.folder + ": " + skipped.Message());
  }
  return found;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace ostrak::roster
