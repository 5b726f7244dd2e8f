#pragma once

// Folders reached from a descriptor, one name at a time, never through a path
// string: each step opens a single name relative to the folder before it, and
// every later call (stat, open, create, rename, sync) is made relative to the
// last one, so no one can swap a folder for a link between a check and a
// write. Confined, a step may be neither ".." nor a symbolic link: openat2's
// RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS makes the kernel refuse both as well.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileDescriptor.h"

namespace ostrak::roster {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& status);

using SharedDescriptor = std::shared_ptr<const FileDescriptor>;

enum class Reach {
  Confined,  // below the folder it starts from, and through no symbolic link
  Anywhere,  // as the system resolves names ("..", links)
};

// openat(2) of one name below `folder`, confined as `reach` says; O_CLOEXEC
// is added. -1 with errno set on failure (ELOOP for a link, EXDEV for a name
// that would leave the folder).
int OpenBelow(int folder, const char* name, int flags, Reach reach, mode_t mode = 0);

// The folders of a walk that exist, from `root` down.
struct FolderWalk {
  SharedDescriptor folder;   // the deepest one that exists
  FileIdentity identity;     // that folder's
  std::size_t existing = 0;  // how many of the steps exist
  int error = 0;             // why the walk stopped short, other than a missing folder (ENOENT)
};

// Opens `steps` one after the other below `root`. A missing step ends the
// walk (the rest are to be made); any other failure sets `error` (ELOOP: the
// step at `existing` is a symbolic link; ENOTDIR: it is no folder).
FolderWalk WalkFolders(const SharedDescriptor& root, const std::vector<std::string>& steps, Reach reach);

// A folder (".", an absolute or a relative path) opened as the system
// resolves it, for the root of walks. -1 with errno on failure.
SharedDescriptor OpenFolder(const std::string& path);

// The folder relative names are taken under, opened as the system resolves
// it (the caller chose it); it may not exist yet, in part or at all.
struct BaseFolder {
  SharedDescriptor folder;           // the base folder; none while it is missing
  SharedDescriptor deepest;          // the deepest folder on its way that exists
  std::vector<std::string> missing;  // the folders to make below `deepest`
  std::string name;                  // its full name, for messages
  int error = 0;                     // why it cannot be reached, other than a missing folder
};

// `path` empty: the current folder.
BaseFolder OpenBase(const std::string& path);
// Makes the missing folders of `base` and opens it: 0, or the error number.
int MakeBase(BaseFolder& base);

// The names of a path, without "." and empty ones ("a//./b/" gives a, b).
std::vector<std::string> PathSteps(const std::string& path);

// A name of ours in a folder: ".ostrak-TOKEN-SUFFIX"; TOKEN tells one process's
// files from another's.
inline constexpr std::string_view kOwnPrefix = ".ostrak-";
std::string OwnName(const std::string& token, const std::string& suffix);
bool IsOwnName(const std::string& name);
// This process's token: its id and a random number, in hexadecimal.
const std::string& ProcessToken();

enum class ProbeOf {
  Files,    // creating, renaming and removing a file of ours, and giving it a second name
  Folders,  // making and removing a folder of ours
};

struct FolderProbe {
  int error = 0;           // 0, or the error number of the first step that failed
  bool hardLinks = false;  // a file there can have a second name (files only)
};

// Whether what a commit does works in `folder`: the probe is the user's own
// attempt, not a reading of permission bits, so read-only mounts, immutable
// folders and other users' folders all answer truthfully. The file stays
// unnamed until it is linked in (O_TMPFILE) where the file system allows,
// so that a kill leaves a name of ours behind only between that link and
// the removal; SweepProbes takes such a name away on the next probe.
FolderProbe ProbeFolder(int folder, ProbeOf what);

// Removes from `folder` the probes (a file or an empty folder) that a
// process now gone left there; those of a running process are its own.
void SweepProbes(int folder);

}  // namespace ostrak::roster
