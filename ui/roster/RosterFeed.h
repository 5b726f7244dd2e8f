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
  explicit RosterFeed(Threading threading, QObject* parent = nullptr);
  ~RosterFeed() override;

  // `folder` ends in '/'.
  void Load(const std::string& folder);
  // Looks for changes since the last look; a request made while one waits
  // to run joins it.
  void Rescan();

signals:
  void Listed(int total, const std::vector<std::string>& folders);
  void RowsRead(const std::shared_ptr<std::vector<RosterRow>>& rows);
  // Every row of the Load is delivered; `complete` is false when some
  // folder could not be read.
  void Loaded(bool complete);
  void Changed(const std::shared_ptr<RosterChanges>& changes, const std::vector<std::string>& folders);

private:
  // Runs `call` on the window's thread unless a newer Load has started.
  void Deliver(std::uint64_t generation, std::function<void()> call);

  std::shared_ptr<std::atomic<std::uint64_t>> generation_ = std::make_shared<std::atomic<std::uint64_t>>(0);
  std::shared_ptr<std::atomic<bool>> rescanQueued_ = std::make_shared<std::atomic<bool>>(false);
  // Used on the worker only, through the work handed over.
  std::shared_ptr<RosterReader> reader_ = std::make_shared<RosterReader>();
  WorkerThread worker_;  // last: it ends before the rest goes
};

}  // namespace ostrak::roster
