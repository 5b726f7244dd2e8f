#include "roster/Transaction.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <map>
#include <memory>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "roster/CommitPlan.h"
#include "roster/Manifest.h"
#include "roster/Targets.h"

namespace ostrak::roster {

namespace detail {

OldFile OldFileOf(const struct stat& status) {
  return {IdentityOf(status), status.st_size, status.st_mtim, status.st_mode, status.st_uid, status.st_gid};
}

bool StillThere(const OldFile& old, const struct stat& status) {
  return IdentityOf(status) == old.identity && status.st_size == old.size &&
         status.st_mtim.tv_sec == old.modified.tv_sec && status.st_mtim.tv_nsec == old.modified.tv_nsec;
}

}  // namespace detail

namespace {

struct Killed {};

struct Failure {
  std::string file;
  std::string message;
};

constexpr const char* kChanged = "changed since it was checked";

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// The error of a call that just returned, 0 when it worked.
int ErrorOf(bool worked) { return worked ? 0 : errno; }

}  // namespace

class Transaction {
public:
  Transaction(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault)
      : plan_(plan), progress_(progress), fault_(fault) {
    static std::atomic<unsigned> commits{0};
    token_ = ProcessToken() + "-" + IntToStr(commits++);
  }

  CommitResult Run() {
    if (plan_.committed_) return {0, FileFailure{{}, "the plan has been committed already"}};
    if (!plan_.problems_.empty()) return {0, FileFailure{{}, "the plan has problems: nothing is written"}};
    plan_.committed_ = true;
    const detail::CommitPlan& commit = *plan_.commit_;
    const std::size_t total = commit.targets.size();
    if (progress_) progress_(0, total);
    if (total == 0) return {};
    try {
      entries_.reserve(total);
      Begin(commit);
      for (const detail::TargetPlan& target : commit.targets) {
        entries_.push_back({&target, &plan_.files_[target.file], {}, {}, false, 0, false, false});
        Prepare(entries_.back());
        if (progress_) progress_(entries_.size(), total);
      }
      Step(
          CommitStep::Note, {},
          [&] { return ::fsync(manifest_->get()) == 0 ? SyncFolder(base_->get()) : errno; },
          [](int) { return WriteError::Stream().message(); });
      for (Entry& entry : entries_) Rename(entry);
      SyncFolders(true);
      // Each file is new now; what is left is tidying that a later run also does.
      if (WriteAll(manifest_->get(), kDoneLine)) ::fsync(manifest_->get());
      for (Entry& entry : entries_) {
        if (entry.kept) ::unlinkat(entry.folder->get(), KeptName(token_, Index(entry)).c_str(), 0);
      }
      ::unlinkat(base_->get(), ManifestName(token_).c_str(), 0);
      SyncFolder(base_->get());
      return {total, std::nullopt};
    } catch (const Failure& failure) {
      const bool undone = Undo();
      return {0, FileFailure{failure.file, failure.message + (undone ? ""
                                                                     : "; not every file could be put back "
                                                                       "yet: the next run puts them back")}};
    } catch (const Killed&) {
      return {0, FileFailure{{}, "killed"}};
    }
  }

private:
  struct Entry {
    const detail::TargetPlan* target;
    const PlannedFile* file;
    std::string name;  // in its folder
    SharedDescriptor folder;
    bool temporary;  // it exists, not renamed
    ino_t temporaryInode;
    bool kept;  // the old file is kept under its KeptName
    bool renamed;
  };

  std::size_t Index(const Entry& entry) const { return static_cast<std::size_t>(&entry - entries_.data()); }
  std::string PathOf(const Entry& entry) const { return entry.file->path; }

  // Runs `action` (which returns its error number, 0 when it worked) unless
  // the hook fails the step first; on failure throws Failure for `file` with
  // the message `describe` makes of the error.
  template <typename Action, typename Describe>
  void Step(CommitStep step, const std::string& file, Action action, Describe describe) {
    int error = fault_ ? fault_(step, file) : 0;
    if (error == kKilled) throw Killed{};
    if (error == 0) error = action();
    if (error != 0) throw Failure{file, describe(error)};
  }

  void Append(const std::string& line) {
    if (!WriteAll(manifest_->get(), line)) throw Failure{{}, WriteError::Stream().message()};
  }

  void Begin(const detail::CommitPlan& commit) {
    base_ = commit.base.folder;
    if (!base_) {  // made now, and unmade if the commit fails
      base_ = commit.base.deepest;
      if (!base_) throw Failure{{}, CannotCreateFile(commit.base.name, commit.base.error).message()};
      for (const std::string& step : commit.base.missing) {
        if (::mkdirat(base_->get(), step.c_str(), 0777) != 0)
          throw Failure{{}, CannotCreateFile(commit.base.name, errno).message()};
        made_.emplace_back(base_, step);
        const int fd = ::openat(base_->get(), step.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) throw Failure{{}, CannotCreateFile(commit.base.name, errno).message()};
        base_ = std::make_shared<const FileDescriptor>(fd);
      }
    }
    for (const std::string& name : ManifestsIn(base_->get())) {
      const FileDescriptor other(::openat(base_->get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
      if (other.get() >= 0 && ::flock(other.get(), LOCK_SH | LOCK_NB) != 0) {
        throw Failure{
            {}, "another commit is writing into \"" + commit.base.name + "\": try again when it has ended"};
      }
      throw Failure{
          {},
          "an interrupted commit left files in \"" + commit.base.name + "\": they must be put back first"};
    }
    reach_ = commit.reach;
    baseName_ = commit.base.name;
    root_ = OpenFolder("/");
    manifest_ =
        std::make_unique<FileDescriptor>(::openat(base_->get(), ManifestName(token_).c_str(),
                                                  O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (manifest_->get() < 0) {
      throw Failure{{}, CannotCreateFile(commit.base.name + "/" + ManifestName(token_), errno).message()};
    }
    ::flock(manifest_->get(), LOCK_EX);
    Append(ManifestStart(reach_));
  }

  // The folder of `place`, made where missing.
  SharedDescriptor FolderFor(const Entry& entry, const detail::Place& place) {
    std::string key = place.fromRoot ? "/" : ".";
    for (const std::string& step : place.folders) key += "/" + step;
    if (const auto known = folders_.find(key); known != folders_.end()) return known->second;
    const Reach reach = place.fromRoot ? Reach::Anywhere : reach_;
    const FolderWalk walk = WalkFolders(place.fromRoot ? root_ : base_, place.folders, reach);
    if (walk.error != 0)
      throw Failure{entry.file->file, CannotCreateFile(PathOf(entry), walk.error).message()};
    SharedDescriptor folder = walk.folder;
    for (std::size_t i = walk.existing; i < place.folders.size(); ++i) {
      const detail::Place made{
          place.fromRoot,
          {place.folders.begin(), place.folders.begin() + static_cast<std::ptrdiff_t>(i)},
          place.folders[i]};
      Append(MadeFolderLine(made));
      Step(
          CommitStep::MakeFolder, entry.file->file,
          [&] { return ErrorOf(::mkdirat(folder->get(), made.name.c_str(), 0777) == 0); },
          [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); });
      made_.emplace_back(folder, made.name);
      const int fd = OpenBelow(folder->get(), made.name.c_str(), O_PATH | O_DIRECTORY, reach);
      if (fd < 0) throw Failure{entry.file->file, CannotCreateFile(PathOf(entry), errno).message()};
      folder = std::make_shared<const FileDescriptor>(fd);
    }
    return folders_.emplace(key, folder).first->second;
  }

  void Prepare(Entry& entry) {
    const std::string& file = entry.file->file;
    const detail::TargetPlan& target = *entry.target;
    const auto cannotCreate = [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); };
    const auto streamError = [](int) { return WriteError::Stream().message(); };
    detail::Place place;
    if (target.linked) {
      place = *target.linked;
    } else {
      TableProblem problem;
      std::optional<detail::Place> named = PlaceOfName(file, baseName_, reach_, problem);
      if (!named) throw Failure{file, problem.message};
      place = std::move(*named);
    }
    entry.name = place.name;
    entry.folder = FolderFor(entry, place);
    const int folder = entry.folder->get();
    struct stat now {};
    const bool exists = ::fstatat(folder, entry.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (target.old ? !exists || !detail::StillThere(*target.old, now) : exists || errno != ENOENT) {
      throw Failure{file, kChanged};
    }
    Append(FileLine(Index(entry), place, file, target.old.has_value()));

    const std::string temporary = TemporaryName(token_, Index(entry));
    std::unique_ptr<FileDescriptor> out;
    Step(
        CommitStep::Create, file,
        [&] {
          out = std::make_unique<FileDescriptor>(
              ::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       target.old ? 0600 : 0666));
          return ErrorOf(out->get() >= 0);
        },
        cannotCreate);
    entry.temporary = true;
    struct stat created {};
    if (::fstat(out->get(), &created) != 0) throw Failure{file, cannotCreate(errno)};
    entry.temporaryInode = created.st_ino;
    Append(TemporaryLine(Index(entry), created.st_ino));
    if (target.old) {
      const detail::OldFile& old = *target.old;
      if (::fchmod(out->get(), old.mode & 07777) != 0) throw Failure{file, cannotCreate(errno)};
      if ((old.owner != created.st_uid || old.group != created.st_gid) &&
          ::fchown(out->get(), old.owner == created.st_uid ? static_cast<uid_t>(-1) : old.owner,
                   old.group == created.st_gid ? static_cast<gid_t>(-1) : old.group) != 0) {
        throw Failure{file, cannotCreate(errno)};
      }
    }
    Step(
        CommitStep::Write, file, [&] { return ErrorOf(WriteAll(out->get(), entry.file->bytes)); },
        streamError);
    Step(
        CommitStep::Sync, file, [&] { return ErrorOf(::fsync(out->get()) == 0); }, streamError);
    if (target.old) Keep(entry);
  }

  // The old file kept under another name until the commit ends: a hard link,
  // or a copy where the file system has none.
  void Keep(Entry& entry) {
    const std::string& file = entry.file->file;
    const std::string& name = entry.name;
    const std::string kept = KeptName(token_, Index(entry));
    const int folder = entry.folder->get();
    bool copied = false;
    Step(
        CommitStep::Keep, file,
        [&] {
          if (::linkat(folder, name.c_str(), folder, kept.c_str(), 0) == 0) return 0;
          if (errno != EPERM && errno != EMLINK && errno != EXDEV && errno != ENOTSUP) return errno;
          copied = true;
          return CopyFile(folder, name, kept, entry.target->old->mode);
        },
        [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); });
    entry.kept = true;
    struct stat status {};
    if (::fstatat(folder, (copied ? name : kept).c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !detail::StillThere(*entry.target->old, status)) {
      throw Failure{file, kChanged};
    }
    if (::fstatat(folder, kept.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) throw Failure{file, kChanged};
    Append(KeptLine(Index(entry), status.st_ino));
  }

  // The error number, or 0.
  static int CopyFile(int folder, const std::string& from, const std::string& to, mode_t mode) {
    const FileDescriptor in(::openat(folder, from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0) return errno;
    const FileDescriptor out(
        ::openat(folder, to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0) return errno;
    if (::fchmod(out.get(), mode & 07777) != 0) return errno;
    char buffer[65536];
    for (;;) {
      const ssize_t count = ::read(in.get(), buffer, sizeof buffer);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) return errno;
      if (count == 0) return ErrorOf(::fsync(out.get()) == 0);
      if (!WriteAll(out.get(), std::string_view(buffer, static_cast<std::size_t>(count)))) return errno;
    }
  }

  void Rename(Entry& entry) {
    const int folder = entry.folder->get();
    const std::string temporary = TemporaryName(token_, Index(entry));
    const char* name = entry.name.c_str();
    Step(
        CommitStep::Rename, entry.file->file,
        [&] {
          if (entry.target->old) return ErrorOf(::renameat(folder, temporary.c_str(), folder, name) == 0);
          // A file made there since the check is not replaced.
          if (::renameat2(folder, temporary.c_str(), folder, name, RENAME_NOREPLACE) == 0) return 0;
          if (errno != EINVAL) return errno;
          if (::linkat(folder, temporary.c_str(), folder, name, 0) != 0) return errno;
          return ErrorOf(::unlinkat(folder, temporary.c_str(), 0) == 0);
        },
        [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); });
    entry.temporary = false;
    entry.renamed = true;
  }

  // Each folder a rename or a new folder changed, flushed once.
  void SyncFolders(bool asked) {
    std::map<std::string, std::pair<SharedDescriptor, std::string>>
        folders;  // by identity: folder, a file in it
    const auto add = [&](const SharedDescriptor& folder, const std::string& file) {
      struct stat status {};
      if (!folder || ::fstat(folder->get(), &status) != 0) return;
      folders.emplace(IntToStr(static_cast<long long>(status.st_dev)) + ":" +
                          IntToStr(static_cast<long long>(status.st_ino)),
                      std::pair(folder, file));
    };
    for (const Entry& entry : entries_) add(entry.folder, entry.file->file);
    for (const auto& [parent, name] : made_) add(parent, {});
    for (const auto& known : folders) {
      const int folder = known.second.first->get();
      if (!asked) {
        SyncFolder(folder);
        continue;
      }
      Step(
          CommitStep::SyncFolder, known.second.second, [&] { return SyncFolder(folder); },
          [](int) { return WriteError::Stream().message(); });
    }
  }

  // Every file as it was before the commit: true when all of it is undone.
  bool Undo() {
    bool undone = true;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
      const int folder = entry->folder ? entry->folder->get() : -1;
      const std::string& name = entry->name;
      const std::string kept = KeptName(token_, Index(*entry));
      if (entry->renamed && entry->target->old) {
        const bool back = ::renameat(folder, kept.c_str(), folder, name.c_str()) == 0;
        entry->kept = entry->kept && !back;
        undone = undone && back;
      } else if (entry->renamed) {
        struct stat status {};
        if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            status.st_ino == entry->temporaryInode) {
          undone = ::unlinkat(folder, name.c_str(), 0) == 0 && undone;
        }
      }
      if (entry->temporary) ::unlinkat(folder, TemporaryName(token_, Index(*entry)).c_str(), 0);
      if (entry->kept && !entry->renamed) ::unlinkat(folder, kept.c_str(), 0);
    }
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
      ::unlinkat(made->first->get(), made->second.c_str(), AT_REMOVEDIR);
    }
    SyncFolders(false);
    if (undone && manifest_ && manifest_->get() >= 0) {
      ::unlinkat(base_->get(), ManifestName(token_).c_str(), 0);
      SyncFolder(base_->get());
    }
    return undone;
  }

  RosterPlan& plan_;
  const CommitProgress& progress_;
  const FaultHook& fault_;
  std::string token_;
  Reach reach_ = Reach::Confined;
  std::string baseName_;
  SharedDescriptor base_;
  SharedDescriptor root_;
  std::unique_ptr<FileDescriptor> manifest_;
  std::vector<Entry> entries_;
  std::map<std::string, SharedDescriptor> folders_;             // by their steps
  std::vector<std::pair<SharedDescriptor, std::string>> made_;  // folder made: its parent, its name
};

CommitResult CommitWithFaults(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault) {
  return Transaction(plan, progress, fault).Run();
}

CommitResult Commit(RosterPlan& plan, const CommitProgress& progress) {
  return CommitWithFaults(plan, progress, {});
}

}  // namespace ostrak::roster
