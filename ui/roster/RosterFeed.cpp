#include "ui/roster/RosterFeed.h"

namespace ostrak::roster {

RosterFeed::RosterFeed(Threading threading, std::shared_ptr<WatchedTree> watch, QObject* parent)
    : QObject(parent), reader_(std::make_shared<RosterReader>(std::move(watch))), worker_(threading) {}

// The reading in hand sees the new generation and stops at its next file.
RosterFeed::~RosterFeed() { ++*generation_; }

void RosterFeed::Deliver(std::uint64_t generation, std::function<void()> call) {
  worker_.Deliver(this, [this, generation, call = std::move(call)] {
    if (generation == generation_->load()) call();
  });
}

void RosterFeed::Load(const std::string& folder) {
  const std::uint64_t generation = ++*generation_;
  worker_.Post([this, folder, generation, current = generation_, reader = reader_] {
    ReaderSink sink;
    sink.listed = [&](int total, const ListingReport& report) {
      Deliver(generation, [this, total, report] { emit Listed(total, report); });
    };
    sink.rows = [&](std::vector<RosterRow> rows) {
      auto batch = std::make_shared<std::vector<RosterRow>>(std::move(rows));
      Deliver(generation, [this, batch] { emit RowsRead(batch); });
    };
    sink.cancelled = [&] { return current->load() != generation; };
    if (reader->Load(folder, sink)) Deliver(generation, [this] { emit Loaded(); });
  });
}

void RosterFeed::Rescan() {
  if (rescanQueued_->exchange(true)) return;
  const std::uint64_t generation = generation_->load();
  worker_.Post([this, generation, queued = rescanQueued_, reader = reader_] {
    queued->store(false);
    auto report = std::make_shared<ListingReport>();
    auto changes = std::make_shared<RosterChanges>(reader->Rescan(*report));
    Deliver(generation, [this, changes, report] { emit Changed(changes, *report); });
  });
}

}  // namespace ostrak::roster
