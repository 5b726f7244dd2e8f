#pragma once

// The roster engine as the command line and the roster window drive it:
// check a fighter file, export files to a table, change files from a table or
// from a few cells. Nothing here prints. Messages are UTF-8 for display,
// except that a file name is quoted with its own bytes. Every call works on
// the caller's thread and shares no state, so a window may run it on a worker.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/Ratings.h"
#include "record/StringList.h"
#include "roster/SetExpression.h"
#include "roster/Table.h"

namespace ostrak::roster {

// ---------------------------------------------------------------------------
// Check

enum class Verdict {
  Loads,  // a file of fewer than 28 lines too: the editor completes it
  Fails,  // the editor's load meets a failure
};

struct FighterCheck {
  Verdict verdict = Verdict::Fails;
  std::string reason;              // the failure; empty when it loads
  std::optional<Ratings> ratings;  // what the evaluation window shows after the load, unless it fails
  // The file's lines as read, completed to 28 when a shorter file loads;
  // none when it could not be read.
  TStringList lines;

  // What `check` says after "FILE: ": "ok" or REASON.
  std::string Message() const;
};

// The file loaded as the editor loads it into a fresh window; the first
// failure wins, as in the editor. Never throws for a bad or missing file.
FighterCheck CheckFighterFile(const std::string& path);

// ---------------------------------------------------------------------------
// Export

enum class TableFormat { Csv, Json };

struct ExportOptions {
  TableFormat format = TableFormat::Csv;
  char separator = ',';        // CSV: ',', ';' or '\t', as the spreadsheet's locale expects
  bool byteOrderMark = false;  // CSV only: a UTF-8 byte-order mark first, which some spreadsheets need
  // Where relative file names are read from (the table still names them as
  // given); empty: the current folder. An import into the same base finds them.
  std::string base = {};
  // game_plan and weight_class as the lists' item texts ("Lightweight: Max
  // 155 lb / 70 kg") where a line holds an item's code as the editor writes
  // it; an import reads them back to the same bytes.
  bool itemTexts = false;
  // The six ratings as columns after extra (ground ... overall), which an
  // import checks against the attributes and never writes.
  bool ratings = false;
};

// A file left out of a table or not written, and why.
struct FileFailure {
  std::string file;  // as the caller or the table named it
  std::string message;
};

struct ExportSink {
  std::function<void(std::string_view bytes)> write;  // the table's bytes, in order
  std::function<void(const FileFailure&)> leftOut;    // may be empty; called when the file is met
};

// The table of `files` in their order: a CSV header and rows (CR LF), or a
// JSON array with one object per line. A file that fails its check or cannot
// be saved back is left out with its reason, and so is a file whose name is
// not UTF-8 (a table would name another file) or holds a line break (an
// import refuses it); the others still go in. Bytes
// reach the sink in pieces of at least 64 KiB (the last may be smaller), so
// the whole table is never held. Returns how many files were left out.
std::size_t ExportFiles(const std::vector<std::string>& files, const ExportOptions& options,
                        const ExportSink& sink);

struct ExportedTable {
  std::string bytes;
  std::vector<FileFailure> leftOut;
};

// The same table held in memory, for a preview.
ExportedTable ExportFiles(const std::vector<std::string>& files, const ExportOptions& options);

// ---------------------------------------------------------------------------
// Import, set and whole-file writes: a plan first, then its commit. Every
// write of a fighter file goes this way, the editor's save too.

enum class MissingFolders {
  Make,    // the commit makes them
  Refuse,  // the file cannot be created ("No such file or directory"), as a save expects
};

struct RosterOptions {
  // Where relative file names are taken; empty: the current folder. Missing
  // folders on its way are made by the commit.
  std::string base;
  // Confined (false), every file must lie below `base`, reached through no
  // symbolic link: an absolute name that does not start with the base's,
  // "..", or a link on the way or at the end is refused (ProblemKind::Outside). True: names lead where the
  // system resolves them, and a link's file is the one replaced.
  bool allowOutside = false;
  MissingFolders missingFolders = MissingFolders::Make;
};

// How an import finds each row's file.
enum class ImportMatch {
  File,       // the row's file cell names it
  SherdogId,  // the file that holds the row's Sherdog ID (see PlanImport)
};

enum class Action : std::uint8_t {
  Create,     // the file does not exist yet
  Replace,    // the file exists and its bytes change
  Remove,     // the file exists and goes
  Unchanged,  // the file already holds these bytes (or is already gone): it is not written
  Refused,    // the row has a problem (see Problems()): nothing is planned for it
};

// Why an import matching rows by Sherdog ID took a row's file.
enum class MatchReason {
  FoundById,        // the one file under the base folder that holds the row's ID
  NewFromFileCell,  // no file holds the ID: a new file, named by the row's file cell
  NewFromFullName,  // no file holds it and the file cell is empty: named after the full name
                    // (DefaultFileName)
};

struct MatchNote {
  MatchReason reason = MatchReason::FoundById;
  std::string sherdogId;  // as the row gives it, spaces around it aside
  std::string rowFile;    // the row's file cell when it names another file than the one taken; else empty

  // English, for the command line: "holds Sherdog ID 12345; the row names old.txt".
  std::string Text() const;
};

// Where a plan keeps bytes (see RosterPlan::BytesOf).
struct HeldBytes {
  std::uint64_t offset = 0;
  std::uint32_t size = 0;
};

// Where the files of a plan lie: one for every file of a plan in one folder.
struct PlannedFolder {
  std::string under;  // the folder a file is named under, the plan's base; empty: the current folder
  // Absolute, every link on the way resolved as the system found it from the
  // folder's own descriptor, so two names of one place give one path; empty
  // when the file was refused before it was found. For a file reached
  // through a link at its name, the whole path of the file it leads to.
  std::string canonical;
  bool whole = false;  // `canonical` is the file's own path, not its folder's
};

struct PlannedFile {
  int row = 0;  // in the table, from 1 after the header; 0 for set; from 1 in the order of writes
  Action action = Action::Refused;
  // The plan keeps the bytes the file held when checked: a file the commit
  // changes that exists.
  bool heldOld = false;
  std::string file;  // as the table names it
  std::shared_ptr<const PlannedFolder> folder;
  // The new file's bytes, then those it held when checked, back to back:
  // read them through RosterPlan::BytesOf and BeforeOf.
  std::uint64_t heldAt = 0;
  std::uint32_t newSize = 0;
  std::uint32_t oldSize = 0;
  // Why this is the row's file, when rows are matched by Sherdog ID; shared
  // and held apart so that a plan of a million files does not carry its room.
  std::shared_ptr<const MatchNote> match;

  // Where it is written: `file` under the base folder (the base itself for
  // no name), as messages quote it.
  std::string path() const;
  // Where it is, absolute with every link resolved (see PlannedFolder);
  // empty when it was refused before it was found.
  std::string canonicalPath() const;
};

// A deque, so that a plan that grows by a million files never holds two
// copies of them while it grows, as a vector does when it moves them.
using PlannedFiles = std::deque<PlannedFile>;

// One whole file as a caller wants it (the editor's save; undo, redo,
// restore and merge): `file` named as in a table (under the base folder
// unless leave is given to go outside), `bytes` its new content, none to
// remove it.
struct FileWrite {
  std::string file;
  std::optional<std::string> bytes;
};

struct Assignment {
  std::string column;  // a line column or extra
  std::string value;   // UTF-8; game_plan and weight_class also take an item's text ("GnP", "Welterweight")
};

// Called with (0, total) before the first write, then after each new file is
// written and flushed; the renames that put them all in place follow the last.
using CommitProgress = std::function<void(std::size_t done, std::size_t total)>;

struct CommitResult {
  std::size_t written = 0;             // every file the plan changes (removed ones too), or none
  std::optional<FileFailure> failure;  // the file that failed; every file is then as it was, unless:
  bool intact = true;                  // false: not every file could be put back, as the message says
  bool ok() const { return !failure; }
};

namespace detail {
struct CommitPlan;
class PlanBytes;
}  // namespace detail

// What an import or a set would do, checked against the file system when it
// was made. Making it writes nothing, so a caller cancels by dropping it.
class RosterPlan {
public:
  // Every row whose file cell names a file, in table order.
  const PlannedFiles& Files() const { return files_; }
  // In row order, a row's file problems first; row 0 is the table as a whole
  // (it cannot be read, its header is wrong, a file system has no room). Set
  // reports everything as row 0.
  const std::vector<TableProblem>& Problems() const { return problems_; }
  // What the user should know that is no problem: how the table was read
  // (Windows-1252 when it is not UTF-8).
  const std::vector<std::string>& Notes() const { return notes_; }
  // The files a commit writes (created, replaced or removed).
  std::size_t ChangeCount() const;
  // A planned file's new bytes: empty when it is refused, removed or
  // unchanged. A large plan keeps them in a temporary file: a failure to
  // read them back throws Error.
  std::string BytesOf(const PlannedFile& file) const;
  // What the history keeps of a file the commit changes: the bytes it held
  // when checked; none for a file created. The bytes after are BytesOf's,
  // none for a file removed.
  std::optional<std::string> BeforeOf(const PlannedFile& file) const;

private:
  friend RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options, ImportMatch match);
  friend RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                            const RosterOptions& options);
  friend RosterPlan PlanSet(const std::vector<std::string>& files,
                            const std::vector<SetExpression>& expressions, const RosterOptions& options);
  friend RosterPlan PlanWrites(const std::vector<FileWrite>& writes, const RosterOptions& options);
  friend class PlanBuilder;
  friend class Transaction;

  PlannedFiles files_;
  std::vector<TableProblem> problems_;
  std::vector<std::string> notes_;
  std::shared_ptr<detail::CommitPlan> commit_;
  std::shared_ptr<detail::PlanBytes> bytes_;
  bool committed_ = false;
};

// The table at `tablePath`: JSON when its name ends in .json (any case), CSV
// otherwise, with ',', ';' or tab between cells as its header line shows;
// UTF-8 with or without a byte-order mark, or Windows-1252 when it is not
// UTF-8 (said in Notes()). Rows are read one at a time and each is checked
// with its file: the row's cells, its file confined to the base folder (see
// RosterOptions), no two rows naming one file, no row naming the table, and
// what a changed file keeps. Then, as the user, whether each folder lets us
// create and rename and each file system has room. Making a plan writes
// nothing but a probe file it removes at once, so a caller cancels by
// dropping the plan.
//
// Matched by Sherdog ID, a row's file is the one under the base folder (the
// fighter files in it and its subfolders) that holds the row's ID, whatever
// its file cell says; an ID that no file holds makes a new file named by the
// file cell, or when that is empty (or the column is left out) after the full
// name. Refused: a row without an ID, an ID held by two files (both named)
// or given by two rows, a new file whose name is taken by another fighter's
// file, and a base folder not read whole. Each planned file says why it is
// the row's (PlannedFile::match).
RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options,
                      ImportMatch match = ImportMatch::File);

// One file's own row with the assigned cells in place, checked as import
// checks a row. The file must exist and hold at least 28 lines.
RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                   const RosterOptions& options);

// Many files, each named under the base folder as an import's file cell
// names it, changed by the same expressions and checked as import checks a
// row: one plan, so the commit writes all of them or none. Each file has its
// entry in Files(), in the order given, its problems under its row (its
// place in `files`, from 1); a file the expressions leave as it is (every
// line holds what the editor shows for it already) is Unchanged. A file that
// does not exist or does not load is refused. A problem with the
// expressions themselves is row 0, and then no file is planned.
RosterPlan PlanSet(const std::vector<std::string>& files, const std::vector<SetExpression>& expressions,
                   const RosterOptions& options);

// Whole files, each written, created or removed as given, with the checks an
// import makes of its rows' files (confinement, no file named twice, folders
// and room) but none of a fighter's lines: the caller gives the bytes. A
// file already as given is Unchanged. A file that a new one must not replace
// is written over itself: one with other names (hard links), one whose
// folder refuses new files, one that belongs to another user.
RosterPlan PlanWrites(const std::vector<FileWrite>& writes, const RosterOptions& options);

// What the history records of one file of a commit; the texts live as long
// as the call they are given to.
struct JournalFile {
  std::string_view canonicalPath;
  std::optional<std::string_view> before;  // none: the commit creates it
  std::optional<std::string_view> after;   // none: the commit removes it
};

// The files of a commit, read one at a time as a journal goes through them,
// as often as it likes, so that their bytes are never all held at once.
class JournalFiles {
public:
  using Visit = std::function<void(const JournalFile& file)>;
  using Feed = std::function<void(const Visit& visit)>;

  JournalFiles(std::size_t count, Feed feed) : count_(count), feed_(std::move(feed)) {}
  // Files held by the caller, for as long as this lives.
  explicit JournalFiles(const std::vector<JournalFile>& files)
      : count_(files.size()), feed_([&files](const Visit& visit) {
          for (const JournalFile& file : files) visit(file);
        }) {}
  // Held by reference: a temporary would be gone before the journal reads it.
  JournalFiles(std::vector<JournalFile>&&) = delete;

  std::size_t size() const { return count_; }
  // Each file in the commit's order. Throws what reading the plan's bytes
  // back throws (Error).
  void ForEach(const Visit& visit) const { feed_(visit); }

private:
  std::size_t count_;
  Feed feed_;
};

// Told of a commit as it goes, so that a history can record every change
// before the files change. A journal never stops a commit: its calls must not
// throw, and a throw is taken as though the call had not been made. Its own
// trouble (a store it cannot write) is its to report.
class CommitJournal {
public:
  virtual ~CommitJournal();
  // Every check has passed and the files it names are about to change.
  virtual void Begin(const JournalFiles& files) = 0;
  // Every file holds its new bytes.
  virtual void Done() = 0;
  // The commit failed after Begin and every file is as it was. After a
  // failure that could not put every file back, or a kill, neither comes:
  // the files are then put back by RecoverInterrupted or left for the
  // journal to settle.
  virtual void Abandoned() = 0;
};

// Writes every file the plan changes or none: each new file as a temporary
// beside its target, flushed; the old ones kept by hard link; then one pass
// of renames and removals, undone from the kept ones if one fails; then the
// folders flushed. A file written over itself gets room for its new length
// before the pass, a copy of its old bytes beside it where its folder takes
// one, and its old bytes back if anything fails. A file changed since the
// plan was made stops the commit before anything changes. A plan with
// problems writes nothing; a plan commits once. The base folder keeps a
// manifest of what is in flight, so that a commit cut short (a kill, a
// crash) is put back by RecoverInterrupted; a base folder that refuses new
// files can hold none, and a plan that writes only over files in place there
// commits without one (only the journal's record can then mend a kill).
CommitResult Commit(RosterPlan& plan, const CommitProgress& progress = {}, CommitJournal* journal = nullptr);

// What an interrupted commit into `options.base` left behind, put back: each
// file it had replaced or created is as before it, its temporaries and kept
// files are gone. One line per thing done, for the user. Call it before
// planning; a commit refuses to start while such leftovers remain. A commit
// still running in another process is left alone. `dryRun`: only say what
// would be done.
std::vector<std::string> RecoverInterrupted(const RosterOptions& options, bool dryRun = false);

}  // namespace ostrak::roster
