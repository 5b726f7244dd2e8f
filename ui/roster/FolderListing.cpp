#include "ui/roster/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>
#include <string_view>

namespace ostrak::roster {

namespace {

// Deeper than any roster; a bind mount that loops stops here.
constexpr int kMaxDepth = 32;

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool FighterFileName(const char* name) {
  const std::string_view view(name);
  if (view.size() < 4) return false;
  const std::string_view ending = view.substr(view.size() - 4);
  return ending[0] == '.' && (ending[1] | 0x20) == 't' && (ending[2] | 0x20) == 'x' &&
         (ending[3] | 0x20) == 't';
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp StampFrom(const struct stat& info) {
  return {info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim), info.st_ino};
}

void Walk(int parent, const char* name, const std::string& under, int depth, Stamps stamps,
          FolderListing& listing) {
  // The chosen folder may itself be a link; the folders under it are entered only as themselves.
  const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | (depth > 0 ? O_NOFOLLOW : 0));
  if (fd < 0) {
    listing.complete = false;
    return;
  }
  const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
  if (!dir) {
    ::close(fd);
    listing.complete = false;
    return;
  }
  listing.folders.push_back(under);
  std::vector<std::string> subfolders;
  while (const dirent* entry = ::readdir(dir.get())) {
    const char* entryName = entry->d_name;
    if (entryName[0] == '.' && (entryName[1] == 0 || (entryName[1] == '.' && entryName[2] == 0))) continue;
    const bool maybeFolder = entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN;
    if (maybeFolder && depth < kMaxDepth) {
      struct stat info {};
      if (::fstatat(fd, entryName, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
        subfolders.emplace_back(entryName);
        continue;
      }
    }
    if (!FighterFileName(entryName)) continue;
    if (stamps == Stamps::Later && entry->d_type == DT_REG) {
      listing.files.emplace(under + entryName, FileStamp{});
      continue;
    }
    struct stat info {};
    if (::fstatat(fd, entryName, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    listing.files.emplace(under + entryName, StampFrom(info));
  }
  for (const std::string& subfolder : subfolders) {
    Walk(fd, subfolder.c_str(), under + subfolder + '/', depth + 1, stamps, listing);
  }
}

}  // namespace

FolderListing ListFighterFiles(const std::string& folder, Stamps stamps) {
  FolderListing listing;
  Walk(AT_FDCWD, folder.c_str(), "", 0, stamps, listing);
  return listing;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return StampFrom(info);
}

}  // namespace ostrak::roster
