#include "tools/fighter/Writing.h"

#include "core/IntToStr.h"
#include "recorded/RecordedHistory.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

void Report(std::FILE* stream, std::string_view name, std::string_view message) {
  Print(stream, TerminalSafe(name) + ": " + TerminalSafe(message) + "\n");
}

void ReportProblem(const std::string& where, const roster::TableProblem& problem) {
  std::string place = where;
  if (problem.row > 0) place += ":" + IntToStr(problem.row);
  std::string message = problem.column.empty() ? problem.message : problem.column + ": " + problem.message;
  if (problem.kind == roster::ProblemKind::Outside) {
    message += " (choose another base folder with --into DIR, or pass --allow-outside)";
  }
  Report(stderr, place, message);
}

SignalsHeld::SignalsHeld() {
  sigset_t held;
  sigemptyset(&held);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) sigaddset(&held, signal);
  sigprocmask(SIG_BLOCK, &held, &before_);
}

SignalsHeld::~SignalsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

bool Recover(const roster::RosterOptions& options, bool dryRun) {
  const SignalsHeld held;
  const std::vector<std::string> lines = roster::RecoverInterrupted(options, dryRun);
  for (const std::string& line : lines) Print(stderr, TerminalSafe(line) + "\n");
  return !lines.empty();
}

roster::CommitResult CommitRecorded(roster::RosterPlan& plan, const std::string& words,
                                    const std::string& where, history::HistoryUse use) {
  // Opened only now: what an interrupted commit left is put back before the
  // store settles the sets of its writer from what the files hold.
  recorded::WriterHistory history = recorded::WriterHistory::OpenUser(use);
  const auto journal = history.JournalFor(words);
  roster::CommitResult result;
  {
    const SignalsHeld held;
    result = roster::Commit(plan, {}, journal.get());
  }
  if (!journal->Problem().empty()) Report(stderr, where, journal->Problem());
  history.MaintainWhenDue();
  return result;
}

}  // namespace ostrak::fighter
