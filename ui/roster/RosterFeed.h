#pragma once

// The roster window's supply of rows: reads a folder on the worker thread and
// hands the rows over in batches, then, each time it is asked, what changed.
// A new Load drops whatever the earlier one has not delivered yet.

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "ui/roster/RosterReader.h"
#include "ui/roster/WorkerThread.h"

namespace ostrak::roster {

class RosterFeed : public QObject {
  Q_OBJECT

public:
  // `watch`, when given, watches each folder as it is read.
  RosterFeed(Threading threading, std::shared_ptr<WatchedTree> watch, QObject* parent = nullptr);
  ~RosterFeed() override;

  // `folder` ends in '/'.
  void Load(const std::string& folder);
  // Looks for changes since the last look; a request made while one waits
  // to run joins it.
  void Rescan();

signals:
  void Listed(int total, const ListingReport& report);
  void RowsRead(const std::shared_ptr<std::vector<RosterRow>>& rows);
  // Every row of the Load is delivered.
  void Loaded();
  void Changed(const std::shared_ptr<RosterChanges>& changes, const ListingReport& report);

private:
  // Runs `call` on the window's thread unless a newer Load has started.
  void Deliver(std::uint64_t generation, std::function<void()> call);

  std::shared_ptr<std::atomic<std::uint64_t>> generation_ = std::make_shared<std::atomic<std::uint64_t>>(0);
  std::shared_ptr<std::atomic<bool>> rescanQueued_ = std::make_shared<std::atomic<bool>>(false);
  // Used on the worker only, through the work handed over.
  std::shared_ptr<RosterReader> reader_;
  WorkerThread worker_;  // last: it ends before the rest goes
};

}  // namespace ostrak::roster
