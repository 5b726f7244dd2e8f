#include "ui/roster/RosterJournal.h"

#include "recorded/KeptHistory.h"

namespace ostrak::roster {

recorded::WriterHistory OpenWindowHistory() {
  return recorded::WriterHistory::OpenUser(history::HistoryUse::On);
}

RecordingJournal::RecordingJournal(std::string words, std::optional<history::Reversal> reversal)
    : words_(std::move(words)), reversal_(reversal) {}

RecordingJournal::RecordingJournal(std::string words, recorded::KeptHistory& kept)
    : words_(std::move(words)), kept_(&kept) {}

RecordingJournal::~RecordingJournal() = default;

// A journal must not throw: a store that cannot even be opened leaves the
// StoreJournal to say why, once a change is made.
void RecordingJournal::Begin(const JournalFiles& files) {
  try {
    if (kept_) {
      journal_ = kept_->Current().JournalFor(words_, reversal_);
    } else {
      history_.emplace(OpenWindowHistory());
      journal_ = history_->JournalFor(words_, reversal_);
    }
  } catch (const std::exception& failure) {
    journal_ = std::make_unique<recorded::StoreJournal>(nullptr, words_, reversal_, failure.what());
  }
  journal_->Begin(files);
}

void RecordingJournal::Done() {
  if (!journal_) return;
  journal_->Done();
  if (kept_) {
    kept_->Written(*journal_);
  } else if (history_) {
    history_->MaintainWhenDue();
  }
}

void RecordingJournal::Abandoned() {
  if (!journal_) return;
  journal_->Abandoned();
  // A store that failed this commit is opened afresh for the next one.
  if (kept_ && !journal_->Problem().empty()) kept_->Written(*journal_);
}

std::optional<history::ChangeSetId> RecordingJournal::Recorded() const {
  return journal_ ? journal_->Recorded() : std::nullopt;
}

const std::string& RecordingJournal::Problem() const {
  static const std::string kNone;
  return journal_ ? journal_->Problem() : kNone;
}

std::unique_ptr<RecordingJournal> RosterJournal(const std::string& words) {
  return std::make_unique<RecordingJournal>(words);
}

}  // namespace ostrak::roster
