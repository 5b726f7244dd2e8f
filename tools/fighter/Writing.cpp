#include "tools/fighter/Writing.h"

#include "core/IntToStr.h"
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

void Recover(const roster::RosterOptions& options, bool dryRun) {
  const SignalsHeld held;
  for (const std::string& line : roster::RecoverInterrupted(options, dryRun))
    Print(stderr, TerminalSafe(line) + "\n");
}

std::unique_ptr<roster::CommitJournal> HistoryJournal(const std::string&) { return nullptr; }

}  // namespace ostrak::fighter
