// What each file of a commit goes through (see CommitTransaction.h): its
// place found again and checked, its temporary written and flushed, its old
// file kept, then in the pass of the renames its rename or removal.

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "roster/CommitTransaction.h"
#include "roster/Manifest.h"
#include "roster/Targets.h"

namespace ostrak::roster {

namespace {

std::string CannotRemove(const std::string& path, int error) {
  return "Cannot remove file \"" + FullPathName(path) + "\". " + SystemErrorText(error);
}

}  // namespace

std::uint32_t Transaction::FolderFor(const Entry& entry, const detail::Place& place) {
  std::string key = place.fromRoot ? "/" : ".";
  for (const std::string& step : place.folders) key += "/" + step;
  if (const auto known = folders_.find(key); known != folders_.end()) return known->second;
  const Reach reach = place.fromRoot ? Reach::Anywhere : reach_;
  const FolderWalk walk = WalkFolders(place.fromRoot ? root_ : base_, place.folders, reach);
  if (walk.error != 0)
    throw Failure{FileOf(entry).file, CannotCreateFile(PathOf(entry), walk.error).message()};
  SharedDescriptor folder = walk.folder;
  for (std::size_t i = walk.existing; i < place.folders.size(); ++i) {
    const detail::Place made{place.fromRoot,
                             {place.folders.begin(), place.folders.begin() + static_cast<std::ptrdiff_t>(i)},
                             place.folders[i]};
    Append(MadeFolderLine(made));
    Step(
        CommitStep::MakeFolder, FileOf(entry).file,
        [&] { return ErrorOf(::mkdirat(folder->get(), made.name.c_str(), 0777) == 0); },
        [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); });
    made_.emplace_back(folder, made.name);
    const int fd = OpenBelow(folder->get(), made.name.c_str(), O_PATH | O_DIRECTORY, reach);
    if (fd < 0) throw Failure{FileOf(entry).file, CannotCreateFile(PathOf(entry), errno).message()};
    folder = std::make_shared<const FileDescriptor>(fd);
  }
  folderList_.push_back(std::move(folder));
  return folders_.emplace(key, static_cast<std::uint32_t>(folderList_.size() - 1)).first->second;
}

detail::Place Transaction::Find(Entry& entry) {
  const std::string& file = FileOf(entry).file;
  detail::Place place;
  if (const detail::Place* linked = LinkedOf(entry)) {
    place = *linked;
  } else {
    TableProblem problem;
    std::optional<detail::Place> named = PlaceOfName(file, baseName_, reach_, problem);
    if (!named) throw Failure{file, problem.message};
    place = std::move(*named);
  }
  entry.folder = FolderFor(entry, place);
  struct stat now {};
  const bool exists = ::fstatat(FolderOf(entry), NameOf(entry), &now, AT_SYMLINK_NOFOLLOW) == 0;
  if (OldOf(entry) ? !exists || !detail::StillThere(*OldOf(entry), now) : exists || errno != ENOENT) {
    throw Failure{file, kChanged};
  }
  return place;
}

void Transaction::Prepare(Entry& entry) {
  const detail::Place place = Find(entry);
  const std::string& file = FileOf(entry).file;
  const detail::TargetPlan& target = TargetOf(entry);
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
  const int folder = FolderOf(entry);
  const auto cannotCreate = [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); };
  const auto streamError = [](int) { return WriteError::Stream().message(); };
  Append(
      FileLine(Index(entry), place, file, OldOf(entry) ? ManifestChange::Replace : ManifestChange::Create));

  const std::string temporary = TemporaryName(token_, Index(entry));
  std::unique_ptr<FileDescriptor> out;
  Step(
      CommitStep::Create, file,
      [&] {
        out = std::make_unique<FileDescriptor>(::openat(folder, temporary.c_str(),
                                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                                        OldOf(entry) ? 0600 : 0666));
        return ErrorOf(out->get() >= 0);
      },
      cannotCreate);
  entry.temporary = true;
  struct stat created {};
  if (::fstat(out->get(), &created) != 0) throw Failure{file, cannotCreate(errno)};
  entry.temporaryInode = created.st_ino;
  Append(TemporaryLine(Index(entry), created.st_ino));
  if (OldOf(entry)) {
    const detail::OldFile& old = *OldOf(entry);
    if (::fchmod(out->get(), old.mode & 07777) != 0) throw Failure{file, cannotCreate(errno)};
    if ((old.owner != created.st_uid || old.group != created.st_gid) &&
        ::fchown(out->get(), old.owner == created.st_uid ? static_cast<uid_t>(-1) : old.owner,
                 old.group == created.st_gid ? static_cast<gid_t>(-1) : old.group) != 0) {
      throw Failure{file, cannotCreate(errno)};
    }
  }
  const std::string bytes = NewBytes(entry);
  Step(
      CommitStep::Write, file, [&] { return ErrorOf(WriteAll(out->get(), bytes)); }, streamError);
  Step(
      CommitStep::Sync, file, [&] { return ErrorOf(::fsync(out->get()) == 0); }, streamError);
  if (OldOf(entry)) Keep(entry);
}

int Transaction::WriteBeside(const Entry& entry, const std::string& name, std::string_view bytes, mode_t mode,
                             ino_t& inode) {
  const int folder = FolderOf(entry);
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
  const std::string& file = FileOf(entry).file;
  const std::string name = NameOf(entry);
  const std::string kept = KeptName(token_, Index(entry));
  const int folder = FolderOf(entry);
  bool copied = false;
  std::optional<std::string> before;
  Step(
      CommitStep::Keep, file,
      [&] {
        if (::linkat(folder, name.c_str(), folder, kept.c_str(), 0) == 0) return 0;
        if (errno != EPERM && errno != EMLINK && errno != EXDEV && errno != ENOTSUP) return errno;
        copied = true;
        ino_t inode = 0;
        before = OldBytes(entry);
        return before ? WriteBeside(entry, kept, *before, OldOf(entry)->mode, inode) : EINVAL;
      },
      [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); });
  entry.kept = true;
  struct stat status {};
  if (::fstatat(folder, (copied ? name : kept).c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
      !detail::StillThere(*OldOf(entry), status)) {
    throw Failure{file, kChanged};
  }
  if (::fstatat(folder, kept.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) throw Failure{file, kChanged};
  Append(KeptLine(Index(entry), status.st_ino));
}

void Transaction::Change(Entry& entry) {
  switch (TargetOf(entry).change) {
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
  const int folder = FolderOf(entry);
  const std::string temporary = TemporaryName(token_, Index(entry));
  const char* name = NameOf(entry);
  Step(
      CommitStep::Rename, FileOf(entry).file,
      [&] {
        if (OldOf(entry)) return ErrorOf(::renameat(folder, temporary.c_str(), folder, name) == 0);
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
      CommitStep::Remove, FileOf(entry).file,
      [&] { return ErrorOf(::unlinkat(FolderOf(entry), NameOf(entry), 0) == 0); },
      [&](int error) { return CannotRemove(PathOf(entry), error); });
  entry.renamed = true;
}

// Each folder a rename, a removal or a new folder changed, flushed once; a
// file written over itself changed no name.

}  // namespace ostrak::roster
