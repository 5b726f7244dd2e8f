#pragma once

// The one place the roster window gets the history from: every commit the
// window makes passes a journal this returns, and every take-back commits
// through the history it opens, so that all the window writes is recorded
// in the user's history, one change set per command.

#include <memory>
#include <optional>
#include <string>

#include "recorded/RecordedHistory.h"
#include "roster/Roster.h"

namespace ostrak::recorded {
class KeptHistory;
}

namespace ostrak::roster {

// The user's history as the window writes to it, opened in the thread that
// calls: a store belongs to the thread that opened it.
recorded::WriterHistory OpenWindowHistory();

// Opens the history when the commit begins, in the commit's thread, and
// keeps it until the commit is over; the prune, when due, runs after it.
// Given a kept history, it writes through that one instead, which must
// belong to the commit's thread.
class RecordingJournal final : public CommitJournal {
public:
  explicit RecordingJournal(std::string words, std::optional<history::Reversal> reversal = {});
  RecordingJournal(std::string words, recorded::KeptHistory& kept);
  ~RecordingJournal() override;

  void Begin(const JournalFiles& files) override;
  void Done() override;
  void Abandoned() override;

  // The set recorded; none before Done, or without history.
  std::optional<history::ChangeSetId> Recorded() const;
  // "this change has no history: WHY" when the change could not be recorded.
  const std::string& Problem() const;

private:
  std::string words_;
  std::optional<history::Reversal> reversal_;
  recorded::KeptHistory* kept_ = nullptr;
  std::optional<recorded::WriterHistory> history_;
  std::unique_ptr<recorded::StoreJournal> journal_;
};

// The journal of a change set described by `words` ("Import roster.csv").
std::unique_ptr<RecordingJournal> RosterJournal(const std::string& words);

}  // namespace ostrak::roster
