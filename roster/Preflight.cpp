#include "roster/Preflight.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"

namespace ostrak::roster {

namespace {

struct Room {
  std::string folder;  // one folder on it, for the message
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

void Preflight::Add(int row, const Target& target, std::size_t bytes, std::optional<std::size_t> newSize) {
  ++rows_;
  const FolderWalk walk = finder_.WalkTo(target.place);
  const std::size_t existing = target.place.fromRoot
                                   ? walk.existing
                                   : walk.existing - std::min(walk.existing, finder_.base().missing.size());
  Folder& folder = folders_[{walk.identity.device, walk.identity.inode}];
  if (folder.rows.empty()) {
    folder.place = target.place;
    folder.place.folders.resize(existing);
    folder.place.name.clear();
    folder.path = target.path.substr(0, target.path.rfind('/') + 1);
    struct statvfs space {};
    if (walk.error == 0 && ::fstatvfs(walk.folder->get(), &space) == 0 && space.f_bsize > 0) {
      folder.block = space.f_bsize;
    }
  }
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
  for (const std::string& made : target.made) {
    if (made_.insert(made).second) {
      folder.bytes += folder.block;
      ++folder.files;
    }
  }
}

bool Preflight::Check(std::vector<TableProblem>& problems, const std::function<std::string(int row)>& pathOf,
                      const std::function<void(int row)>& inPlace) {
  if (folders_.empty()) return true;
  std::map<dev_t, Room> rooms;
  const bool root = ::geteuid() == 0;
  std::size_t toldInPlace = 0;
  for (auto& [key, folder] : folders_) {
    const FolderWalk walk = finder_.WalkTo(folder.place);
    int error = walk.error;
    if (error == 0 && folder.writes) error = ProbeFolder(walk.folder->get(), false);
    const bool refusesFiles = walk.error == 0 && error != 0;
    if (error == 0 && folder.makes) error = ProbeFolder(walk.folder->get(), true);
    if (error != 0) {
      bool others = false;
      for (const int row : folder.rows) {
        if (const auto over = overItself_.find(row); refusesFiles && inPlace && over != overItself_.end()) {
          inPlace(row);
          ++toldInPlace;
          folder.bytes -= over->second;
          --folder.files;
        } else {
          problems.push_back({row, kFileColumn, CannotCreateFile(pathOf(row), error).message()});
          others = true;
        }
      }
      if (others) continue;
    }
    struct statvfs space {};
    if (::fstatvfs(walk.folder->get(), &space) != 0) continue;
    Room& room = rooms[key.first];
    if (room.folder.empty()) {
      room.folder = folder.path;
      room.freeBytes = (root ? space.f_bfree : space.f_bavail) * space.f_frsize;
      room.freeFiles = root ? space.f_ffree : space.f_favail;
      room.countsFiles = space.f_files != 0;
    }
    room.bytes += folder.bytes;
    room.files += folder.files;
  }

  // The manifest of what is in flight sits in the base folder.
  const bool manifest = toldInPlace < rows_;
  if (const BaseFolder& base = finder_.base(); base.folder && manifest) {
    if (const int error = ProbeFolder(base.folder->get(), false)) {
      problems.push_back({0,
                          {},
                          "the base folder \"" + base.name +
                              "\" cannot hold the note of the files in flight: " + SystemErrorText(error)});
    }
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
