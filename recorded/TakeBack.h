#pragma once

// Taking a change back, as the command line and the windows do it alike: an
// undo of a change set, a redo of an undo, a file restored to what it held
// right after (or before) a set. Each is a plan of the roster engine, so it
// is confined, all or nothing, and previewed before it is committed; its
// commit is itself a change set of the history. A file whose bytes now
// differ from what the history last recorded of it (another program changed
// it) is kept in the history as "Changed outside" before it is overwritten.

#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "recorded/RecordedHistory.h"
#include "roster/Roster.h"

namespace ostrak::recorded {

// What a file gets, in the words the command prints after "FILE: ".
enum class Outcome {
  Restored,   // it exists and gets other bytes
  Removed,    // it exists and goes
  Recreated,  // it is gone and comes back
  Unchanged,  // it already holds what it would get
};
const char* OutcomeWords(Outcome outcome);       // "restored"
const char* WouldOutcomeWords(Outcome outcome);  // "would restore", for a dry run

struct TakenBackFile {
  std::string path;        // canonical, as the history keeps it
  history::Content bytes;  // what it gets; none: no file
  Outcome outcome = Outcome::Unchanged;
  // Its bytes now are not what the history last recorded of it.
  bool changedOutside = false;
  history::Content now;  // what it holds now, kept when it changed outside
  // The "Changed outside" set its bytes were kept in, once committed.
  std::optional<history::ChangeSetId> keptAs;
};

enum class TakeBackKind { Undo, Redo, Restore };

struct TakeBackPlan {
  TakeBackKind kind = TakeBackKind::Undo;
  std::string words;  // the change set it makes: "Undo 41", "Redo 42", "Restore"
  std::optional<history::Reversal> reversal;
  std::optional<history::ChangeSetSummary> set;  // the set undone, redone, or restored to
  // Why nothing can be done (nothing to undo, files beyond the path, a
  // version the history does not know); no plan then.
  std::string refusal;
  std::vector<TakenBackFile> files;  // in path order, as the plan's writes
  roster::RosterOptions options;     // where the commit keeps its note
  roster::RosterPlan plan;           // its Problems() too stop the commit

  bool Refused() const { return !refusal.empty(); }
};

// The newest change set not yet undone whose files all lie at or below
// `under` (a file or a folder).
TakeBackPlan PlanUndo(const history::Store& store, const std::string& under);
// The newest undo not yet redone under `under`, unless a later change
// touched one of its files.
TakeBackPlan PlanRedo(const history::Store& store, const std::string& under);
// A given set taken back: an undo of a change or redo, a redo of an undo.
TakeBackPlan PlanTakeBack(const history::Store& store, history::ChangeSetId id);

enum class RestorePoint { After, Before };
// `file` as it was right after (or before) set `id`.
TakeBackPlan PlanRestore(const history::Store& store, const std::string& file, history::ChangeSetId id,
                         RestorePoint point);
// Every file of set `id` as it was right after (or before) it, as one restore.
TakeBackPlan PlanRestoreSet(const history::Store& store, history::ChangeSetId id, RestorePoint point);

struct TakeBackResult {
  roster::CommitResult commit;
  std::optional<history::ChangeSetId> recorded;  // the set the taking back made
  std::string problem;  // "this change has no history: WHY", when it could not be recorded
};

// Keeps each file changed outside in the history first, then commits the
// plan with the journal of its own change set. A plan that changes no file
// (every file already as it would be) still records the undo or redo, so
// that the set counts as taken back.
TakeBackResult CommitTakeBack(TakeBackPlan& plan, WriterHistory& history);

// `path` absolute with every link on the way resolved, as the history keys
// files: the part that exists resolved by the system, the rest (a file gone,
// its folders gone) appended as named. Empty when it cannot be made so.
std::string CanonicalPath(const std::string& path);

}  // namespace ostrak::recorded
