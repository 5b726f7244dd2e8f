// Putting back what a commit cut short left behind, from its manifest. A
// manifest may be anyone's file, so nothing is done on its word alone: a file
// is put back or removed only when its inode is the one the commit recorded
// for its own temporary, and only names of ours are removed.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "roster/Manifest.h"
#include "roster/Roster.h"

namespace ostrak::roster {

namespace {

constexpr std::size_t kMaxManifestBytes = 16 * 1024 * 1024;

bool Exists(int folder, const std::string& name, struct stat& status) {
  return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
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
    const bool renamed = !manifest.done && file.temporary != 0 && !Exists(folder, temporary, status) &&
                         Exists(folder, file.place.name, status) && status.st_ino == file.temporary;
    bool restored = false;
    if (renamed && file.replaces && file.kept != 0 && Exists(folder, kept, status) &&
        status.st_ino == file.kept) {
      restored = dryRun || ::renameat(folder, kept.c_str(), folder, file.place.name.c_str()) == 0;
      if (restored)
        said.push_back(file.file + (dryRun ? ": would be put back" : ": put back") +
                       " as it was before an interrupted commit");
    } else if (renamed && !file.replaces) {
      if (dryRun || ::unlinkat(folder, file.place.name.c_str(), 0) == 0) {
        said.push_back(file.file + (dryRun ? ": would be removed" : ": removed") +
                       ": an interrupted commit had created it");
      }
    }
    for (const std::string& own : {temporary, kept}) {
      if (own == kept && restored) continue;
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
