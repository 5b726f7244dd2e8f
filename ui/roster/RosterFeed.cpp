#include "ui/roster/RosterFeed.h"

namespace ostrak::roster {

RosterFeed::RosterFeed(Threading threading, QObject* parent) : QObject(parent), worker_(threading) {}

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
    sink.listed = [&](int total, const std::vector<std::string>& folders) {
      Deliver(generation, [this, total, folders] { emit Listed(total, folders); });
    };
    sink.rows = [&](std::vector<RosterRow> rows) {
      auto batch = std::make_shared<std::vector<RosterRow>>(std::move(rows));
      Deliver(generation, [this, batch] { emit RowsRead(batch); });
    };
    sink.cancelled = [&] { return current->load() != generation; };
    if (!reader->Load(folder, sink)) return;
    const bool complete = reader->Complete();
    Deliver(generation, [this, complete] { emit Loaded(complete); });
  });
}

void RosterFeed::Rescan() {
  if (rescanQueued_->exchange(true)) return;
  const std::uint64_t generation = generation_->load();
  worker_.Post([this, generation, queued = rescanQueued_, reader = reader_] {
    queued->store(false);
    auto folders = std::make_shared<std::vector<std::string>>();
    auto changes = std::make_shared<RosterChanges>(reader->Rescan(*folders));
    Deliver(generation, [this, changes, folders] { emit Changed(changes, *folders); });
  });
}

}  // namespace ostrak::roster
