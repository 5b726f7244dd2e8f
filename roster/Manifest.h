#pragma once

// The note a commit keeps in its base folder of what it has in flight, so
// that a commit cut short (killed, crashed) can be put back by the next run:
// ".ostrak-TOKEN-commit", held under flock(2) while its commit runs. One line
// per event, written before the event: a folder made, a file begun (with its
// place and how it changes), the inode of its temporary, the inode of the old
// file it keeps (for a file written over itself: of the copy, and of the
// file), and "done" once every rename, removal and folder flush has succeeded.

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "roster/CommitPlan.h"
#include "roster/Folders.h"

namespace ostrak::roster {

std::string ManifestName(const std::string& token);
// The token of a manifest's name, or nothing when it is not one.
std::optional<std::string> ManifestToken(const std::string& name);
// A file's temporary and the name that keeps its old file, in its folder.
std::string TemporaryName(const std::string& token, std::size_t index);
std::string KeptName(const std::string& token, std::size_t index);

enum class ManifestChange {
  Create,   // its temporary renamed to a new name
  Replace,  // its temporary renamed over it, the old file kept by a hard link (or a copy)
  Remove,   // unlinked, the old file kept by a hard link (or a copy)
  InPlace,  // written over itself; the temporary holds the new bytes, the kept copy the old
};

struct ManifestFile {
  detail::Place place;
  std::string file;  // as the table named it
  ManifestChange change = ManifestChange::Create;
  ino_t temporary = 0;  // 0 until the temporary exists
  ino_t kept = 0;       // 0 until the old file is kept
  ino_t self = 0;       // written over itself: the file's own inode
};

struct Manifest {
  Reach reach = Reach::Confined;
  std::vector<detail::Place> madeFolders;  // in the order made; `name` is the folder made
  std::map<std::size_t, ManifestFile> files;
  bool done = false;
};

// Lines of the manifest, as the commit appends them.
std::string ManifestStart(Reach reach);
std::string MadeFolderLine(const detail::Place& folder);
std::string FileLine(std::size_t index, const detail::Place& place, const std::string& file,
                     ManifestChange change);
std::string TemporaryLine(std::size_t index, ino_t inode);
std::string KeptLine(std::size_t index, ino_t inode);
std::string SelfLine(std::size_t index, ino_t inode);
inline constexpr const char* kDoneLine = "done\n";

// Lines it does not know are passed over: it may be a stranger's file.
Manifest ParseManifest(const std::string& text);

// The names of the manifests in `folder` (a descriptor), live or left over.
std::vector<std::string> ManifestsIn(int folder);

}  // namespace ostrak::roster
