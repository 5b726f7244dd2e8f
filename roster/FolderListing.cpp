#include "roster/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string_view>

#include "core/FileAccess.h"
#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

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

class Walker {
public:
  Walker(const ListingOptions& options, FolderListing& listing) : options_(options), listing_(listing) {}

  void Walk(int parent, const char* name, const std::string& under, int depth) {
    // The chosen folder may itself be a link; the folders under it are entered only as themselves.
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | (depth > 0 ? O_NOFOLLOW : 0));
    if (fd < 0) {
      if (depth == 0 || errno != ENOENT) listing_.skipped.push_back({under, SkipReason::Unreadable, errno});
      return;
    }
    const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
    if (!dir) {
      listing_.skipped.push_back({under, SkipReason::Unreadable, errno});
      ::close(fd);
      return;
    }
    if (options_.entering) options_.entering(fd, under);
    std::vector<std::string> subfolders;
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
      Entry(fd, *entry, under, depth, subfolders);
      errno = 0;
    }
    if (errno != 0) listing_.skipped.push_back({under, SkipReason::Unreadable, errno});
    for (const std::string& subfolder : subfolders)
      Walk(fd, subfolder.c_str(), under + subfolder + '/', depth + 1);
  }

private:
  void Entry(int fd, const dirent& entry, const std::string& under, int depth,
             std::vector<std::string>& subfolders) {
    const char* name = entry.d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) return;
    if (entry.d_type == DT_DIR || entry.d_type == DT_UNKNOWN) {
      struct stat info {};
      if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
        if (depth < kMaxFolderDepth) {
          subfolders.emplace_back(name);
        } else {
          listing_.skipped.push_back({under + name + '/', SkipReason::TooDeep, 0});
        }
        return;
      }
    }
    if (!FighterFileName(name)) return;
    if (options_.stamps == Stamps::Later && entry.d_type == DT_REG) {
      listing_.files.emplace(under + name, FileStamp{});
      return;
    }
    struct stat info {};
    if (::fstatat(fd, name, &info, 0) != 0 || !S_ISREG(info.st_mode)) return;
    listing_.files.emplace(under + name, StampFrom(info));
  }

  const ListingOptions& options_;
  FolderListing& listing_;
};

}  // namespace

std::string SkippedFolder::Message() const {
  if (reason == SkipReason::TooDeep) {
    return "not read: it lies more than " + IntToStr(kMaxFolderDepth) + " folders deep";
  }
  return "not read: " + SystemErrorText(error);
}

FolderListing ListFighterFiles(const std::string& folder, const ListingOptions& options) {
  FolderListing listing;
  Walker(options, listing).Walk(AT_FDCWD, folder.c_str(), "", 0);
  return listing;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return StampFrom(info);
}

}  // namespace ostrak::roster
