#pragma once

// The transaction behind Commit, in three files: Transaction.cpp runs it,
// keeps the manifest, tells the journal and undoes; TransactionFiles.cpp
// takes each file through its steps (made, kept, renamed, removed), and
// TransactionInPlace.cpp those written over themselves, which keep their
// identity.
//
// What a kill leaves of a file written over itself: before the pass of the
// renames, the file as it was (its room reserved, its size unchanged); during
// or after its writes, until the manifest says "done", old bytes, new bytes
// or a mixture of the two, which RecoverInterrupted puts back from the copy
// kept beside it. In a folder that refuses new files there is no copy, and
// where that folder is the base, no manifest either: the commit journal's
// record of the bytes before (written before the first byte changes) is then
// what can still give them back.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/FileDescriptor.h"
#include "core/InPlaceWrite.h"
#include "roster/CommitPlan.h"
#include "roster/Roster.h"
#include "roster/Transaction.h"

namespace ostrak::roster {

class Transaction {
public:
  Transaction(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault,
              CommitJournal* journal);

  CommitResult Run();

private:
  struct Killed {};

  static constexpr std::uint32_t kNoFolder = UINT32_MAX;

  struct Failure {
    std::string file;
    std::string message;
  };

  // A file written over itself: open for writing, and its old bytes. Apart,
  // so that a commit creating a million files does not carry its room.
  struct InPlaceFile {
    std::unique_ptr<FileDescriptor> self;
    std::unique_ptr<InPlaceWrite> over;
  };

  struct Entry {
    ino_t temporaryInode = 0;
    std::uint32_t folder = kNoFolder;  // in folderList_, once found
    bool temporary : 1 = false;        // it exists, not renamed
    bool kept : 1 = false;             // the old file (or a copy of it) is kept under its KeptName
    bool renamed : 1 = false;          // renamed into place, or removed
    bool overwritten : 1 = false;      // a byte may have been written over the old ones
    bool damaged : 1 = false;          // its old bytes could not be put back
  };

  std::size_t Index(const Entry& entry) const { return static_cast<std::size_t>(&entry - entries_.data()); }
  // Each entry stands for the plan's target of the same index.
  const detail::TargetPlan& TargetOf(const Entry& entry) const {
    return plan_.commit_->targets[Index(entry)];
  }
  const PlannedFile& FileOf(const Entry& entry) const { return plan_.files_[TargetOf(entry).file]; }
  const detail::OldFile* OldOf(const Entry& entry) const { return plan_.commit_->OldOf(TargetOf(entry)); }
  const detail::Place* LinkedOf(const Entry& entry) const { return plan_.commit_->LinkedOf(TargetOf(entry)); }
  std::string PathOf(const Entry& entry) const { return FileOf(entry).path(); }
  // Its name in its folder: where a link led, else its name's last step (the
  // plan refuses a name that ends in a folder).
  const char* NameOf(const Entry& entry) const {
    if (const detail::Place* linked = LinkedOf(entry)) return linked->name.c_str();
    const std::string& file = FileOf(entry).file;
    return file.c_str() + (file.rfind('/') + 1);
  }
  int FolderOf(const Entry& entry) const { return folderList_[entry.folder]->get(); }
  bool InPlace(const Entry& entry) const {
    return TargetOf(entry).change == detail::Change::InPlace ||
           TargetOf(entry).change == detail::Change::InPlaceUncopied;
  }
  // A copy beside it, and a manifest to find it by.
  bool Copied(const Entry& entry) const {
    return TargetOf(entry).change == detail::Change::InPlace && manifest_ != nullptr;
  }

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

  // The entry's bytes as the plan keeps them; a failure to read them back
  // fails the commit as a write would.
  std::string NewBytes(const Entry& entry) const;
  std::optional<std::string> OldBytes(const Entry& entry) const;
  void Append(const std::string& line);
  void Begin(const detail::CommitPlan& commit);
  // The place's folder in folderList_, found (and made) once for every entry in it.
  std::uint32_t FolderFor(const Entry& entry, const detail::Place& place);
  // Finds the entry's place again, refusing one that changed since it was checked.
  detail::Place Find(Entry& entry);
  void Prepare(Entry& entry);
  // A new file of ours beside the entry's, holding `bytes`, flushed: its
  // error number or 0, the file's inode in `inode`.
  int WriteBeside(const Entry& entry, const std::string& name, std::string_view bytes, mode_t mode,
                  ino_t& inode);
  void Keep(Entry& entry);
  void Change(Entry& entry);
  void Rename(Entry& entry);
  void Remove(Entry& entry);
  void SyncFolders(bool asked);
  void Tell(void (CommitJournal::*call)());
  void BeginJournal();
  // Every file as it was before the commit: true when all of it is undone.
  bool Undo();

  // TransactionInPlace.cpp
  void PrepareInPlace(Entry& entry, const detail::Place& place);
  void Overwrite(Entry& entry);
  // The entry's old bytes back after a failure: false when they could not be.
  bool PutBack(Entry& entry);

  RosterPlan& plan_;
  const CommitProgress& progress_;
  const FaultHook& fault_;
  CommitJournal* journal_;
  bool journalBegun_ = false;
  std::string token_;
  Reach reach_ = Reach::Confined;
  std::string baseName_;
  SharedDescriptor base_;
  SharedDescriptor root_;
  std::unique_ptr<FileDescriptor> manifest_;
  std::vector<Entry> entries_;
  std::map<std::size_t, InPlaceFile> inPlace_;    // by entry, for those written over themselves
  std::map<std::string, std::uint32_t> folders_;  // in folderList_, by their steps
  std::vector<SharedDescriptor> folderList_;
  std::vector<std::pair<SharedDescriptor, std::string>> made_;  // folder made: its parent, its name
};

// write(2) until every byte is written: false with errno set when one fails.
bool WriteAll(int fd, std::string_view bytes);

// The error of a call that just returned, 0 when it worked.
inline int ErrorOf(bool worked) { return worked ? 0 : errno; }

inline constexpr const char* kChanged = "changed since it was checked";

}  // namespace ostrak::roster
