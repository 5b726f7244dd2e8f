#include "ui/roster/RosterReader.h"

#include <QFile>
#include <algorithm>
#include <numeric>

namespace ostrak::roster {

RosterReader::RosterReader() : collator_(RosterCollator()) {}

bool RosterReader::Load(const std::string& folder, const ReaderSink& sink) {
  folder_ = folder;
  listing_ = ListFighterFiles(folder);
  if (sink.listed) sink.listed(static_cast<int>(listing_.files.size()), listing_.folders);

  // Read in the order the table first shows, so nothing jumps when the
  // last batch is in.
  std::vector<const std::string*> names;
  std::vector<QCollatorSortKey> keys;
  names.reserve(listing_.files.size());
  keys.reserve(listing_.files.size());
  for (const auto& [name, stamp] : listing_.files) {
    names.push_back(&name);
    keys.push_back(collator_.sortKey(QFile::decodeName(QByteArray::fromStdString(name))));
  }
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]) < 0; });
  keys.clear();

  using Clock = std::chrono::steady_clock;
  std::vector<RosterRow> batch;
  auto lastSent = Clock::now();
  bool first = true;
  for (const std::size_t index : order) {
    if (sink.cancelled && sink.cancelled()) return false;
    batch.push_back(ReadRosterRow(folder_, *names[index], collator_));
    const auto now = Clock::now();
    if ((first && batch.size() >= kFirstBatch) || (!first && now - lastSent >= kBatchInterval)) {
      sink.rows(std::move(batch));
      batch = {};
      lastSent = now;
      first = false;
    }
  }
  if (!batch.empty()) sink.rows(std::move(batch));
  return true;
}

RosterChanges RosterReader::Rescan(std::vector<std::string>& folders) {
  FolderListing now = ListFighterFiles(folder_);
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
  folders = listing_.folders;
  return changes;
}

}  // namespace ostrak::roster
