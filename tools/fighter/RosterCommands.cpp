// export, import and set: the roster engine's answers as the companion
// prints them.

#include "core/IntToStr.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

namespace {

using roster::Action;

void Report(std::FILE* stream, std::string_view name, std::string_view message) {
  Print(stream, TerminalSafe(name) + ": " + TerminalSafe(message) + "\n");
}

// "WHERE:ROW: COLUMN: MESSAGE", the row left out when it is 0 and the column when it is empty.
void ReportProblem(const std::string& where, const roster::TableProblem& problem) {
  std::string place = where;
  if (problem.row > 0) place += ":" + IntToStr(problem.row);
  Report(stderr, place, problem.column.empty() ? problem.message : problem.column + ": " + problem.message);
}

}  // namespace

int RunExport(const std::vector<std::string>& files, roster::TableFormat format) {
  const std::size_t leftOut = roster::ExportFiles(
      files, {format},
      {[](std::string_view bytes) { Print(stdout, bytes); },
       [](const roster::FileFailure& failure) { Report(stderr, failure.file, failure.message); }});
  return leftOut == 0 ? 0 : 1;
}

int RunImport(const std::string& tablePath, const std::string& into, ImportMode mode) {
  roster::RosterPlan plan = roster::PlanImport(tablePath, {into});
  if (!plan.Problems().empty()) {
    for (const roster::TableProblem& problem : plan.Problems()) ReportProblem(tablePath, problem);
    return 1;
  }
  const std::vector<roster::PlannedFile>& files = plan.Files();
  if (mode == ImportMode::DryRun) {
    for (const roster::PlannedFile& file : files) {
      Report(stdout, file.file, file.action == Action::Unchanged ? "unchanged" : "would write");
    }
    return 0;
  }

  // Each file is named as soon as it is written, after the unchanged ones before it.
  std::size_t next = 0;
  const auto reportUpToTheNextWrite = [&](bool written) {
    for (; next < files.size(); ++next) {
      if (files[next].action == Action::Unchanged) {
        Report(stdout, files[next].file, "unchanged");
      } else {
        if (written) Report(stdout, files[next++].file, "written");
        return;
      }
    }
  };
  const roster::CommitResult result = roster::Commit(plan, [&](std::size_t done, std::size_t) {
    if (done > 0) reportUpToTheNextWrite(true);
  });
  reportUpToTheNextWrite(false);
  if (result.failure) {
    Report(stderr, result.failure->file, result.failure->message);
    return 1;
  }
  return 0;
}

int RunSet(const std::string& file, const std::vector<roster::Assignment>& assignments) {
  roster::RosterPlan plan = roster::PlanSet(file, assignments, {});
  if (!plan.Problems().empty()) {
    for (const roster::TableProblem& problem : plan.Problems()) ReportProblem(file, problem);
    return 1;
  }
  if (plan.Files().front().action == Action::Unchanged) {
    Report(stdout, file, "unchanged");
    return 0;
  }
  if (const roster::CommitResult result = roster::Commit(plan); result.failure) {
    Report(stderr, file, result.failure->message);
    return 1;
  }
  Report(stdout, file, "written");
  return 0;
}

}  // namespace ostrak::fighter
