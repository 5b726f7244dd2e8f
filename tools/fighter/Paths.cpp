#include "tools/fighter/Paths.h"

#include "roster/FolderFighters.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

NamedFiles FilesNamedBy(const std::vector<std::string>& paths) {
  NamedFiles named;
  for (const std::string& path : paths) {
    // An empty name is no folder, even though the system reads it as the
    // current one: `set "" kicks=1` must not change every file here.
    if (path.empty() || !roster::IsFolder(path)) {
      named.files.push_back(path);
      continue;
    }
    roster::FolderFighters found = roster::FightersInFolder(path);
    for (const std::string& unread : found.unread) Print(stderr, TerminalSafe(unread) + "\n");
    named.complete = named.complete && found.unread.empty();
    roster::SortAsTheRosterShows(found.files);
    const std::string prefix = path.back() == '/' ? path : path + '/';
    for (std::string& file : found.files) named.files.push_back(prefix + file);
  }
  return named;
}

}  // namespace ostrak::fighter
