#include "roster/FolderFighters.h"

#include <sys/stat.h>

#include <QCollator>
#include <QFile>
#include <algorithm>
#include <numeric>

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

void SortAsTheRosterShows(std::vector<std::string>& files) {
  QCollator collator;
  collator.setNumericMode(true);
  std::vector<QCollatorSortKey> keys;
  keys.reserve(files.size());
  for (const std::string& file : files)
    keys.push_back(collator.sortKey(QFile::decodeName(QByteArray::fromStdString(file))));
  std::vector<std::size_t> order(files.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int compared = keys[a].compare(keys[b]);
    return compared != 0 ? compared < 0 : files[a] < files[b];
  });
  std::vector<std::string> sorted;
  sorted.reserve(files.size());
  for (const std::size_t i : order) sorted.push_back(std::move(files[i]));
  files = std::move(sorted);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace ostrak::roster
