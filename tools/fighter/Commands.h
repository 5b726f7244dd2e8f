#pragma once

// The companion's commands. Each returns the process exit status: 0 when
// every file loads (and every write succeeds), 1 otherwise.

#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "recorded/TakeBack.h"
#include "roster/Roster.h"
#include "roster/RosterDiff.h"

namespace ostrak::fighter {

enum class RatingsFormat { Table, Csv, Json };

// `warnings`: after "ok", what makes the file look wrong ("; warning: ...").
int RunCheck(const std::vector<std::string>& files, bool warnings = false);
int RunRatings(const std::vector<std::string>& files, RatingsFormat format);
int RunShow(const std::string& file);

// The roster commands (RosterCommands.cpp).
enum class ImportMode { Write, DryRun };

int RunExport(const std::vector<std::string>& files, const roster::ExportOptions& options);
// `use`: whether the writes are kept in the history (--no-history: not).
int RunImport(const std::string& table, const roster::RosterOptions& options, ImportMode mode,
              roster::ImportMatch match, history::HistoryUse use);
// One change of many files (SetCommand.cpp): `files` as FilesNamedBy gives
// them, each changed by every expression, in one commit.
int RunSet(const std::vector<std::string>& files, const std::vector<roster::SetExpression>& expressions,
           ImportMode mode, history::HistoryUse use);

// One fighter in two files (IdentityCommands.cpp): groups of files that are
// probably one fighter (1 when there is one), and two made one.
int RunDuplicates(const std::vector<std::string>& paths, RatingsFormat format);
int RunMerge(const std::string& keep, const std::string& other, const std::vector<std::string>& fromOther,
             ImportMode mode, history::HistoryUse use);

// The history (HistoryCommands.cpp): the change sets that touched files
// under `paths` (none: the current folder), one set in full, the prune; and
// a change taken back.
int RunHistory(const std::vector<std::string>& paths, RatingsFormat format);
int RunShowChange(history::ChangeSetId id);
int RunPrune();

struct TakeBackRequest {
  recorded::TakeBackKind kind = recorded::TakeBackKind::Undo;
  std::string path;             // undo, redo: the folder or file (default "."); restore: the file
  history::ChangeSetId id = 0;  // restore
  recorded::RestorePoint point = recorded::RestorePoint::After;
  bool dryRun = false;
};
int RunTakeBack(const TakeBackRequest& request);

// Two rosters compared (DiffCommand.cpp): 0 when they hold the same
// fighters, 1 when they differ, 2 when one cannot be read whole.
int RunDiff(const std::string& before, const std::string& after, roster::MatchBy match, RatingsFormat format);

}  // namespace ostrak::fighter
