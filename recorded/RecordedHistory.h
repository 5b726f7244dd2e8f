#pragma once

// The history as a writer uses it: the user's store opened for one command
// (what killed writers left settled on the way), a journal for each commit
// that records it there before its files change, and the maintenance once
// the writing is over. The history never stops a write: when it cannot be
// used, the journal says so once, in the words the user is shown, and the
// commit goes on.

#include <memory>
#include <optional>
#include <string>

#include "history/HistoryStore.h"
#include "roster/Roster.h"

namespace ostrak::recorded {

// "this change has no history: WHY"
std::string NoHistoryMessage(const std::string& why);

// Records one commit as a change set of the store: the set with every file's
// bytes before the files change, marked done after them, dropped when the
// commit is abandoned. Without a store it records nothing and, when a change
// is made, has its message ready (unless history was turned off).
class StoreJournal final : public roster::CommitJournal {
public:
  // `store` may be null: `unavailable` then says why (empty: turned off).
  StoreJournal(history::Store* store, std::string words, std::optional<history::Reversal> reversal,
               std::string unavailable);

  void Begin(const roster::JournalFiles& files) override;
  void Done() override;
  void Abandoned() override;

  // The set recorded and marked done; none before Done, or without history.
  std::optional<history::ChangeSetId> Recorded() const { return done_ ? id_ : std::nullopt; }
  // "this change has no history: WHY" once a change was made that the history
  // could not record; empty otherwise.
  const std::string& Problem() const { return problem_; }

private:
  history::Store* store_;
  std::string words_;
  std::optional<history::Reversal> reversal_;
  std::string unavailable_;
  std::optional<history::ChangeSetId> id_;
  bool done_ = false;
  std::string problem_;
};

class WriterHistory {
public:
  // The user's store (XDG places), unless `use` or the user's setting turns it off.
  static WriterHistory OpenUser(history::HistoryUse use);
  static WriterHistory Open(const history::HistoryPlace& place, history::HistoryUse use,
                            history::Clock clock = {});
  explicit WriterHistory(history::OpenResult opened);

  WriterHistory(WriterHistory&&) = default;
  WriterHistory& operator=(WriterHistory&&) = default;

  // None when turned off or unavailable.
  history::Store* store() const { return opened_.store.get(); }
  history::OpenStatus status() const { return opened_.status; }
  // Why the store cannot be used; empty when it is open or turned off.
  std::string Unavailable() const;
  const history::OpenResult& opened() const { return opened_; }

  // The journal of one commit, a change set in `words` ("Import roster.csv").
  std::unique_ptr<StoreJournal> JournalFor(std::string words, std::optional<history::Reversal> reversal = {});

  // The prune, when a day has passed since the last, after every write of
  // the command; its own trouble is left for the next time. Returns what it
  // could not do, empty when nothing went wrong.
  std::string MaintainWhenDue();

private:
  history::OpenResult opened_;
};

}  // namespace ostrak::recorded
