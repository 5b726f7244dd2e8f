#pragma once

// What every writing command of the companion shares: its lines on stdout
// and stderr, signals held while files are in flight, what an interrupted
// commit left put back first, and the history told of each commit.

#include <signal.h>

#include <memory>
#include <string>
#include <string_view>

#include "history/HistoryStore.h"
#include "roster/Roster.h"

namespace ostrak::fighter {

// "NAME: MESSAGE", both made safe for a terminal.
void Report(std::FILE* stream, std::string_view name, std::string_view message);

// "WHERE:ROW: COLUMN: MESSAGE", the row left out when it is 0 and the column
// when it is empty; a file outside the base folder says how to take it.
void ReportProblem(const std::string& where, const roster::TableProblem& problem);

// Signals that would end the program while files are in flight wait until
// the commit has ended (a kill cannot wait: the next run puts that back).
class SignalsHeld {
public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
  sigset_t before_;
};

// What an interrupted commit left in the base folder, put back (with
// `dryRun` only told), one line on stderr for each thing done; whether there
// was anything.
bool Recover(const roster::RosterOptions& options, bool dryRun);

// Commits `plan` with signals held, recorded in the user's history (unless
// `use` or the user's setting turns it off) as a change set of `words`
// ("Import roster.csv"). When the change cannot be recorded the write still
// goes on, and "WHERE: this change has no history: WHY" goes to stderr. The
// prune runs after the commit, when it is due.
roster::CommitResult CommitRecorded(roster::RosterPlan& plan, const std::string& words,
                                    const std::string& where, history::HistoryUse use);

}  // namespace ostrak::fighter
