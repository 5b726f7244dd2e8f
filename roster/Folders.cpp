#include "roster/Folders.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>

#include "core/FileAccess.h"
#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

std::string Hex(std::uint64_t value) {
  std::string hex;
  do {
    hex.insert(hex.begin(), "0123456789abcdef"[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return hex;
}

}  // namespace

FileIdentity IdentityOf(const struct stat& status) { return {status.st_dev, status.st_ino}; }

int OpenBelow(int folder, const char* name, int flags, Reach reach, mode_t mode) {
  if (reach == Reach::Anywhere) return ::openat(folder, name, flags | O_CLOEXEC, mode);
  open_how how{};
  how.flags = static_cast<std::uint64_t>(flags | O_CLOEXEC | O_NOFOLLOW);
  how.mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? mode : 0;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS;
  for (;;) {
    const long fd = ::syscall(SYS_openat2, folder, name, &how, sizeof how);
    if (fd >= 0) return static_cast<int>(fd);
    if (errno == EAGAIN || errno == EINTR) continue;  // a rename elsewhere raced the lookup
    if (errno != ENOSYS) return -1;
    // Before Linux 5.6: one name without "/" or "..", and no link at its end,
    // stays below the folder all the same.
    const std::string_view step(name);
    if (step.find('/') != std::string_view::npos || step == "..") {
      errno = EXDEV;
      return -1;
    }
    return ::openat(folder, name, flags | O_CLOEXEC | O_NOFOLLOW, mode);
  }
}

FolderWalk WalkFolders(const SharedDescriptor& root, const std::vector<std::string>& steps, Reach reach) {
  FolderWalk walk{root, {}, 0, 0};
  for (; walk.existing < steps.size(); ++walk.existing) {
    const int fd = OpenBelow(walk.folder->get(), steps[walk.existing].c_str(), O_PATH | O_DIRECTORY, reach);
    if (fd < 0) {
      if (errno != ENOENT) walk.error = errno;
      // Not followed, a link is no folder: say what it is.
      struct stat link {};
      if (errno == ENOTDIR &&
          ::fstatat(walk.folder->get(), steps[walk.existing].c_str(), &link, AT_SYMLINK_NOFOLLOW) == 0 &&
          S_ISLNK(link.st_mode)) {
        walk.error = ELOOP;
      }
      break;
    }
    walk.folder = std::make_shared<const FileDescriptor>(fd);
  }
  struct stat status {};
  if (::fstat(walk.folder->get(), &status) == 0) walk.identity = IdentityOf(status);
  return walk;
}

SharedDescriptor OpenFolder(const std::string& path) {
  const int fd = ::open(path.empty() ? "." : path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_shared<const FileDescriptor>(fd);
}

BaseFolder OpenBase(const std::string& path) {
  BaseFolder base;
  base.name = FullPathName(path.empty() ? "." : path);
  if (base.name.size() > 1 && base.name.back() == '/') base.name.pop_back();
  base.folder = OpenFolder(path);
  if (base.folder) {
    base.deepest = base.folder;
    return base;
  }
  if (errno != ENOENT) {
    base.error = errno;
    return base;
  }
  // Missing in part: found from the root by its full name, as far as it goes.
  const std::vector<std::string> steps = PathSteps(base.name);
  const FolderWalk walk = WalkFolders(OpenFolder("/"), steps, Reach::Anywhere);
  base.error = walk.error;
  base.deepest = walk.folder;
  base.missing.assign(steps.begin() + static_cast<std::ptrdiff_t>(walk.existing), steps.end());
  return base;
}

int MakeBase(BaseFolder& base) {
  if (base.folder) return 0;
  if (base.error != 0) return base.error;
  SharedDescriptor folder = base.deepest;
  for (const std::string& step : base.missing) {
    if (::mkdirat(folder->get(), step.c_str(), 0777) != 0 && errno != EEXIST) return errno;
    const int fd = ::openat(folder->get(), step.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    folder = std::make_shared<const FileDescriptor>(fd);
  }
  base.folder = base.deepest = folder;
  base.missing.clear();
  return 0;
}

std::vector<std::string> PathSteps(const std::string& path) {
  std::vector<std::string> steps;
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string step = path.substr(start, end - start);
    if (!step.empty() && step != ".") steps.push_back(std::move(step));
    start = end + 1;
  }
  return steps;
}

std::string OwnName(const std::string& token, const std::string& suffix) {
  return std::string(kOwnPrefix) + token + "-" + suffix;
}

bool IsOwnName(const std::string& name) { return name.starts_with(kOwnPrefix); }

const std::string& ProcessToken() {
  static const std::string token = [] {
    std::uint32_t random = 0;
    if (::getrandom(&random, sizeof random, 0) != sizeof random)
      random = static_cast<std::uint32_t>(::time(nullptr));
    return Hex(static_cast<std::uint64_t>(::getpid())) + "-" + Hex(random);
  }();
  return token;
}

namespace {

constexpr std::string_view kProbe = "probe";
constexpr std::string_view kProbed = "probed";

// The process whose probe `name` is: ".ostrak-PID-RANDOM-probe" or "...-probed".
std::optional<pid_t> ProbeOwner(std::string_view name) {
  if (!name.starts_with(kOwnPrefix)) return std::nullopt;
  name.remove_prefix(kOwnPrefix.size());
  const std::size_t pidEnd = name.find('-');
  const std::size_t randomEnd = name.find('-', pidEnd + 1);
  if (pidEnd == std::string_view::npos || randomEnd == std::string_view::npos) return std::nullopt;
  const std::string_view suffix = name.substr(randomEnd + 1);
  if (suffix != kProbe && suffix != kProbed) return std::nullopt;
  const std::string_view random = name.substr(pidEnd + 1, randomEnd - pidEnd - 1);
  if (random.empty() || random.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
    return std::nullopt;
  }
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + pidEnd, pid, 16);
  if (error != std::errc() || end != name.data() + pidEnd || pid <= 0) return std::nullopt;
  return pid;
}

// The file, named `probe`: unnamed until linked in where the file system
// allows it, then by name. The error number, or 0.
int CreateProbe(int folder, const std::string& probe, bool& linked) {
  const FileDescriptor unnamed(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
  if (unnamed.get() >= 0) {
    // Linking by descriptor wants a privilege; through /proc it wants none.
    const std::string self = "/proc/self/fd/" + IntToStr(unnamed.get());
    linked = ::linkat(AT_FDCWD, self.c_str(), folder, probe.c_str(), AT_SYMLINK_FOLLOW) == 0;
    if (linked) return 0;
  }
  // No unnamed files here (or no /proc): the named file tells the truth all the same.
  const int fd = ::openat(folder, probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

}  // namespace

FolderProbe ProbeFolder(int folder, ProbeOf what) {
  const std::string probe = OwnName(ProcessToken(), std::string(kProbe));
  const std::string moved = OwnName(ProcessToken(), std::string(kProbed));
  FolderProbe result;
  if (what == ProbeOf::Folders) {
    if (::mkdirat(folder, probe.c_str(), 0700) != 0) {
      result.error = errno;
    } else if (::unlinkat(folder, probe.c_str(), AT_REMOVEDIR) != 0) {
      result.error = errno;
    }
    return result;
  }
  if ((result.error = CreateProbe(folder, probe, result.hardLinks)) != 0) return result;
  if (::renameat(folder, probe.c_str(), folder, moved.c_str()) != 0) {
    result.error = errno;
    ::unlinkat(folder, probe.c_str(), 0);
    return result;
  }
  if (!result.hardLinks && ::linkat(folder, moved.c_str(), folder, probe.c_str(), 0) == 0) {
    result.hardLinks = true;
    ::unlinkat(folder, probe.c_str(), 0);
  }
  if (::unlinkat(folder, moved.c_str(), 0) != 0) result.error = errno;
  return result;
}

void SweepProbes(int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(fd), ::closedir);
  if (!dir) {
    ::close(fd);
    return;
  }
  std::vector<std::string> gone;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::optional<pid_t> owner = ProbeOwner(entry->d_name);
    if (owner && *owner != ::getpid() && ::kill(*owner, 0) != 0 && errno == ESRCH)
      gone.emplace_back(entry->d_name);
  }
  for (const std::string& name : gone) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(status.st_mode)) ::unlinkat(folder, name.c_str(), 0);
    if (S_ISDIR(status.st_mode)) ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);  // only when empty
  }
}

}  // namespace ostrak::roster
