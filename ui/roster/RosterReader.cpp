#include "ui/roster/RosterReader.h"

#include <QFile>
#include <algorithm>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <thread>

#include "platform/FolderWatch.h"

namespace ostrak::roster {

RosterReader::RosterReader(std::shared_ptr<WatchedTree> watch)
    : watch_(std::move(watch)), collator_(RosterCollator()), helperCollator_(RosterCollator()) {}

FolderListing RosterReader::List(Stamps stamps, ListingReport& report) {
  ListingOptions options{stamps};
  if (watch_) {
    watch_->BeginPass();
    options.entering = [&](int folder, const std::string& under) { watch_->Enter(folder, folder_ + under); };
  }
  FolderListing listing = ListFighterFiles(folder_, options);
  report.watched = watch_ && watch_->EndPass();
  report.skipped = listing.skipped;
  return listing;
}

bool RosterReader::Load(const std::string& folder, const ReaderSink& sink) {
  folder_ = folder;
  // Each file is looked at just before it is read, so the first screen
  // need not wait for all of them.
  ListingReport report;
  listing_ = List(Stamps::Later, report);
  if (sink.listed) sink.listed(static_cast<int>(listing_.files.size()), report);

  // Read in the order the table first shows, so nothing jumps when the
  // last batch is in.
  std::vector<const std::string*> names;
  std::vector<FileStamp*> stamps;
  std::vector<std::optional<QCollatorSortKey>> keys;
  names.reserve(listing_.files.size());
  keys.reserve(listing_.files.size());
  stamps.reserve(listing_.files.size());
  for (auto& [name, stamp] : listing_.files) {
    names.push_back(&name);
    stamps.push_back(&stamp);
    keys.push_back(collator_.sortKey(QFile::decodeName(QByteArray::fromStdString(name))));
  }
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a]->compare(*keys[b]) < 0; });

  const auto cancelled = [&] { return sink.cancelled && sink.cancelled(); };
  // What is no longer a regular file when it is looked at is left out.
  std::vector<char> gone(order.size(), 0);
  const auto read = [&](std::size_t from, std::size_t to, const QCollator& collator,
                        std::vector<RosterRow>& rows) {
    for (std::size_t i = from; i < to && !cancelled(); ++i) {
      const std::size_t index = order[i];
      if (*stamps[index] == FileStamp{}) {
        const std::optional<FileStamp> stamp = StampOf(folder_ + *names[index]);
        if (!stamp) {
          gone[index] = 1;
          continue;
        }
        *stamps[index] = *stamp;
      }
      rows.push_back(ReadRosterRow(folder_, *names[index], collator, std::move(keys[index])));
    }
  };

  // The first screen alone, at once; then two stretches at a time, the
  // second on a borrowed thread, handed over in order.
  const std::size_t total = order.size();
  std::vector<RosterRow> batch;
  read(0, std::min(kFirstBatch, total), collator_, batch);
  if (cancelled()) return false;
  if (!batch.empty()) sink.rows(std::move(batch));
  batch = {};
  using Clock = std::chrono::steady_clock;
  auto lastSent = Clock::now();
  (void)helperCollator_.sortKey(QString());  // set up here, before the other thread uses it
  for (std::size_t next = std::min(kFirstBatch, total); next < total;) {
    const std::size_t middle = std::min(next + kStretch, total);
    const std::size_t end = std::min(middle + kStretch, total);
    std::vector<RosterRow> second;
    bool helperFailed = false;
    std::thread helper([&] {
      // An exception may not leave a thread of its own.
      try {
        read(middle, end, helperCollator_, second);
      } catch (...) {
        helperFailed = true;
      }
    });
    read(next, middle, collator_, batch);
    helper.join();
    if (helperFailed) throw std::runtime_error("The roster could not be read");
    if (cancelled()) return false;
    std::move(second.begin(), second.end(), std::back_inserter(batch));
    next = end;
    if (const auto now = Clock::now(); now - lastSent >= kBatchInterval || next == total) {
      sink.rows(std::move(batch));
      batch = {};
      lastSent = now;
    }
  }
  for (std::size_t index = 0; index < gone.size(); ++index) {
    if (gone[index]) listing_.files.erase(std::string(*names[index]));
  }
  return true;
}

RosterChanges RosterReader::Rescan(ListingReport& report) {
  FolderListing now = List(Stamps::Now, report);
  RosterChanges changes;
  for (const auto& [name, stamp] : now.files) {
    const auto before = listing_.files.find(name);
    if (before == listing_.files.end() || !(before->second == stamp)) {
      changes.rows.push_back(ReadRosterRow(folder_, name, collator_));
    }
  }
  for (const auto& [name, stamp] : listing_.files) {
    if (!now.files.contains(name)) changes.removed.push_back(name);
  }
  listing_ = std::move(now);
  return changes;
}

}  // namespace ostrak::roster
