#include "recorded/RecordedHistory.h"

namespace ostrak::recorded {

std::string NoHistoryMessage(const std::string& why) { return "this change has no history: " + why; }

StoreJournal::StoreJournal(history::Store* store, std::string words,
                           std::optional<history::Reversal> reversal, std::string unavailable)
    : store_(store), words_(std::move(words)), reversal_(reversal), unavailable_(std::move(unavailable)) {}

void StoreJournal::Begin(const roster::JournalFiles& files) {
  if (!store_) {
    if (!unavailable_.empty()) problem_ = NoHistoryMessage(unavailable_);
    return;
  }
  // One file's change at a time, as the store reads them.
  const history::Store::FileFeed changes = [&](const std::function<void(const history::FileChange&)>& take) {
    history::FileChange change;
    files.ForEach([&](const roster::JournalFile& file) {
      change.path.assign(file.canonicalPath);
      change.before = file.before ? std::optional<std::string>(*file.before) : std::nullopt;
      change.after = file.after ? std::optional<std::string>(*file.after) : std::nullopt;
      take(change);
    });
  };
  try {
    id_ = store_->Begin(words_, changes, reversal_);
  } catch (const history::StoreError& failure) {
    problem_ = NoHistoryMessage(failure.message());
  } catch (const std::exception& failure) {
    problem_ = NoHistoryMessage(failure.what());
  }
}

// A set left pending when marking it fails is settled from the files at the
// next open, where it shows as done: nothing is lost, so nothing is said.
void StoreJournal::Done() {
  if (!store_ || !id_) return;
  try {
    store_->MarkDone(*id_);
    done_ = true;
  } catch (const std::exception&) {
  }
}

void StoreJournal::Abandoned() {
  if (!store_ || !id_) return;
  try {
    store_->Drop(*id_);
  } catch (const std::exception&) {
    // Pending with every file as it was: the next open drops it.
  }
  id_.reset();
}

WriterHistory WriterHistory::OpenUser(history::HistoryUse use) {
  return Open(history::UserHistoryPlace(), use);
}

// No prune before the writes: it runs after them (MaintainWhenDue).
WriterHistory WriterHistory::Open(const history::HistoryPlace& place, history::HistoryUse use,
                                  history::Clock clock) {
  return WriterHistory(history::OpenHistory(place, use, {std::move(clock), history::Maintenance::Never}));
}

WriterHistory::WriterHistory(history::OpenResult opened) : opened_(std::move(opened)) {}

std::string WriterHistory::Unavailable() const {
  return opened_.status == history::OpenStatus::Unavailable ? opened_.reason : std::string();
}

std::unique_ptr<StoreJournal> WriterHistory::JournalFor(std::string words,
                                                        std::optional<history::Reversal> reversal) {
  return std::make_unique<StoreJournal>(store(), std::move(words), reversal, Unavailable());
}

std::string WriterHistory::MaintainWhenDue() {
  if (!store()) return {};
  try {
    store()->MaintainWhenDue();
  } catch (const std::exception& failure) {
    return failure.what();
  }
  return {};
}

}  // namespace ostrak::recorded
