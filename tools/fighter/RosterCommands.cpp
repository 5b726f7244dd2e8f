// export, import and set: the roster engine's answers as the companion
// prints them.

#include <signal.h>

#include "core/IntToStr.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

namespace {

using roster::Action;

void Report(std::FILE* stream, std::string_view name, std::string_view message) {
  Print(stream, TerminalSafe(name) + ": " + TerminalSafe(message) + "\n");
}

// "WHERE:ROW: COLUMN: MESSAGE", the row left out when it is 0 and the column
// when it is empty; a file outside the base folder says how to take it.
void ReportProblem(const std::string& where, const roster::TableProblem& problem) {
  std::string place = where;
  if (problem.row > 0) place += ":" + IntToStr(problem.row);
  std::string message = problem.column.empty() ? problem.message : problem.column + ": " + problem.message;
  if (problem.kind == roster::ProblemKind::Outside) {
    message += " (choose another base folder with --into DIR, or pass --allow-outside)";
  }
  Report(stderr, place, message);
}

// Signals that would end the program while files are in flight wait until
// the commit has ended (a kill cannot wait: the next run puts that back).
class SignalsHeld {
public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) sigaddset(&held, signal);
    sigprocmask(SIG_BLOCK, &held, &before_);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
  sigset_t before_;
};

// What an interrupted commit left in the base folder is put back first
// (with --dry-run only told).
void Recover(const roster::RosterOptions& options, ImportMode mode) {
  const SignalsHeld held;
  for (const std::string& line : roster::RecoverInterrupted(options, mode == ImportMode::DryRun)) {
    Print(stderr, TerminalSafe(line) + "\n");
  }
}

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

int RunImport(const std::string& tablePath, const roster::RosterOptions& options, ImportMode mode) {
  Recover(options, mode);
  roster::RosterPlan plan = roster::PlanImport(tablePath, options);
  if (!Checked(tablePath, plan)) return 1;
  const std::vector<roster::PlannedFile>& files = plan.Files();
  if (mode == ImportMode::DryRun) {
    for (const roster::PlannedFile& file : files) {
      Report(stdout, file.file,
             file.action == Action::Unchanged ? "unchanged"
             : file.action == Action::Create  ? "would create"
                                              : "would replace");
    }
    return 0;
  }
  roster::CommitResult result;
  {
    const SignalsHeld held;
    result = roster::Commit(plan);
  }
  if (result.failure) {
    Report(stderr, result.failure->file.empty() ? tablePath : result.failure->file, result.failure->message);
    Report(stderr, tablePath, "no file was changed");
    return 1;
  }
  for (const roster::PlannedFile& file : files) {
    Report(stdout, file.file, file.action == Action::Unchanged ? "unchanged" : "written");
  }
  return 0;
}

int RunSet(const std::string& file, const std::vector<roster::Assignment>& assignments) {
  // The file is the user's own choice: it is taken wherever it lies, its own
  // folder keeping what a commit has in flight.
  const std::size_t slash = file.rfind('/');
  const roster::RosterOptions options{slash == std::string::npos ? "" : file.substr(0, slash + 1), true};
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  Recover(options, ImportMode::Write);
  roster::RosterPlan plan = roster::PlanSet(name.empty() ? file : name, assignments, options);
  if (!Checked(file, plan)) return 1;
  if (plan.Files().front().action == Action::Unchanged) {
    Report(stdout, file, "unchanged");
    return 0;
  }
  roster::CommitResult result;
  {
    const SignalsHeld held;
    result = roster::Commit(plan);
  }
  if (result.failure) {
    Report(stderr, file, result.failure->message);
    return 1;
  }
  Report(stdout, file, "written");
  return 0;
}

}  // namespace ostrak::fighter
