#include "roster/Preflight.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cstring>
#include <limits>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"

namespace ostrak::roster {

namespace {

struct Room {
  std::string folder;  // one folder on it, for the message
  std::uint64_t block = 4096;
  std::uint64_t bytes = 0;
  std::uint64_t files = 1;  // the manifest
  std::uint64_t freeBytes = 0;
  std::uint64_t freeFiles = 0;
  bool countsFiles = false;
};

std::string Kib(std::uint64_t bytes) {
  return IntToStr(static_cast<long long>((bytes + 1023) / 1024)) + " KiB";
}

}  // namespace

void Preflight::Visit(const Target& target) {
  const FolderWalk walk = finder_.WalkTo(target.place);
  if (walk.error != 0) return;
  const std::size_t inBase = target.place.fromRoot ? 0 : finder_.base().missing.size();
  const auto [place, added] = visited_.try_emplace({walk.identity.device, walk.identity.inode}, target.place);
  if (added) {
    place->second.folders.resize(walk.existing - std::min(walk.existing, inBase));
    place->second.name.clear();
  }
}

Preflight::Folder& Preflight::FolderOf(const Target& target, FolderWalk& walk) {
  walk = finder_.WalkTo(target.place);
  const std::size_t inBase = target.place.fromRoot ? 0 : finder_.base().missing.size();
  Folder& folder = folders_[{walk.identity.device, walk.identity.inode}];
  if (folder.rows.empty()) {
    folder.place = target.place;
    folder.place.folders.resize(walk.existing - std::min(walk.existing, inBase));
    folder.place.name.clear();
    folder.path = target.path.substr(0, target.path.rfind('/') + 1);
    struct statvfs space {};
    if (walk.error == 0 && ::fstatvfs(walk.folder->get(), &space) == 0 && space.f_bsize > 0) {
      folder.block = space.f_bsize;
    }
  }
  return folder;
}

void Preflight::Add(int row, const Target& target, std::size_t bytes, std::optional<std::size_t> newSize) {
  ++rows_;
  FolderWalk walk;
  Folder& folder = FolderOf(target, walk);
  const std::size_t inBase = target.place.fromRoot ? 0 : finder_.base().missing.size();
  folder.makes = folder.makes || !target.made.empty();
  folder.writes = folder.writes || target.made.empty();
  folder.rows.push_back(row);
  const auto blocks = [&](std::size_t count) {
    return (count + folder.block - 1) / folder.block * folder.block;
  };
  folder.bytes += blocks(bytes);
  if (newSize && target.old) {
    // Over itself, the file needs only the blocks it grows by.
    const std::uint64_t had = blocks(static_cast<std::size_t>(target.old->size));
    const std::uint64_t grown = blocks(*newSize) - std::min(blocks(*newSize), had);
    overItself_[row] = blocks(bytes) - std::min(blocks(bytes), grown);
  }
  ++folder.files;
  for (std::size_t i = 0; i < target.made.size(); ++i) {
    if (!made_.insert(target.made[i]).second) continue;
    folder.bytes += folder.block;
    ++folder.files;
    // The note names each folder made below the base folder.
    if (const std::size_t step = walk.existing + i; step >= inBase) {
      const auto end = target.place.folders.begin() + static_cast<std::ptrdiff_t>(step - inBase);
      noteBytes_ += MadeFolderLine({target.place.fromRoot, {target.place.folders.begin(), end}, *end}).size();
    }
  }
}

void Preflight::Note(std::size_t index, const Target& target, const std::string& file,
                     ManifestChange change) {
  // Inodes as long as they come.
  constexpr ino_t kLongest = std::numeric_limits<ino_t>::max();
  const std::size_t temporary = TemporaryLine(index, kLongest).size();
  const std::size_t kept = KeptLine(index, kLongest).size();
  noteBytes_ += FileLine(index, target.place, file, change).size();
  switch (change) {
    case ManifestChange::Create:
      noteBytes_ += temporary;
      break;
    case ManifestChange::Replace:
      noteBytes_ += temporary + kept;
      break;
    case ManifestChange::Remove:
      noteBytes_ += kept;
      break;
    case ManifestChange::InPlace:
      noteBytes_ += SelfLine(index, kLongest).size() + temporary + kept;
      break;
  }
  if (target.old && (change == ManifestChange::Replace || change == ManifestChange::Remove)) {
    FolderWalk walk;
    Folder& folder = FolderOf(target, walk);
    folder.keptBytes +=
        (static_cast<std::uint64_t>(target.old->size) + folder.block - 1) / folder.block * folder.block;
    ++folder.kept;
  }
}

bool Preflight::Check(std::vector<TableProblem>& problems, const std::function<std::string(int row)>& pathOf,
                      const std::function<void(int row)>& inPlace) {
  const BaseFolder& base = finder_.base();
  if (base.folder) SweepProbes(base.folder->get());
  struct stat baseStatus {};
  const bool baseKnown = base.folder && ::fstat(base.folder->get(), &baseStatus) == 0;
  for (const auto& [identity, place] : visited_) {
    if (baseKnown && identity == std::pair(baseStatus.st_dev, baseStatus.st_ino)) continue;
    if (const FolderWalk walk = finder_.WalkTo(place); walk.error == 0) SweepProbes(walk.folder->get());
  }
  if (folders_.empty()) return true;

  std::map<dev_t, Room> rooms;
  const bool root = ::geteuid() == 0;
  // The room on the file system of `folder`, found by the first folder asked.
  const auto roomOf = [&](int folder, const std::string& path) -> Room* {
    struct stat status {};
    struct statvfs space {};
    if (::fstat(folder, &status) != 0 || ::fstatvfs(folder, &space) != 0) return nullptr;
    Room& room = rooms[status.st_dev];
    if (room.folder.empty()) {
      room.folder = path;
      room.block = space.f_bsize > 0 ? space.f_bsize : room.block;
      room.freeBytes = (root ? space.f_bfree : space.f_bavail) * space.f_frsize;
      room.freeFiles = root ? space.f_ffree : space.f_favail;
      room.countsFiles = space.f_files != 0;
    }
    return &room;
  };
  std::size_t toldInPlace = 0;
  for (auto& [key, folder] : folders_) {
    const FolderWalk walk = finder_.WalkTo(folder.place);
    FolderProbe probe{walk.error};
    if (probe.error == 0 && folder.writes) probe = ProbeFolder(walk.folder->get(), ProbeOf::Files);
    const bool refusesFiles = walk.error == 0 && probe.error != 0;
    if (probe.error == 0 && folder.makes)
      probe.error = ProbeFolder(walk.folder->get(), ProbeOf::Folders).error;
    if (probe.error != 0) {
      bool others = false;
      for (const int row : folder.rows) {
        if (const auto over = overItself_.find(row); refusesFiles && inPlace && over != overItself_.end()) {
          inPlace(row);
          ++toldInPlace;
          folder.bytes -= over->second;
          --folder.files;
        } else {
          problems.push_back({row, kFileColumn, CannotCreateFile(pathOf(row), probe.error).message()});
          others = true;
        }
      }
      if (others) continue;
    }
    Room* room = roomOf(walk.folder->get(), folder.path);
    if (!room) continue;
    room->bytes += folder.bytes;
    room->files += folder.files;
    // Where a file cannot have a second name, the commit keeps each old file as a copy.
    if (probe.error == 0 && !probe.hardLinks) {
      room->bytes += folder.keptBytes;
      room->files += folder.kept;
    }
  }

  // The manifest of what is in flight sits in the base folder, made first where it is missing.
  const bool manifest = toldInPlace < rows_;
  if (base.folder && manifest) {
    if (const int error = ProbeFolder(base.folder->get(), ProbeOf::Files).error) {
      problems.push_back({0,
                          {},
                          "the base folder \"" + base.name +
                              "\" cannot hold the note of the files in flight: " + SystemErrorText(error)});
    }
  }
  if (Room* room = manifest && base.deepest ? roomOf(base.deepest->get(), base.name + "/") : nullptr) {
    const std::uint64_t note = noteBytes_ + ManifestStart(finder_.reach()).size() + std::strlen(kDoneLine);
    room->bytes += (note + room->block - 1) / room->block * room->block;
  }
  for (const auto& [device, room] : rooms) {
    if (room.bytes > room.freeBytes) {
      problems.push_back({0,
                          {},
                          "not enough room: the new files need " + Kib(room.bytes) +
                              " on the file system of \"" + room.folder + "\", which has " +
                              Kib(room.freeBytes) + " free"});
    } else if (room.countsFiles && room.files > room.freeFiles) {
      problems.push_back({0,
                          {},
                          "not enough room: the new files need " +
                              IntToStr(static_cast<long long>(room.files)) +
                              " file entries on the file system of \"" + room.folder + "\", which has " +
                              IntToStr(static_cast<long long>(room.freeFiles)) + " free"});
    }
  }
  return manifest;
}

}  // namespace ostrak::roster
