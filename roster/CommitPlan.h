#pragma once

// What a plan hands its commit: the base folder it was checked against, and
// for each file it changes, where it goes and what was there when checked,
// so that the commit can find each place again from the base folder's
// descriptor and refuse one that changed since.

#include <sys/stat.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster/Folders.h"

namespace ostrak::roster::detail {

// A file that a Replace found in place.
struct OldFile {
  FileIdentity identity;
  off_t size = 0;
  timespec modified{};
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;
};

OldFile OldFileOf(const struct stat& status);
// Whether `status` still describes `old` (the same file, not written since).
bool StillThere(const OldFile& old, const struct stat& status);

// Where a file goes: a name in a folder reached by `folders` from the base
// folder (or, for an absolute name, from the root).
struct Place {
  bool fromRoot = false;
  std::vector<std::string> folders;
  std::string name;
};

// How a file that exists changes.
enum class Change : std::uint8_t {
  Rename,           // a new file takes its place (or none, for a file created)
  InPlace,          // written over itself, a copy of its old bytes kept beside it
  InPlaceUncopied,  // written over itself in a folder that takes no copy
  Remove,           // it goes, kept under a name of ours until the commit ends
};

inline constexpr std::uint32_t kNone = UINT32_MAX;

struct TargetPlan {
  std::uint32_t file = 0;  // in the plan's files
  Change change = Change::Rename;
  // What it replaces, in the commit plan's olds; kNone for a file it creates.
  std::uint32_t old = kNone;
  // Where a link at the file's name led (leaving the base allowed), in its
  // linked; kNone: the place its name gives (PlaceOfName), found again by
  // the commit.
  std::uint32_t linked = kNone;
};

struct CommitPlan {
  BaseFolder base;  // as found when the plan was made
  Reach reach = Reach::Confined;
  std::deque<TargetPlan> targets;  // the files it changes, in the plan's order; never copied as it grows
  // Held apart, so that a plan creating a million files does not carry
  // their room, and one replacing a million holds them packed.
  std::deque<OldFile> olds;
  std::deque<Place> linked;

  const OldFile* OldOf(const TargetPlan& target) const {
    return target.old == kNone ? nullptr : &olds[target.old];
  }
  const Place* LinkedOf(const TargetPlan& target) const {
    return target.linked == kNone ? nullptr : &linked[target.linked];
  }
  // The base folder holds the manifest; false only when it refuses new files
  // and every file is written over itself without a copy.
  bool manifest = true;
};

}  // namespace ostrak::roster::detail
