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
#include "roster/CommitTransaction.h"
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

CommitJournal::~CommitJournal() = default;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

namespace {

std::string CannotRemove(const std::string& path, int error) {
  return "Cannot remove file \"" + FullPathName(path) + "\". " + SystemErrorText(error);
}

}  // namespace

Transaction::Transaction(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault,
                         CommitJournal* journal)
    : plan_(plan), progress_(progress), fault_(fault), journal_(journal) {
  static std::atomic<unsigned> commits{0};
  token_ = ProcessToken() + "-" + IntToStr(commits++);
}

CommitResult Transaction::Run() {
  if (plan_.committed_) return {0, FileFailure{{}, "the plan has been committed already"}};
  if (!plan_.problems_.empty()) return {0, FileFailure{{}, "the plan has problems: nothing is written"}};
  plan_.committed_ = true;
  const detail::CommitPlan& commit = *plan_.commit_;
  const std::size_t total = commit.targets.size();
  if (progress_) progress_(0, total);
  if (total == 0) return {};
  const CommitResult killed{0, FileFailure{{}, "killed"}, false};
  Failure failure;
  try {
    entries_.reserve(total);
    Begin(commit);
    for (const detail::TargetPlan& target : commit.targets) {
      entries_.emplace_back();
      entries_.back().target = &target;
      entries_.back().file = &plan_.files_[target.file];
      Prepare(entries_.back());
      if (progress_) progress_(entries_.size(), total);
    }
    if (manifest_) {
      Step(
          CommitStep::Note, {},
          [&] { return ::fsync(manifest_->get()) == 0 ? SyncFolder(base_->get()) : errno; },
          [](int) { return WriteError::Stream().message(); });
    }
    BeginJournal();
    for (Entry& entry : entries_) Change(entry);
    SyncFolders(true);
    // Each file is new now; what is left is tidying that a later run also
    // does. Once "done" is on the disk, a crash can only bring back files of
    // ours that the next run removes, so their removal is not flushed.
    if (manifest_ && WriteAll(manifest_->get(), kDoneLine)) ::fsync(manifest_->get());
    for (Entry& entry : entries_) {
      if (entry.kept) ::unlinkat(entry.folder->get(), KeptName(token_, Index(entry)).c_str(), 0);
      if (entry.temporary) ::unlinkat(entry.folder->get(), TemporaryName(token_, Index(entry)).c_str(), 0);
    }
    if (manifest_) ::unlinkat(base_->get(), ManifestName(token_).c_str(), 0);
    Tell(&CommitJournal::Done);
    return {total, std::nullopt};
  } catch (const Failure& caught) {
    failure = caught;
  } catch (const Killed&) {
    return killed;
  }
  bool undone = false;
  try {
    undone = Undo();
  } catch (const Killed&) {
    return killed;
  }
  if (undone) {
    Tell(&CommitJournal::Abandoned);
    return {0, FileFailure{failure.file, failure.message}};
  }
  std::string lost;
  for (const Entry& entry : entries_) {
    if (entry.damaged && !Copied(entry)) lost += (lost.empty() ? "" : ", ") + ("\"" + PathOf(entry) + "\"");
  }
  return {0,
          FileFailure{failure.file, failure.message + (lost.empty() ? "; not every file could be put back "
                                                                      "yet: the next run puts them back"
                                                                    : "; the old bytes of " + lost +
                                                                          " could not be put back")},
          false};
}

void Transaction::Append(const std::string& line) {
  if (manifest_ && !WriteAll(manifest_->get(), line)) throw Failure{{}, WriteError::Stream().message()};
}

void Transaction::Begin(const detail::CommitPlan& commit) {
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
        {}, "an interrupted commit left files in \"" + commit.base.name + "\": they must be put back first"};
  }
  reach_ = commit.reach;
  baseName_ = commit.base.name;
  root_ = OpenFolder("/");
  if (!commit.manifest) return;
  manifest_ = std::make_unique<FileDescriptor>(::openat(
      base_->get(), ManifestName(token_).c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (manifest_->get() < 0) {
    const int error = errno;
    manifest_.reset();
    throw Failure{{}, CannotCreateFile(commit.base.name + "/" + ManifestName(token_), error).message()};
  }
  ::flock(manifest_->get(), LOCK_EX);
  Append(ManifestStart(reach_));
}

SharedDescriptor Transaction::FolderFor(const Entry& entry, const detail::Place& place) {
  std::string key = place.fromRoot ? "/" : ".";
  for (const std::string& step : place.folders) key += "/" + step;
  if (const auto known = folders_.find(key); known != folders_.end()) return known->second;
  const Reach reach = place.fromRoot ? Reach::Anywhere : reach_;
  const FolderWalk walk = WalkFolders(place.fromRoot ? root_ : base_, place.folders, reach);
  if (walk.error != 0) throw Failure{entry.file->file, CannotCreateFile(PathOf(entry), walk.error).message()};
  SharedDescriptor folder = walk.folder;
  for (std::size_t i = walk.existing; i < place.folders.size(); ++i) {
    const detail::Place made{place.fromRoot,
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

detail::Place Transaction::Find(Entry& entry) {
  const std::string& file = entry.file->file;
  const detail::TargetPlan& target = *entry.target;
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
  struct stat now {};
  const bool exists = ::fstatat(entry.folder->get(), entry.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
  if (target.old ? !exists || !detail::StillThere(*target.old, now) : exists || errno != ENOENT) {
    throw Failure{file, kChanged};
  }
  return place;
}

void Transaction::Prepare(Entry& entry) {
  const detail::Place place = Find(entry);
  const std::string& file = entry.file->file;
  const detail::TargetPlan& target = *entry.target;
  switch (target.change) {
    case detail::Change::InPlace:
    case detail::Change::InPlaceUncopied:
      return PrepareInPlace(entry, place);
    case detail::Change::Remove:
      Append(FileLine(Index(entry), place, file, ManifestChange::Remove));
      return Keep(entry);
    case detail::Change::Rename:
      break;
  }
  const int folder = entry.folder->get();
  const auto cannotCreate = [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); };
  const auto streamError = [](int) { return WriteError::Stream().message(); };
  Append(FileLine(Index(entry), place, file, target.old ? ManifestChange::Replace : ManifestChange::Create));

  const std::string temporary = TemporaryName(token_, Index(entry));
  std::unique_ptr<FileDescriptor> out;
  Step(
      CommitStep::Create, file,
      [&] {
        out = std::make_unique<FileDescriptor>(::openat(folder, temporary.c_str(),
                                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
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
      CommitStep::Write, file, [&] { return ErrorOf(WriteAll(out->get(), entry.file->bytes)); }, streamError);
  Step(
      CommitStep::Sync, file, [&] { return ErrorOf(::fsync(out->get()) == 0); }, streamError);
  if (target.old) Keep(entry);
}

int Transaction::WriteBeside(const Entry& entry, const std::string& name, std::string_view bytes, mode_t mode,
                             ino_t& inode) {
  const int folder = entry.folder->get();
  const FileDescriptor out(
      ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (out.get() < 0) return errno;
  struct stat created {};
  int error = ErrorOf(::fstat(out.get(), &created) == 0);
  if (error == 0) error = ErrorOf(::fchmod(out.get(), mode & 07777) == 0);
  if (error == 0) error = ErrorOf(WriteAll(out.get(), bytes));
  if (error == 0) error = ErrorOf(::fsync(out.get()) == 0);
  if (error != 0) {
    ::unlinkat(folder, name.c_str(), 0);
    return error;
  }
  inode = created.st_ino;
  return 0;
}

// The old file kept under another name until the commit ends: a hard link,
// or a copy where the file system has none.
void Transaction::Keep(Entry& entry) {
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
        ino_t inode = 0;
        return entry.file->before
                   ? WriteBeside(entry, kept, *entry.file->before, entry.target->old->mode, inode)
                   : EINVAL;
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

void Transaction::Change(Entry& entry) {
  switch (entry.target->change) {
    case detail::Change::Rename:
      return Rename(entry);
    case detail::Change::Remove:
      return Remove(entry);
    case detail::Change::InPlace:
    case detail::Change::InPlaceUncopied:
      return Overwrite(entry);
  }
}

void Transaction::Rename(Entry& entry) {
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

void Transaction::Remove(Entry& entry) {
  Step(
      CommitStep::Remove, entry.file->file,
      [&] { return ErrorOf(::unlinkat(entry.folder->get(), entry.name.c_str(), 0) == 0); },
      [&](int error) { return CannotRemove(PathOf(entry), error); });
  entry.renamed = true;
}

// Each folder a rename, a removal or a new folder changed, flushed once; a
// file written over itself changed no name.
void Transaction::SyncFolders(bool asked) {
  std::map<std::string, std::pair<SharedDescriptor, std::string>>
      folders;  // by identity: folder, a file in it
  const auto add = [&](const SharedDescriptor& folder, const std::string& file) {
    struct stat status {};
    if (!folder || ::fstat(folder->get(), &status) != 0) return;
    folders.emplace(IntToStr(static_cast<long long>(status.st_dev)) + ":" +
                        IntToStr(static_cast<long long>(status.st_ino)),
                    std::pair(folder, file));
  };
  for (const Entry& entry : entries_) {
    if (!InPlace(entry)) add(entry.folder, entry.file->file);
  }
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

void Transaction::BeginJournal() {
  if (!journal_) return;
  std::vector<JournalFile> files;
  files.reserve(entries_.size());
  for (const Entry& entry : entries_) {
    const PlannedFile& file = *entry.file;
    JournalFile told{file.canonicalPath, std::nullopt, std::nullopt};
    if (file.before) told.before = *file.before;
    if (entry.target->change != detail::Change::Remove) told.after = file.bytes;
    files.push_back(told);
  }
  try {
    journal_->Begin(files);
    journalBegun_ = true;
  } catch (...) {
    // The journal says what went wrong itself; the write goes on.
  }
}

void Transaction::Tell(void (CommitJournal::*call)()) {
  if (!journalBegun_) return;
  try {
    (journal_->*call)();
  } catch (...) {
  }
}

bool Transaction::Undo() {
  bool undone = true;
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    const int folder = entry->folder ? entry->folder->get() : -1;
    const std::string& name = entry->name;
    const std::string kept = KeptName(token_, Index(*entry));
    const detail::Change change = entry->target->change;
    if (InPlace(*entry)) {
      if (entry->overwritten) {
        entry->damaged = !PutBack(*entry);
      } else if (entry->over) {
        entry->over->Unreserve();
      }
      undone = undone && !entry->damaged;
      // Kept for the next run, which puts the file back from them.
      if (entry->damaged && Copied(*entry)) continue;
      entry->renamed = false;
    } else if (entry->renamed && change == detail::Change::Remove) {
      // Not over a file made there since.
      const bool back = ::linkat(folder, kept.c_str(), folder, name.c_str(), 0) == 0;
      entry->renamed = !back;
      undone = undone && back;
    } else if (entry->renamed && entry->target->old) {
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

CommitResult CommitWithFaults(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault,
                              CommitJournal* journal) {
  return Transaction(plan, progress, fault, journal).Run();
}

CommitResult Commit(RosterPlan& plan, const CommitProgress& progress, CommitJournal* journal) {
  return CommitWithFaults(plan, progress, {}, journal);
}

}  // namespace ostrak::roster
