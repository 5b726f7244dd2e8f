#include "roster/Transaction.h"

#include <fcntl.h>
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
    for (std::size_t i = 0; i < total; ++i) {
      entries_.emplace_back();
      Prepare(entries_.back());
      if (progress_) progress_(entries_.size(), total);
    }
    // One file renamed or removed is whole on either side of a power cut,
    // so its manifest need not reach the disk before: only, with "done",
    // after the rename has (below). Several files, a file written over
    // itself or a folder made are put back from it, so it goes first.
    const bool alone = entries_.size() == 1 && !InPlace(entries_.front()) && made_.empty();
    if (manifest_ && !alone) {
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
    // Not on the disk, a power cut would let the next run put the old files
    // back over a change said to be written: so it fails the commit.
    if (manifest_) {
      Step(
          CommitStep::Done, {},
          [&] {
            if (!WriteAll(manifest_->get(), kDoneLine)) return errno ? errno : EIO;
            return ::fsync(manifest_->get()) == 0 ? 0 : errno;
          },
          [](int) { return WriteError::Stream().message(); });
    }
    for (Entry& entry : entries_) {
      if (entry.kept) ::unlinkat(FolderOf(entry), KeptName(token_, Index(entry)).c_str(), 0);
      if (entry.temporary) ::unlinkat(FolderOf(entry), TemporaryName(token_, Index(entry)).c_str(), 0);
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

std::string Transaction::NewBytes(const Entry& entry) const {
  try {
    return plan_.BytesOf(FileOf(entry));
  } catch (const Error& failure) {
    throw Failure{FileOf(entry).file, failure.message()};
  }
}

std::optional<std::string> Transaction::OldBytes(const Entry& entry) const {
  try {
    return plan_.BeforeOf(FileOf(entry));
  } catch (const Error& failure) {
    throw Failure{FileOf(entry).file, failure.message()};
  }
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
  // Each folder once, with the first file of ours in it.
  std::vector<bool> met(folderList_.size());
  for (const Entry& entry : entries_) {
    if (InPlace(entry) || entry.folder == kNoFolder || met[entry.folder]) continue;
    met[entry.folder] = true;
    add(folderList_[entry.folder], FileOf(entry).file);
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
  const JournalFiles files(entries_.size(), [this](const JournalFiles::Visit& visit) {
    for (const Entry& entry : entries_) {
      const PlannedFile& file = FileOf(entry);
      const std::optional<std::string> before = plan_.BeforeOf(file);
      std::optional<std::string> after;
      if (TargetOf(entry).change != detail::Change::Remove) after = plan_.BytesOf(file);
      const std::string canonical = file.canonicalPath();
      visit({canonical, before, after});
    }
  });
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
    const int folder = entry->folder != kNoFolder ? FolderOf(*entry) : -1;
    const char* name = NameOf(*entry);
    const std::string kept = KeptName(token_, Index(*entry));
    const detail::Change change = TargetOf(*entry).change;
    if (InPlace(*entry)) {
      if (entry->overwritten) {
        entry->damaged = !PutBack(*entry);
      } else if (const auto own = inPlace_.find(Index(*entry)); own != inPlace_.end() && own->second.over) {
        own->second.over->Unreserve();
      }
      undone = undone && !entry->damaged;
      // Kept for the next run, which puts the file back from them.
      if (entry->damaged && Copied(*entry)) continue;
      entry->renamed = false;
    } else if (entry->renamed && change == detail::Change::Remove) {
      // Not over a file made there since.
      const bool back = ::linkat(folder, kept.c_str(), folder, name, 0) == 0;
      entry->renamed = !back;
      undone = undone && back;
    } else if (entry->renamed && OldOf(*entry)) {
      const bool back = ::renameat(folder, kept.c_str(), folder, name) == 0;
      entry->kept = entry->kept && !back;
      undone = undone && back;
    } else if (entry->renamed) {
      struct stat status {};
      if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
          status.st_ino == entry->temporaryInode) {
        undone = ::unlinkat(folder, name, 0) == 0 && undone;
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
