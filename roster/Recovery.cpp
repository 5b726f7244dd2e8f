// Putting back what a commit cut short left behind, from its manifest. A
// manifest may be anyone's file, so nothing is done on its word alone: a file
// is put back or removed only when its inode is the one the commit recorded
// for its own temporary, a removed file only from the kept name of ours it
// recorded, a file written over itself only from copies that are the user's
// own and when it holds nothing but their bytes; only names of ours are
// removed.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "core/FileAccess.h"
#include "core/InPlaceWrite.h"
#include "core/IntToStr.h"
#include "roster/Manifest.h"
#include "roster/Roster.h"

namespace ostrak::roster {

namespace {

constexpr std::size_t kMaxManifestBytes = 16 * 1024 * 1024;

bool Exists(int folder, const std::string& name, struct stat& status) {
  return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

// Whether `now` is what a write of `fresh` over `old` can leave part-way:
// each byte one of theirs at its place, or a zero past the old end (room
// taken by writing zeros), at a length between theirs.
bool PartWritten(const std::string& now, const std::string& old, const std::string& fresh) {
  if (now.size() < std::min(old.size(), fresh.size()) || now.size() > std::max(old.size(), fresh.size()))
    return false;
  for (std::size_t i = 0; i < now.size(); ++i) {
    const bool ours = (i < fresh.size() && now[i] == fresh[i]) || (i < old.size() && now[i] == old[i]) ||
                      (i >= old.size() && now[i] == '\0');
    if (!ours) return false;
  }
  return true;
}

// The bytes of our own regular file `name` whose inode the manifest gave; none when it is not that.
std::optional<std::string> OwnBytes(int folder, const std::string& name, ino_t inode) {
  const FileDescriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_ino != inode || status.st_uid != ::geteuid()) {
    return std::nullopt;
  }
  std::string bytes;
  if (ReadAllOf(file.get(), bytes) != 0) return std::nullopt;
  return bytes;
}

// A file an interrupted commit was writing over itself, given its old bytes
// back from the copy beside it: what to tell the user, empty when there was
// nothing to do. False in `keep` leaves the copies where they are.
std::string PutBackInPlace(int folder, const ManifestFile& file, const std::string& token, std::size_t index,
                           bool dryRun, bool& keep) {
  const std::optional<std::string> old = OwnBytes(folder, KeptName(token, index), file.kept);
  const std::optional<std::string> fresh = OwnBytes(folder, TemporaryName(token, index), file.temporary);
  // Written over only once both were in place.
  if (file.self == 0 || !old || !fresh) return {};
  const FileDescriptor self(
      ::openat(folder, file.place.name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat status {};
  std::string now;
  if (self.get() < 0 || ::fstat(self.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_ino != file.self || ReadAllOf(self.get(), now) != 0) {
    return {};
  }
  if (now == *old) return {};
  if (!PartWritten(now, *old, *fresh))
    return file.file + ": left as it is: changed since an interrupted commit";
  if (dryRun) return file.file + ": would be put back as it was before an interrupted commit";
  InPlaceWrite write(self.get(), std::move(now));
  if (WriteOver(write, *old).error == 0)
    return file.file + ": put back as it was before an interrupted commit";
  keep = true;
  return file.file +
         ": could not be put back as it was before an interrupted commit; its old bytes are in \"" +
         KeptName(token, index) + "\" beside it";
}

// Undoes one interrupted commit; the lines to tell the user.
std::vector<std::string> Undo(const Manifest& manifest, const std::string& token, const BaseFolder& base,
                              bool dryRun) {
  std::vector<std::string> said;
  const SharedDescriptor root = OpenFolder("/");
  long long leftovers = 0;
  for (auto it = manifest.files.rbegin(); it != manifest.files.rend(); ++it) {
    const auto& [index, file] = *it;
    const Reach reach = file.place.fromRoot ? Reach::Anywhere : manifest.reach;
    const FolderWalk walk = WalkFolders(file.place.fromRoot ? root : base.folder, file.place.folders, reach);
    if (walk.error != 0 || walk.existing < file.place.folders.size()) continue;
    const int folder = walk.folder->get();
    const std::string temporary = TemporaryName(token, index);
    const std::string kept = KeptName(token, index);
    struct stat status {};
    const bool replaces = file.change == ManifestChange::Replace;
    const bool renamed = !manifest.done && file.temporary != 0 && !Exists(folder, temporary, status) &&
                         Exists(folder, file.place.name, status) && status.st_ino == file.temporary;
    const bool keptThere = file.kept != 0 && Exists(folder, kept, status) && status.st_ino == file.kept;
    bool restored = false;
    bool keep = false;
    if (file.change == ManifestChange::InPlace && !manifest.done) {
      if (std::string told = PutBackInPlace(folder, file, token, index, dryRun, keep); !told.empty())
        said.push_back(std::move(told));
    } else if (file.change == ManifestChange::Remove && !manifest.done && keptThere) {
      // Linked back under its name, the kept name then goes.
      if (!Exists(folder, file.place.name, status)) {
        const bool back = dryRun || ::linkat(folder, kept.c_str(), folder, file.place.name.c_str(), 0) == 0;
        keep = !back;
        if (back) {
          said.push_back(file.file + (dryRun ? ": would be put back" : ": put back") +
                         " as it was before an interrupted commit");
        }
      } else if (status.st_ino != file.kept) {
        keep = true;
      }
      if (keep) {
        said.push_back(file.file +
                       ": not put back: another file has taken its name; its old bytes are in \"" + kept +
                       "\" beside it");
      }
    } else if (renamed && replaces && keptThere) {
      restored = dryRun || ::renameat(folder, kept.c_str(), folder, file.place.name.c_str()) == 0;
      if (restored)
        said.push_back(file.file + (dryRun ? ": would be put back" : ": put back") +
                       " as it was before an interrupted commit");
    } else if (renamed && file.change == ManifestChange::Create) {
      if (dryRun || ::unlinkat(folder, file.place.name.c_str(), 0) == 0) {
        said.push_back(file.file + (dryRun ? ": would be removed" : ": removed") +
                       ": an interrupted commit had created it");
      }
    }
    for (const std::string& own : {temporary, kept}) {
      if (own == kept && (restored || keep)) continue;
      if (own == temporary && keep && file.change == ManifestChange::InPlace) continue;
      if (Exists(folder, own, status) && S_ISREG(status.st_mode) &&
          (dryRun || ::unlinkat(folder, own.c_str(), 0) == 0)) {
        ++leftovers;
      }
    }
    if (!dryRun) {
      const FileDescriptor sync(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      if (sync.get() >= 0) ::fsync(sync.get());
    }
  }
  for (auto made = manifest.madeFolders.rbegin(); !dryRun && made != manifest.madeFolders.rend(); ++made) {
    const Reach reach = made->fromRoot ? Reach::Anywhere : manifest.reach;
    const FolderWalk walk = WalkFolders(made->fromRoot ? root : base.folder, made->folders, reach);
    if (walk.error == 0 && walk.existing == made->folders.size()) {
      ::unlinkat(walk.folder->get(), made->name.c_str(), AT_REMOVEDIR);  // only when empty
    }
  }
  said.push_back(
      base.name +
      (dryRun ? ": an interrupted commit would be put back" : ": an interrupted commit was put back") + " (" +
      IntToStr(leftovers) + " temporary file" + (leftovers == 1 ? "" : "s") + ")");
  return said;
}

}  // namespace

std::vector<std::string> ManifestsIn(int folder) {
  std::vector<std::string> names;
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return names;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(fd), ::closedir);
  if (!dir) {
    ::close(fd);
    return names;
  }
  while (const dirent* entry = ::readdir(dir.get())) {
    if (ManifestToken(entry->d_name)) names.emplace_back(entry->d_name);
  }
  return names;
}

std::vector<std::string> RecoverInterrupted(const RosterOptions& options, bool dryRun) {
  std::vector<std::string> said;
  const BaseFolder base = OpenBase(options.base);
  if (!base.folder) return said;
  for (const std::string& name : ManifestsIn(base.folder->get())) {
    const FileDescriptor file(::openat(base.folder->get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > kMaxManifestBytes) {
      continue;
    }
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) continue;  // its commit is still running
    std::string text(static_cast<std::size_t>(status.st_size), '\0');
    if (::pread(file.get(), text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) continue;
    const std::vector<std::string> undone = Undo(ParseManifest(text), *ManifestToken(name), base, dryRun);
    said.insert(said.end(), undone.begin(), undone.end());
    if (!dryRun && ::unlinkat(base.folder->get(), name.c_str(), 0) == 0) {
      const FileDescriptor sync(::openat(base.folder->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      if (sync.get() >= 0) ::fsync(sync.get());
    }
  }
  return said;
}

}  // namespace ostrak::roster
