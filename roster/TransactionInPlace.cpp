// A commit's files that are written over themselves (see Change::InPlace):
// opened and checked before anything changes, their room reserved, a copy
// of their old bytes and their new ones kept beside them where the folder
// takes files, then written in the pass of the renames, in their turn.

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "roster/CommitTransaction.h"
#include "roster/Manifest.h"

namespace ostrak::roster {

void Transaction::PrepareInPlace(Entry& entry, const detail::Place& place) {
  const std::string& file = FileOf(entry).file;
  const auto cannotCreate = [&](int error) { return CannotCreateFile(PathOf(entry), error).message(); };
  const auto streamError = [](int) { return WriteError::Stream().message(); };
  // Opened once, so that the file checked is the file written; a pipe put in
  // its place cannot block the open.
  InPlaceFile& own = inPlace_[Index(entry)];
  own.self = std::make_unique<FileDescriptor>(
      ::openat(FolderOf(entry), NameOf(entry), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (own.self->get() < 0) throw Failure{file, cannotCreate(errno)};
  struct stat status {};
  if (::fstat(own.self->get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      !detail::StillThere(*OldOf(entry), status)) {
    throw Failure{file, kChanged};
  }
  std::string before = OldBytes(entry).value_or(std::string());
  if (Copied(entry)) {
    Append(FileLine(Index(entry), place, file, ManifestChange::InPlace));
    Append(SelfLine(Index(entry), status.st_ino));
    ino_t inode = 0;
    Step(
        CommitStep::Create, file,
        [&] { return WriteBeside(entry, TemporaryName(token_, Index(entry)), NewBytes(entry), 0600, inode); },
        cannotCreate);
    entry.temporary = true;
    entry.temporaryInode = inode;
    Append(TemporaryLine(Index(entry), inode));
    Step(
        CommitStep::Keep, file,
        [&] { return WriteBeside(entry, KeptName(token_, Index(entry)), before, 0600, inode); },
        cannotCreate);
    entry.kept = true;
    Append(KeptLine(Index(entry), inode));
  }
  own.over = std::make_unique<InPlaceWrite>(own.self->get(), std::move(before));
  Step(
      CommitStep::Reserve, file, [&] { return own.over->Reserve(FileOf(entry).newSize); }, streamError);
}

void Transaction::Overwrite(Entry& entry) {
  const std::string& file = FileOf(entry).file;
  const std::string bytes = NewBytes(entry);
  InPlaceWrite& over = *inPlace_.at(Index(entry)).over;
  const auto streamError = [](int) { return WriteError::Stream().message(); };
  entry.overwritten = true;
  Step(
      CommitStep::Overwrite, file, [&] { return over.Overwrite(bytes); }, streamError);
  Step(
      CommitStep::Cut, file, [&] { return over.Cut(bytes.size()); }, streamError);
  Step(
      CommitStep::Flush, file, [&] { return over.Flush(); }, streamError);
}

bool Transaction::PutBack(Entry& entry) {
  int error = fault_ ? fault_(CommitStep::PutBack, FileOf(entry).file) : 0;
  if (error == kKilled) throw Killed{};
  if (error == 0) error = inPlace_.at(Index(entry)).over->PutBack();
  return error == 0;
}

}  // namespace ostrak::roster
