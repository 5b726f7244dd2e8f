#pragma once

// The local history of every write: change sets recorded before any file
// changes (Begin), marked done after (MarkDone), settled at the next open when
// a writer was killed in between. Contents are kept once each, compressed
// against the previous version of their file.
//
// Threads: a Store belongs to the thread that opened it (QtSql's connections
// are per thread); a worker that commits opens a Store of its own, which is
// cheap. Any number of stores, in threads or processes, may share one file:
// SQLite's locks serialise the writers, each waiting up to five seconds.
//
// Failures: Open never throws and says why a store cannot be used. Every
// other call throws StoreError with a message in plain words; a store found
// damaged on the way is set aside and a new one started before it throws.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Errors.h"

namespace ostrak::history {

class StoreError : public Error {
public:
  using Error::Error;
};

using ChangeSetId = std::int64_t;
using Clock = std::function<std::chrono::sys_seconds()>;

// A file's content at one point: its bytes, or none when there is no file.
using Content = std::optional<std::string>;

// Paths are canonical: absolute, links resolved, no "." or "..", no '/' at
// the end. They are bytes, as file names are.
struct FileChange {
  std::string path;
  Content before;  // none: the set created the file
  Content after;   // none: the set removed the file
};

enum class SetKind {
  Change,   // a save, an import, a set, a restore
  Undo,     // takes back a Change or a Redo
  Redo,     // takes back an Undo
  Outside,  // bytes another program left, recorded before we overwrite them
};

// What an Undo or a Redo takes back.
struct Reversal {
  SetKind kind = SetKind::Undo;  // Undo or Redo
  ChangeSetId of = 0;
};

struct ChangeSetSummary {
  ChangeSetId id = 0;
  std::string time;     // UTC, ISO 8601: 2024-05-01T12:00:00Z
  std::string command;  // in the user's words: "Save", "Import roster.csv", "Undo 41"
  SetKind kind = SetKind::Change;
  std::optional<ChangeSetId> reverts;     // an Undo's or Redo's set
  std::optional<ChangeSetId> revertedBy;  // the done Undo (or Redo, for an Undo) that took it back
  std::size_t files = 0;
  // Set when a settled set was cut short: which files kept their old bytes.
  std::string note;

  bool undone() const { return revertedBy.has_value(); }
};

struct ChangeSet {
  ChangeSetSummary summary;
  std::vector<FileChange> files;  // in path order
};

// A file's content as one set recorded it.
struct Version {
  ChangeSetId set = 0;
  Content content;
};

// The set an undo or a redo under a path would take back. The caller refuses
// when `outside` is not empty: taking the set back would change files beyond
// the path, and skipping to an older set would leave this one's files in a
// state no step of the history had.
struct Candidate {
  ChangeSetSummary set;
  std::vector<std::string> outside;  // the set's files not under the path
};

// How Settle left a set that a killed writer had not marked done.
enum class SettleOutcome {
  Done,      // every file holds its "after" bytes
  Dropped,   // no file holds its "after" bytes
  Partial,   // done for the files that hold "after"; the note names the others
  Deferred,  // a file could not be read: the set stays pending for the next open
};

struct Settled {
  ChangeSetId id = 0;
  std::string command;
  SettleOutcome outcome = SettleOutcome::Done;
  std::string note;  // Partial: which files kept what they had; Deferred: why
  // The files that held neither bytes the set recorded (a write in place cut
  // short, or another program), with what the set recorded of them, for a
  // caller that can mend them: the store leaves every file as it is.
  std::vector<FileChange> strays;
};

struct PruneReport {
  std::size_t sets = 0;       // change sets removed
  std::size_t contents = 0;   // distinct contents removed
  std::size_t rewritten = 0;  // contents rebuilt because what they were made against went
};

struct SavedDraft {
  std::string time;
  std::string bytes;
};

// Kept whatever else goes: 90 days, and each file's newest 50 versions.
inline constexpr std::chrono::days kKeepDays{90};
inline constexpr std::size_t kKeepVersions = 50;

enum class Maintenance {
  WhenDue,  // at open, when the last was a day ago or more: check the file, prune
  Never,
};

struct OpenOptions {
  Clock clock;  // empty: the system's
  Maintenance maintenance = Maintenance::WhenDue;
};

class Store;

enum class OpenStatus {
  Opened,
  TurnedOff,    // --no-history or the user's setting: `reason` says which
  Unavailable,  // `reason` says why, to be told once with the change it concerns
};

struct OpenResult {
  OpenStatus status = OpenStatus::Unavailable;
  std::unique_ptr<Store> store;  // when Opened
  std::string reason;
  // Where a damaged store was moved before a new one was started; empty: none.
  std::string setAside;
  std::vector<Settled> settled;
  std::optional<PruneReport> pruned;  // when maintenance ran
  // What failed at open without making the store unusable (settling,
  // maintenance): tried again at the next open.
  std::vector<std::string> problems;
};

class Store {
public:
  // The store at `path`, created (mode 0600, missing folders 0700) when
  // absent; a damaged one (not SQLite, failing its check) is set aside as
  // PATH.corrupt-YYYYMMDDTHHMMSSZ with its -wal and -shm. Settles what killed
  // writers left, then runs the maintenance when due. Never throws.
  static OpenResult Open(const std::string& path, const OpenOptions& options = {});

  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  const std::string& path() const;

  // --- Writing, in this order: Begin before any file changes, then the files,
  // then MarkDone (or Drop when nothing was written).

  // Records the set, pending, with every file's bytes in one transaction. An
  // Undo or Redo is refused unless its set is done, of the kind it takes back,
  // and not taken back already.
  ChangeSetId Begin(const std::string& command, const std::vector<FileChange>& files,
                    std::optional<Reversal> reversal = {});
  // The same, the files given one at a time: `files` calls its argument with
  // each in turn, and is called as often as the store needs, so that a set
  // of a million files never has all their bytes in memory at once.
  using FileFeed = std::function<void(const std::function<void(const FileChange&)>& take)>;
  ChangeSetId Begin(const std::string& command, const FileFeed& files, std::optional<Reversal> reversal = {});
  void MarkDone(ChangeSetId id);
  void Drop(ChangeSetId id);
  // A "Changed outside" set, done at once: the file's last recorded content
  // before, `now` (none: the file is gone) after.
  ChangeSetId RecordOutsideChange(const std::string& path, const Content& now);

  // Every pending set whose writer is gone, settled from what its files hold
  // now; nothing on disk is touched. A live writer's sets are left alone.
  std::vector<Settled> Settle();

  // Removes the sets older than kKeepDays that are not among the newest
  // kKeepVersions of any of their files, and the contents no set needs. A
  // content kept that was made against a removed one is rebuilt first.
  PruneReport Prune(std::chrono::sys_seconds now);
  // The maintenance Open runs when due, for a writer that opened without it
  // so that no prune runs before its files are written; none when not due.
  std::optional<PruneReport> MaintainWhenDue();

  // --- Queries: done sets only.

  // The sets touching a file at or below any of `paths`, newest first.
  std::vector<ChangeSetSummary> History(const std::vector<std::string>& paths) const;
  std::optional<ChangeSet> Get(ChangeSetId id) const;
  // The newest Change or Redo touching files under `path` that is not undone.
  std::optional<Candidate> NewestUndoable(const std::string& path) const;
  // The newest Undo touching files under `path` that is not redone, unless a
  // Change made later touched one of its files (a redo would overwrite it).
  std::optional<Candidate> NewestRedoable(const std::string& path) const;
  // The file right after / right before set `id`: as that set recorded it
  // when it touched the file, else as the newest earlier set did. None: the
  // history knows nothing of the file up to there.
  std::optional<Version> VersionAfter(ChangeSetId id, const std::string& path) const;
  std::optional<Version> VersionBefore(ChangeSetId id, const std::string& path) const;
  // What the newest done set touching the file left it with.
  std::optional<Version> LastRecorded(const std::string& path) const;

  // --- The editor's form at exit: one slot per user, the newest wins.
  void SaveDraft(const std::string& bytes);
  std::optional<SavedDraft> Draft() const;
  void ClearDraft();

  class Impl;

private:
  explicit Store(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// --- The user's store and the switch that turns it off.

enum class HistoryUse {
  On,
  Off,  // the writer was told --no-history
};

struct HistoryPlace {
  std::string store;    // DATA/ostrak-editor/history.sqlite
  std::string setting;  // CONFIG/ostrak-editor/history.ini, where "history=off" turns it off
};

// DATA and CONFIG follow the XDG rules ($XDG_DATA_HOME or ~/.local/share,
// $XDG_CONFIG_HOME or ~/.config); null stands for an unset variable.
HistoryPlace HistoryPlaceFor(const char* xdgDataHome, const char* xdgConfigHome, const char* home);
HistoryPlace UserHistoryPlace();

// Whether the setting file says history=off (any case, spaces around allowed);
// a missing or unreadable file leaves history on.
bool TurnedOffIn(const std::string& settingFile);

// The user's store, unless `use` or the user's setting turns it off.
OpenResult OpenHistory(const HistoryPlace& place, HistoryUse use, const OpenOptions& options = {});

}  // namespace ostrak::history
