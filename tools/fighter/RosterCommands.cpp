// export and import: the roster engine's answers as the companion
// prints them.

#include "core/IntToStr.h"
#include "recorded/ChangeWords.h"
#include "tools/fighter/ChangeLines.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Writing.h"

namespace ostrak::fighter {

namespace {

using roster::Action;

// The plan's problems on stderr; true when there are none.
bool Checked(const std::string& where, const roster::RosterPlan& plan) {
  for (const std::string& note : plan.Notes()) Report(stderr, where, note);
  for (const roster::TableProblem& problem : plan.Problems()) ReportProblem(where, problem);
  return plan.Problems().empty();
}

}  // namespace

int RunExport(const std::vector<std::string>& files, const roster::ExportOptions& options) {
  const std::size_t leftOut = roster::ExportFiles(
      files, options,
      {[](std::string_view bytes) { Print(stdout, bytes); },
       [](const roster::FileFailure& failure) { Report(stderr, failure.file, failure.message); }});
  return leftOut == 0 ? 0 : 1;
}

int RunImport(const std::string& tablePath, const roster::RosterOptions& options, ImportMode mode,
              roster::ImportMatch match, history::HistoryUse use) {
  Recover(options, mode == ImportMode::DryRun);
  roster::RosterPlan plan = roster::PlanImport(tablePath, options, match);
  if (!Checked(tablePath, plan)) return 1;
  const roster::PlannedFiles& files = plan.Files();
  // A row matched by its Sherdog ID says which file it took and why.
  const auto said = [](const roster::PlannedFile& file, const char* what) {
    return file.match ? std::string(what) + " (" + file.match->Text() + ")" : std::string(what);
  };
  if (mode == ImportMode::DryRun) {
    for (const roster::PlannedFile& file : files) {
      Report(stdout, file.file, said(file, WouldDo(plan, file).c_str()));
    }
    return 0;
  }
  const roster::CommitResult result = CommitRecorded(plan, recorded::ImportWords(tablePath), tablePath, use);
  if (result.failure) {
    Report(stderr, result.failure->file.empty() ? tablePath : result.failure->file, result.failure->message);
    Report(stderr, tablePath, "no file was changed");
    return 1;
  }
  for (const roster::PlannedFile& file : files) {
    Report(stdout, file.file, said(file, file.action == Action::Unchanged ? "unchanged" : "written"));
  }
  return 0;
}

}  // namespace ostrak::fighter
