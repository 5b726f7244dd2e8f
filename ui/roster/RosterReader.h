#pragma once

// Reads a roster folder into rows and, later, finds what changed in it: the
// work the roster window leaves to its worker thread. It keeps the listing
// of its last look, so it belongs to one thread at a time; a long read
// borrows a second thread for every other stretch of files.

#include <QCollator>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "roster/FolderListing.h"
#include "ui/roster/RosterRow.h"

namespace ostrak {
class WatchedTree;
}

namespace ostrak::roster {

// How the last look at the folder went, beside the rows it gave.
struct ListingReport {
  bool watched = false;                // every folder read is watched for changes
  std::vector<SkippedFolder> skipped;  // the folders not read, and why
};

struct ReaderSink {
  // Once the files are listed: how many, and how the listing went.
  std::function<void(int total, const ListingReport& report)> listed;
  // Rows in the file column's order, in batches: a first one soon, so the
  // first screen fills, then one each kBatchInterval.
  std::function<void(std::vector<RosterRow> rows)> rows;
  // Asked between files; true stops the reading.
  std::function<bool()> cancelled;
};

class RosterReader {
public:
  static constexpr std::size_t kFirstBatch = 60;
  // Files read in one go by one of the two threads.
  static constexpr std::size_t kStretch = 128;
  static constexpr std::chrono::milliseconds kBatchInterval{250};

  // `watch`, when given, watches each folder as the walks enter it.
  explicit RosterReader(std::shared_ptr<WatchedTree> watch = nullptr);

  // Every fighter file under `folder` (ending in '/'). Returns false when it
  // was cancelled.
  bool Load(const std::string& folder, const ReaderSink& sink);

  // What changed since the last Load or Rescan, compared by name, size,
  // times and inode; `report` receives how this look went.
  RosterChanges Rescan(ListingReport& report);

private:
  FolderListing List(Stamps stamps, ListingReport& report);

  std::shared_ptr<WatchedTree> watch_;
  std::string folder_;
  FolderListing listing_;
  QCollator collator_;
  QCollator helperCollator_;  // the borrowed thread's: a collator is not shared
};

}  // namespace ostrak::roster
