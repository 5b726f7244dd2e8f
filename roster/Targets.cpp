#include "roster/Targets.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"

namespace ostrak::roster {

namespace {

// Walks kept open at once; a table naming more folders walks again.
constexpr std::size_t kKeptWalks = 64;
// Links to nothing followed one after the other, as the system's own limit.
constexpr int kMaxLinks = 40;

std::string Joined(const std::vector<std::string>& steps) {
  std::string joined;
  for (const std::string& step : steps) joined += "/" + step;
  return joined;
}

// What a non-regular file is, in the system's words for the error.
std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "Not a regular file (a named pipe)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Not a regular file (a device)";
  if (S_ISSOCK(mode)) return "Not a regular file (a socket)";
  return "Not a regular file";
}

// The content of the regular file `name` that fstatat found as `status`; a
// problem when it cannot be written as `writing` allows or read.
std::optional<std::string> ReadOld(int folder, const std::string& name, const struct stat& status,
                                   const std::string& path, Writing writing, Target& target) {
  std::string& bytes = target.oldBytes;
  const FileDescriptor file(
      ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat opened {};
  if (file.get() < 0 || ::fstat(file.get(), &opened) != 0) return CannotOpenFile(path, errno).message();
  if (!S_ISREG(opened.st_mode) || IdentityOf(opened) != IdentityOf(status))
    return "changed while it was checked";
  const bool inPlaceToo = writing == Writing::InPlaceToo;
  if (opened.st_nlink > 1 && !inPlaceToo) {
    return "has " + IntToStr(static_cast<long long>(opened.st_nlink)) +
           " names (hard links): a new file would part them, leaving the others with the old lines";
  }
  // The editor does not save over a file the user may not write; neither do we.
  if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0)
    return CannotCreateFile(path, errno).message();
  const bool foreign = ::geteuid() != 0 && opened.st_uid != ::geteuid();
  if (foreign && !inPlaceToo) return "belongs to another user: a new file in its place would belong to you";
  target.inPlace = opened.st_nlink > 1 || foreign;
  if (int flags = 0; ::ioctl(file.get(), FS_IOC_GETFLAGS, &flags) == 0) {
    if (flags & FS_IMMUTABLE_FL) return CannotCreateFile(path, "Immutable file").message();
    if (flags & FS_APPEND_FL) return CannotCreateFile(path, "Append-only file").message();
  }
  if (static_cast<unsigned long long>(opened.st_size) > kMaxInputFileBytes)
    return CannotOpenFile(path, EFBIG).message();
  bytes.resize(static_cast<std::size_t>(opened.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return CannotOpenFile(path, errno).message();
    if (count == 0) return "changed while it was checked";
    done += static_cast<std::size_t>(count);
  }
  return std::nullopt;
}

}  // namespace

std::string PathUnder(const std::string& folder, const std::string& file) {
  if (folder.empty() || file.empty() || file.front() == '/') return file;
  return folder.back() == '/' ? folder + file : folder + "/" + file;
}

TargetFinder::TargetFinder(const RosterOptions& options, const std::optional<FileIdentity>& table,
                           Writing writing)
    : base_(OpenBase(options.base)),
      reach_(options.allowOutside ? Reach::Anywhere : Reach::Confined),
      writing_(writing),
      table_(table),
      root_(OpenFolder("/")) {}

FolderWalk TargetFinder::WalkTo(const detail::Place& place) {
  std::vector<std::string> steps = place.fromRoot ? std::vector<std::string>() : base_.missing;
  steps.insert(steps.end(), place.folders.begin(), place.folders.end());
  const std::string key = (place.fromRoot ? "/" : ".") + Joined(steps);
  if (const auto known = walks_.find(key); known != walks_.end()) return known->second;
  if (walks_.size() >= kKeptWalks) walks_.clear();
  const FolderWalk walk =
      WalkFolders(place.fromRoot ? root_ : base_.deepest, steps, place.fromRoot ? Reach::Anywhere : reach_);
  return walks_.emplace(key, walk).first->second;
}

std::optional<detail::Place> PlaceOfName(const std::string& file, const std::string& baseName, Reach reach,
                                         TableProblem& problem) {
  const auto fail = [&](std::string message, ProblemKind kind = ProblemKind::Other) {
    problem.message = std::move(message);
    problem.kind = kind;
    return std::nullopt;
  };
  detail::Place place;
  place.fromRoot = file.front() == '/';
  place.folders = PathSteps(file);
  if (reach == Reach::Confined) {
    if (std::find(place.folders.begin(), place.folders.end(), "..") != place.folders.end()) {
      return fail("leaves the base folder \"" + baseName + "\" through \"..\"", ProblemKind::Outside);
    }
    // An absolute name is taken when it starts with the base folder's own
    // (as an export of files named that way does), and found from there.
    const std::vector<std::string> baseSteps = PathSteps(baseName);
    if (place.fromRoot && (place.folders.size() <= baseSteps.size() ||
                           !std::equal(baseSteps.begin(), baseSteps.end(), place.folders.begin()))) {
      return fail("is an absolute name, outside the base folder \"" + baseName + "\"", ProblemKind::Outside);
    }
    if (place.fromRoot) {
      place.fromRoot = false;
      place.folders.erase(place.folders.begin(),
                          place.folders.begin() + static_cast<std::ptrdiff_t>(baseSteps.size()));
    }
  }
  // A name that ends in a folder ("sub/", "sub/.", "..") is no file, even once made.
  if (place.folders.empty() || file.back() == '/' || file.ends_with("/.") || place.folders.back() == "..") {
    return fail(CannotCreateFile(PathUnder(baseName, file), EISDIR).message());
  }
  place.name = std::move(place.folders.back());
  place.folders.pop_back();
  return place;
}

std::optional<Target> TargetFinder::Find(int row, const std::string& file,
                                         std::vector<TableProblem>& problems) {
  const std::string path = PathUnder(base_.name, file);
  TableProblem problem{row, kFileColumn, {}};
  if (base_.error != 0) problem.message = CannotCreateFile(path, base_.error).message();
  std::optional<detail::Place> place;
  if (base_.error == 0) place = PlaceOfName(file, base_.name, reach_, problem);
  if (!place) {
    problems.push_back(std::move(problem));
    return std::nullopt;
  }
  return FindPlace(row, std::move(*place), path, problems, 0);
}

std::optional<Target> TargetFinder::FindPlace(int row, detail::Place place, const std::string& path,
                                              std::vector<TableProblem>& problems, int links) {
  const auto fail = [&](std::string message, ProblemKind kind = ProblemKind::Other) {
    problems.push_back({row, kFileColumn, std::move(message), kind});
    return std::nullopt;
  };
  const FolderWalk walk = WalkTo(place);
  const std::size_t inBase = place.fromRoot ? 0 : base_.missing.size();
  const std::size_t steps = inBase + place.folders.size();
  if (walk.error == ELOOP && reach_ == Reach::Confined) {
    const std::string& link =
        walk.existing < inBase ? base_.missing[walk.existing] : place.folders[walk.existing - inBase];
    return fail("goes through the symbolic link \"" + link +
                    "\", which could lead out of the base folder \"" + base_.name + "\"",
                ProblemKind::Outside);
  }
  if (walk.error == EXDEV)
    return fail("leads out of the base folder \"" + base_.name + "\"", ProblemKind::Outside);
  if (walk.error != 0) return fail(CannotCreateFile(path, walk.error).message());

  Target target{place, links > 0, path, "#" + IntToStr(Intern(walk.identity)), {}, {}, {}, {}, false};
  target.canonicalFolder = CanonicalFolder(walk, place);
  for (std::size_t i = walk.existing; i < steps; ++i) {
    const std::string& step = i < inBase ? base_.missing[i] : place.folders[i - inBase];
    // A folder to be made cannot be left again by "..".
    if (step == "..") return fail(CannotCreateFile(path, ENOENT).message());
    target.key += "/" + step;
    target.made.push_back(target.key);
    target.canonicalFolder += (target.canonicalFolder.ends_with('/') ? "" : "/") + step;
  }
  if (walk.existing < steps) {
    target.key += "/" + place.name;
    return target;
  }

  struct stat status {};
  if (::fstatat(walk.folder->get(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno != ENOENT) return fail(CannotCreateFile(path, errno).message());
    target.key += "/" + place.name;
    return target;
  }
  if (S_ISLNK(status.st_mode)) {
    if (reach_ == Reach::Confined) {
      return fail("is a symbolic link, which could lead out of the base folder \"" + base_.name + "\"",
                  ProblemKind::Outside);
    }
    // Leaving the base allowed: the file the link leads to is the one replaced.
    const FileDescriptor followed(::openat(walk.folder->get(), place.name.c_str(), O_PATH | O_CLOEXEC));
    if (followed.get() < 0 && errno == ENOENT && writing_ == Writing::InPlaceToo && links < kMaxLinks) {
      // As a save expects: the file the link names is created.
      char named[4096];
      const ssize_t length = ::readlinkat(walk.folder->get(), place.name.c_str(), named, sizeof named);
      if (length > 0 && static_cast<std::size_t>(length) < sizeof named) {
        std::string to(named, static_cast<std::size_t>(length));
        if (to.front() != '/') to = CanonicalFolder(walk, place) + "/" + to;
        detail::Place linked{true, PathSteps(to), {}};
        if (!linked.folders.empty() && !to.ends_with('/')) {
          linked.name = linked.folders.back();
          linked.folders.pop_back();
          return FindPlace(row, std::move(linked), path, problems, links + 1);
        }
      }
      errno = ENOENT;
    }
    if (followed.get() < 0 || ::fstat(followed.get(), &status) != 0) {
      return fail(
          CannotCreateFile(path, errno == ENOENT ? "A symbolic link to nothing" : SystemErrorText(errno))
              .message());
    }
    if (S_ISREG(status.st_mode) && links == 0) {
      char real[4096];
      const std::string proc = "/proc/self/fd/" + IntToStr(followed.get());
      const ssize_t length = ::readlink(proc.c_str(), real, sizeof real);
      if (length > 0 && real[0] == '/') {
        detail::Place linked{true, PathSteps(std::string(real, static_cast<std::size_t>(length))), {}};
        linked.name = linked.folders.back();
        linked.folders.pop_back();
        return FindPlace(row, std::move(linked), path, problems, links + 1);
      }
    }
  }
  if (S_ISDIR(status.st_mode)) return fail(CannotCreateFile(path, EISDIR).message());
  if (!S_ISREG(status.st_mode)) return fail(CannotCreateFile(path, KindOf(status.st_mode)).message());
  if (table_ && IdentityOf(status) == *table_)
    return fail("is the table itself, which an import never replaces");
  if (auto problem = ReadOld(walk.folder->get(), place.name, status, path, writing_, target))
    return fail(*problem);
  target.key =
      "=" + IntToStr(Intern({status.st_dev, 0})) + ":" + IntToStr(static_cast<long long>(status.st_ino));
  target.old = detail::OldFileOf(status);
  return target;
}

std::string TargetFinder::CanonicalFolder(const FolderWalk& walk, const detail::Place& place) {
  const auto key = std::pair(walk.identity.device, walk.identity.inode);
  if (const auto known = canonicalFolders_.find(key); known != canonicalFolders_.end()) return known->second;
  if (canonicalFolders_.size() >= kKeptWalks) canonicalFolders_.clear();
  char real[4096];
  const std::string proc = "/proc/self/fd/" + IntToStr(walk.folder->get());
  const ssize_t length = ::readlink(proc.c_str(), real, sizeof real);
  std::string name;
  if (length > 0 && real[0] == '/' && static_cast<std::size_t>(length) < sizeof real) {
    name.assign(real, static_cast<std::size_t>(length));
  } else {
    // No /proc: the name as the walk spelled it, which is all that is known.
    std::vector<std::string> steps;
    if (!place.fromRoot) {
      steps = PathSteps(base_.name);
      steps.resize(steps.size() - std::min(steps.size(), base_.missing.size()));
    }
    const std::size_t inBase = place.fromRoot ? 0 : base_.missing.size();
    for (std::size_t i = 0; i < walk.existing; ++i)
      steps.push_back(i < inBase ? base_.missing[i] : place.folders[i - inBase]);
    name = "/" + Joined(steps).substr(steps.empty() ? 0 : 1);
  }
  return canonicalFolders_.emplace(key, std::move(name)).first->second;
}

long long TargetFinder::Intern(const FileIdentity& identity) {
  return interned_
      .emplace(std::pair(identity.device, identity.inode), static_cast<long long>(interned_.size()))
      .first->second;
}

bool TargetFinder::Claim(int row, const Target& target, std::vector<TableProblem>& problems) {
  const auto [known, added] = rowOfKey_.Emplace(target.key, row);
  std::optional<std::string> problem;
  if (!added) {
    problem = "names the same file as row " + IntToStr(known);
  } else if (madeFolders_.contains(target.key)) {
    problem = CannotCreateFile(target.path, EISDIR).message();
  } else if (std::any_of(target.made.begin(), target.made.end(),
                         [&](const std::string& key) { return rowOfKey_.Contains(key); })) {
    problem = CannotCreateFile(target.path, ENOTDIR).message();
  }
  madeFolders_.insert(target.made.begin(), target.made.end());
  if (problem) problems.push_back({row, kFileColumn, std::move(*problem)});
  return !problem;
}

}  // namespace ostrak::roster
