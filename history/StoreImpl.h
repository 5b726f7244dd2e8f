#pragma once

// What a Store is made of, shared by the files that implement its parts:
// opening and setting aside (Store.cpp), writing (Writes.cpp), settling
// (Settle.cpp), pruning (Prune.cpp) and the queries (Queries.cpp).

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "history/Contents.h"
#include "history/Database.h"
#include "history/Files.h"
#include "history/HistoryStore.h"
#include "history/Writers.h"
#include "history/Zstd.h"

namespace ostrak::history {

class Store::Impl {
public:
  Impl(std::string path, Clock clock);

  // A connection to the file with its schema up to date. Throws StoreError,
  // DamagedStore for a file to set aside.
  void Connect();
  // Moves the damaged file and its -wal and -shm away, starts a new one and
  // returns where the old one went.
  std::string SetAsideAndRestart();
  // Runs `work`; a damaged file met on the way is set aside and the failure
  // says so.
  template <typename Work>
  auto Guarded(Work&& work) -> decltype(work()) {
    try {
      return work();
    } catch (const detail::DamagedStore& damaged) {
      throw StoreError(SetAsideWith(damaged.message()));
    } catch (...) {
      // A write rolled back may have cached contents under ids the next
      // write is given again.
      if (session_) session_->contents.Forget();
      throw;
    }
  }

  detail::Connection& db() { return Live().connection; }
  detail::Contents& contents() { return Live().contents; }
  detail::Files& files() { return Live().files; }
  detail::Frames& frames() { return frames_; }
  std::chrono::sys_seconds Now() const { return clock_(); }

  const std::string path;
  const detail::Writer writer;
  std::string setAside;  // where the last damaged file went; empty: none

private:
  struct Session {
    Session(const std::string& path, detail::Frames& frames)
        : connection(path), ready(Prepare(connection)), contents(connection, frames), files(connection) {}
    // WAL and the schema, before the statements of the parts are prepared.
    static bool Prepare(detail::Connection& connection);
    detail::Connection connection;
    bool ready;
    detail::Contents contents;
    detail::Files files;
  };

  std::string SetAsideWith(const std::string& why);
  // A store whose damaged file could be moved but not started anew has no
  // connection: every later call fails in words instead of reaching for it.
  Session& Live();

  Clock clock_;
  detail::Frames frames_;
  std::unique_ptr<Session> session_;
};

namespace detail {

// 2024-05-01T12:00:00Z, and 20240501T120000Z for file names.
std::string IsoTime(std::chrono::sys_seconds time);
std::string CompactTime(std::chrono::sys_seconds time);

// The file's content as one state of the store holds it: none for no file.
Content LoadContent(Store::Impl& store, const Statement& row, int column);

// The columns of a set that ChangeSetSummary needs, from change_set `s`.
inline constexpr const char* kSummaryColumns =
    "s.id, s.time, s.command, s.kind, s.reverts, s.file_count, s.note,"
    " (SELECT min(r.id) FROM change_set r WHERE r.reverts = s.id AND r.state = 1)";
ChangeSetSummary SummaryFrom(const Statement& row);

// The parts the public calls guard, for use inside another guarded call: a
// store set aside half-way must not leave a caller holding its connection.
std::optional<Version> LastRecordedIn(Store::Impl& store, const std::string& path);
std::vector<Settled> SettleIn(Store::Impl& store);
PruneReport PruneIn(Store::Impl& store, std::chrono::sys_seconds now);

}  // namespace detail

}  // namespace ostrak::history
