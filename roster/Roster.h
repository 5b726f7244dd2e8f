#pragma once

// The roster engine as the command line and the roster window drive it:
// check a fighter file, export files to a table, change files from a table or
// from a few cells. Nothing here prints. Messages are UTF-8 for display,
// except that a file name is quoted with its own bytes. Every call works on
// the caller's thread and shares no state, so a window may run it on a worker.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/Ratings.h"
#include "record/StringList.h"
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
  bool byteOrderMark = false;  // a UTF-8 byte-order mark first, which some spreadsheets need to read UTF-8
  // Where relative file names are read from (the table still names them as
  // given); empty: the current folder. An import into the same base finds them.
  std::string base = {};
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
// not UTF-8 (a table would name another file); the others still go in. Bytes
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
// Import and set: a plan first, then its commit

struct RosterOptions {
  // Where relative file names are taken; empty: the current folder. Missing
  // folders on its way are made by the commit.
  std::string base;
  // Confined (false), every file must lie below `base`, reached through no
  // symbolic link: an absolute name that does not start with the base's,
  // "..", or a link on the way or at the end is refused (ProblemKind::Outside). True: names lead where the
  // system resolves them, and a link's file is the one replaced.
  bool allowOutside = false;
};

enum class Action {
  Create,     // the file does not exist yet
  Replace,    // the file exists and its bytes change
  Unchanged,  // the file already holds these bytes: it is not written
  Refused,    // the row has a problem (see Problems()): nothing is planned for it
};

struct PlannedFile {
  int row = 0;       // in the table, from 1 after the header; 0 for set
  std::string file;  // as the table names it
  std::string path;  // where it is written: `file` under the base folder
  Action action = Action::Refused;
  std::string bytes;  // the new file's bytes; empty when refused or unchanged
};

struct Assignment {
  std::string column;  // a line column or extra
  std::string value;   // UTF-8; game_plan and weight_class also take an item's text ("GnP")
};

// Called with (0, total) before the first write, then after each new file is
// written and flushed; the renames that put them all in place follow the last.
using CommitProgress = std::function<void(std::size_t done, std::size_t total)>;

struct CommitResult {
  std::size_t written = 0;             // every file the plan changes, or none
  std::optional<FileFailure> failure;  // the file that failed; every file is then as it was
  bool ok() const { return !failure; }
};

namespace detail {
struct CommitPlan;
}

// What an import or a set would do, checked against the file system when it
// was made. Making it writes nothing, so a caller cancels by dropping it.
class RosterPlan {
public:
  // Every row whose file cell names a file, in table order.
  const std::vector<PlannedFile>& Files() const { return files_; }
  // In row order, a row's file problems first; row 0 is the table as a whole
  // (it cannot be read, its header is wrong, a file system has no room). Set
  // reports everything as row 0.
  const std::vector<TableProblem>& Problems() const { return problems_; }
  // What the user should know that is no problem: how the table was read
  // (Windows-1252 when it is not UTF-8).
  const std::vector<std::string>& Notes() const { return notes_; }
  // The files a commit writes (created or replaced).
  std::size_t ChangeCount() const;

private:
  friend RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options);
  friend RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                            const RosterOptions& options);
  friend class PlanBuilder;
  friend class Transaction;

  std::vector<PlannedFile> files_;
  std::vector<TableProblem> problems_;
  std::vector<std::string> notes_;
  std::shared_ptr<detail::CommitPlan> commit_;
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
RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options);

// One file's own row with the assigned cells in place, checked as import
// checks a row. The file must exist and hold at least 28 lines.
RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                   const RosterOptions& options);

// Writes every file the plan changes or none: each new file as a temporary
// beside its target, flushed; the old ones kept by hard link; then one pass
// of renames, undone from the kept ones if one fails; then the folders
// flushed. A file changed since the plan was made stops the commit before any
// rename. A plan with problems writes nothing; a plan commits once. The folder
// keeps a manifest of what is in flight, so that a commit cut short (a kill,
// a crash) is put back by RecoverInterrupted.
CommitResult Commit(RosterPlan& plan, const CommitProgress& progress = {});

// What an interrupted commit into `options.base` left behind, put back: each
// file it had replaced or created is as before it, its temporaries and kept
// files are gone. One line per thing done, for the user. Call it before
// planning; a commit refuses to start while such leftovers remain. A commit
// still running in another process is left alone. `dryRun`: only say what
// would be done.
std::vector<std::string> RecoverInterrupted(const RosterOptions& options, bool dryRun = false);

}  // namespace ostrak::roster
