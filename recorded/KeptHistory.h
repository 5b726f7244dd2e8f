#pragma once

// The user's history as a long-lived writer keeps it: the editor's window
// opens its store at the first use and keeps it for its life, so that a save
// pays neither SQLite's open, the settling of what killed writers left, nor
// the checkpoint at close. A store that could not be used is tried again at
// the next use; one the file at its place is no longer (set aside by another
// program, removed) is left for a new one.

#include <functional>
#include <optional>

#include "recorded/RecordedHistory.h"

namespace ostrak::recorded {

class KeptHistory {
public:
  using Place = std::function<history::HistoryPlace()>;

  // `place` is asked at every use, so that the user's folders are followed.
  explicit KeptHistory(Place place = history::UserHistoryPlace, history::Clock clock = {});

  // The history for the next write or read, opened when it is not open: at
  // the first use, after it was unavailable or turned off, or once its file
  // is gone from its place. The user's setting is read each time, as a
  // writer opening its own store would.
  WriterHistory& Current();

  // After a write through Current()'s journal: a store that failed it is
  // closed, so the next use opens afresh (a store set aside half-way is no
  // longer safe to talk to); otherwise the maintenance runs when due.
  void Written(const StoreJournal& journal);

private:
  struct Identity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const Identity&) const = default;
  };
  static std::optional<Identity> IdentityOf(const std::string& path);
  bool StillUsable(const history::HistoryPlace& place) const;

  Place place_;
  history::Clock clock_;
  std::optional<WriterHistory> kept_;
  history::HistoryPlace keptPlace_;
  std::optional<Identity> keptFile_;  // none: not known, so not trusted
};

}  // namespace ostrak::recorded
