#include "recorded/KeptHistory.h"

#include <sys/stat.h>

namespace ostrak::recorded {

KeptHistory::KeptHistory(Place place, history::Clock clock)
    : place_(std::move(place)), clock_(std::move(clock)) {}

std::optional<KeptHistory::Identity> KeptHistory::IdentityOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return Identity{static_cast<unsigned long long>(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino)};
}

// A stat and the setting's few bytes: the whole cost of a save's check.
bool KeptHistory::StillUsable(const history::HistoryPlace& place) const {
  if (!kept_ || !kept_->store()) return false;
  if (place.store != keptPlace_.store || place.setting != keptPlace_.setting) return false;
  if (history::TurnedOffIn(place.setting)) return false;
  return keptFile_ && IdentityOf(kept_->store()->path()) == keptFile_;
}

WriterHistory& KeptHistory::Current() {
  const history::HistoryPlace place = place_();
  if (StillUsable(place)) return *kept_;
  // The old store closes first: the new one settles what it left.
  kept_.reset();
  kept_.emplace(WriterHistory::Open(place, history::HistoryUse::On, clock_));
  keptPlace_ = place;
  keptFile_ = kept_->store() ? IdentityOf(kept_->store()->path()) : std::nullopt;
  return *kept_;
}

void KeptHistory::Written(const StoreJournal& journal) {
  if (!kept_) return;
  if (!journal.Problem().empty()) {
    kept_.reset();
    return;
  }
  kept_->MaintainWhenDue();
}

}  // namespace ostrak::recorded
