#include "roster/FolderFighters.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string_view>

#include "core/FileAccess.h"
#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

// Deeper than any roster; a bind mount that loops stops here.
constexpr int kMaxDepth = 32;

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool FighterFileName(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view ending = name.substr(name.size() - 4);
  return ending[0] == '.' && (ending[1] | 0x20) == 't' && (ending[2] | 0x20) == 'x' &&
         (ending[3] | 0x20) == 't';
}

// Folders reached through a link are not entered, so a link back up cannot
// make the walk endless; linked files are listed, pipes and devices are not.
void Walk(int parent, const char* name, const std::string& shown, const std::string& under, int depth,
          FolderFighters& found) {
  const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | (depth > 0 ? O_NOFOLLOW : 0));
  if (fd < 0) {
    found.unread.push_back(shown + under + ": " + SystemErrorText(errno));
    return;
  }
  const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
  if (!dir) {
    const int error = errno;
    ::close(fd);
    found.unread.push_back(shown + under + ": " + SystemErrorText(error));
    return;
  }
  std::vector<std::string> subfolders;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view entryName = entry->d_name;
    if (entryName == "." || entryName == "..") continue;
    if (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) {
      struct stat info {};
      if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
        if (depth < kMaxDepth) {
          subfolders.emplace_back(entryName);
        } else {
          found.unread.push_back(shown + under + std::string(entryName) + "/: deeper than " +
                                 IntToStr(kMaxDepth) + " folders");
        }
        continue;
      }
    }
    if (!FighterFileName(entryName)) continue;
    if (entry->d_type != DT_REG) {
      struct stat info {};
      if (::fstatat(fd, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    }
    found.files.push_back(under + std::string(entryName));
  }
  for (const std::string& subfolder : subfolders) {
    Walk(fd, subfolder.c_str(), shown, under + subfolder + '/', depth + 1, found);
  }
}

}  // namespace

FolderFighters FightersInFolder(const std::string& folder) {
  FolderFighters found;
  const std::string shown = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  Walk(AT_FDCWD, folder.empty() ? "." : folder.c_str(), shown, "", 0, found);
  std::sort(found.files.begin(), found.files.end());
  return found;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace ostrak::roster
