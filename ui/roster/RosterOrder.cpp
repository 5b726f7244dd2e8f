// The roster model's rows: which are shown, in what order, and how the views
// are told when that changes.

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "roster/SearchText.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

// Absent sorts first, as an empty text does.
int CompareKeys(const std::optional<QCollatorSortKey>& a, const std::optional<QCollatorSortKey>& b) {
  if (!a || !b) return int{a.has_value()} - int{b.has_value()};
  return a->compare(*b);
}

int Compare(const RosterRow& a, const RosterRow& b, int column) {
  // A date of birth that reads as one sorts by time, before the others.
  if (column == RosterModel::DateOfBirth && a.birthKey != b.birthKey) {
    if (a.birthKey < 0 || b.birthKey < 0) return a.birthKey < 0 ? 1 : -1;
    return a.birthKey < b.birthKey ? -1 : 1;
  }
  if (const auto text = RosterModel::TextColumnOf(column)) {
    const auto key = static_cast<std::size_t>(*text);
    return CompareKeys(a.textKeys[key], b.textKeys[key]);
  }
  if (RosterModel::IsAttribute(column)) {
    const auto attribute = static_cast<std::size_t>(column - RosterModel::FirstAttribute);
    return a.attributes[attribute] - b.attributes[attribute];
  }
  switch (column) {
    case RosterModel::WeightClass:
      return a.weightClass - b.weightClass;
    case RosterModel::GamePlan:
      return a.gamePlan - b.gamePlan;
    case RosterModel::Problem:
      return CompareKeys(a.problemKey, b.problemKey);
    default:
      break;
  }
  if (!RosterModel::IsRating(column)) return 0;
  const auto rating = static_cast<std::size_t>(column - RosterModel::FirstRating);
  return a.ratings[rating] - b.ratings[rating];
}

}  // namespace

bool RosterModel::Less(int a, int b) const {
  const RosterRow& left = rows_[static_cast<std::size_t>(a)];
  const RosterRow& right = rows_[static_cast<std::size_t>(b)];
  if (groups_) {
    const RowPlace* first = groups_->Find(left.file);
    const RowPlace* second = groups_->Find(right.file);
    // Rows outside every group are not shown; they go last.
    const int one = first ? first->group : groups_->count;
    const int two = second ? second->group : groups_->count;
    if (one != two) return one < two;
  }
  if (const int order = Compare(left, right, sortColumn_); order != 0) {
    return sortOrder_ == Qt::AscendingOrder ? order < 0 : order > 0;
  }
  if (const int order = Compare(left, right, File); order != 0) return order < 0;
  return a < b;
}

const std::vector<int>& RosterModel::AllInOrder() {
  if (!orderValid_) {
    ordered_.resize(rows_.size());
    std::iota(ordered_.begin(), ordered_.end(), 0);
    std::sort(ordered_.begin(), ordered_.end(), [this](int a, int b) { return Less(a, b); });
    orderValid_ = true;
  }
  return ordered_;
}

namespace {

// More changed rows than this are put in order by one sort of them all.
constexpr std::size_t kRowsMovedAlone = 16;

bool PassesFilter(const RosterRow& row, std::string_view needle, int weightClass) {
  if (weightClass >= 0 && row.weightClass != weightClass) return false;
  return needle.empty() || std::string_view(row.searchKey).find(needle) != std::string_view::npos;
}

}  // namespace

bool RosterModel::Passes(const RosterRow& row) const {
  if (groups_ && !groups_->Find(row.file)) return false;
  return PassesFilter(row, needle_, weightClass_);
}

std::vector<std::string> RosterModel::FilesPassing(const QString& text, int weightClass) {
  const std::string needle = FoldForSearch(text);
  std::vector<std::string> files;
  for (const int id : AllInOrder()) {
    const RosterRow& row = rows_[static_cast<std::size_t>(id)];
    if (PassesFilter(row, needle, weightClass)) files.push_back(row.file);
  }
  return files;
}

std::vector<int> RosterModel::Filtered(const std::vector<int>& ordered) const {
  std::vector<int> kept;
  kept.reserve(ordered.size());
  for (const int id : ordered) {
    if (Passes(rows_[static_cast<std::size_t>(id)])) kept.push_back(id);
  }
  return kept;
}

void RosterModel::Clear() {
  beginResetModel();
  rows_.clear();
  shown_.clear();
  position_.clear();
  ordered_.clear();
  orderValid_ = false;
  shownInOrder_ = true;
  problemsShown_ = 0;
  endResetModel();
}

void RosterModel::Append(std::vector<RosterRow> rows) {
  if (rows.empty()) return;
  orderValid_ = false;
  shownInOrder_ = false;
  std::vector<int> passing;
  for (RosterRow& row : rows) {
    if (Passes(row)) passing.push_back(static_cast<int>(rows_.size()));
    rows_.push_back(std::move(row));
    position_.push_back(-1);
  }
  if (passing.empty()) return;
  const int first = static_cast<int>(shown_.size());
  beginInsertRows({}, first, first + static_cast<int>(passing.size()) - 1);
  for (const int id : passing) {
    position_[static_cast<std::size_t>(id)] = static_cast<int>(shown_.size());
    shown_.push_back(id);
  }
  CountProblems();
  endInsertRows();
}

void RosterModel::SetGroups(std::shared_ptr<const RowGroups> groups) {
  if (!groups && !groups_) return;
  groups_ = std::move(groups);
  orderValid_ = false;
  Resort();
  if (!shown_.empty()) emit headerDataChanged(Qt::Vertical, 0, static_cast<int>(shown_.size()) - 1);
}

void RosterModel::Resort() {
  Reshow(Filtered(AllInOrder()));
  shownInOrder_ = true;
}

void RosterModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= ColumnCount) return;
  sortColumn_ = column;
  sortOrder_ = order;
  orderValid_ = false;
  Resort();
}

void RosterModel::SetFilter(const QString& text, int weightClass) {
  std::string needle = FoldForSearch(text);
  if (needle == needle_ && weightClass == weightClass_) return;
  needle_ = std::move(needle);
  weightClass_ = weightClass;
  Reshow(Filtered(AllInOrder()));
  shownInOrder_ = true;
}

void RosterModel::Update(int id, RosterRow row) {
  const auto less = [this](int a, int b) { return Less(a, b); };
  AllInOrder();
  ordered_.erase(std::find(ordered_.begin(), ordered_.end(), id));
  rows_[static_cast<std::size_t>(id)] = std::move(row);
  ordered_.insert(std::lower_bound(ordered_.begin(), ordered_.end(), id, less), id);

  // Its place among the other rows shown, which stay in order around it.
  const int from = position_[static_cast<std::size_t>(id)];
  const auto skipped = from >= 0 ? shown_.begin() + from : shown_.end();
  int to = static_cast<int>(std::lower_bound(shown_.begin(), skipped, id, less) - shown_.begin());
  if (from >= 0 && to == from)
    to += static_cast<int>(std::lower_bound(skipped + 1, shown_.end(), id, less) - (skipped + 1));
  const auto renumber = [this](int first, int last) {
    for (int place = first; place <= last; ++place)
      position_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(place)])] = place;
  };
  const bool passes = Passes(rows_[static_cast<std::size_t>(id)]);
  if (from >= 0 && passes) {
    if (to != from) {
      beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
      shown_.erase(shown_.begin() + from);
      shown_.insert(shown_.begin() + to, id);
      renumber(std::min(from, to), std::max(from, to));
      endMoveRows();
    }
    emit dataChanged(index(to, 0), index(to, ColumnCount - 1));
  } else if (from >= 0) {
    beginRemoveRows({}, from, from);
    shown_.erase(shown_.begin() + from);
    position_[static_cast<std::size_t>(id)] = -1;
    renumber(from, static_cast<int>(shown_.size()) - 1);
    endRemoveRows();
  } else if (passes) {
    beginInsertRows({}, to, to);
    shown_.insert(shown_.begin() + to, id);
    renumber(to, static_cast<int>(shown_.size()) - 1);
    endInsertRows();
  }
}

void RosterModel::Apply(RosterChanges changes) {
  if (shownInOrder_ && changes.removed.empty() && changes.rows.size() <= kRowsMovedAlone) {
    std::vector<int> ids;
    for (const RosterRow& row : changes.rows) {
      const auto found = std::find_if(rows_.begin(), rows_.end(),
                                      [&](const RosterRow& known) { return known.file == row.file; });
      if (found == rows_.end()) break;
      ids.push_back(static_cast<int>(found - rows_.begin()));
    }
    if (ids.size() == changes.rows.size()) {
      for (std::size_t i = 0; i < ids.size(); ++i) Update(ids[i], std::move(changes.rows[i]));
      CountProblems();
      return;
    }
  }
  std::unordered_map<std::string, int> byFile;
  byFile.reserve(rows_.size());
  for (std::size_t id = 0; id < rows_.size(); ++id) byFile.emplace(rows_[id].file, static_cast<int>(id));

  std::vector<char> gone(rows_.size(), 0);
  for (const std::string& file : changes.removed) {
    if (const auto found = byFile.find(file); found != byFile.end())
      gone[static_cast<std::size_t>(found->second)] = 1;
  }
  std::vector<int> changed;
  for (RosterRow& row : changes.rows) {
    if (const auto found = byFile.find(row.file); found != byFile.end()) {
      const int id = found->second;
      rows_[static_cast<std::size_t>(id)] = std::move(row);
      changed.push_back(id);
    } else {
      rows_.push_back(std::move(row));
      position_.push_back(-1);
      gone.push_back(0);
    }
  }
  orderValid_ = false;
  std::vector<int> next;
  for (const int id : Filtered(AllInOrder())) {
    if (!gone[static_cast<std::size_t>(id)]) next.push_back(id);
  }
  Reshow(next);
  shownInOrder_ = true;
  for (const int id : changed) {
    const int row = position_[static_cast<std::size_t>(id)];
    if (row >= 0) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
  }

  // The removed rows are no longer shown: renumber the rest without a signal.
  if (std::find(gone.begin(), gone.end(), 1) == gone.end()) return;
  std::vector<int> renumbered(rows_.size(), -1);
  std::size_t kept = 0;
  for (std::size_t id = 0; id < rows_.size(); ++id) {
    if (gone[id]) continue;
    renumbered[id] = static_cast<int>(kept);
    if (kept != id) rows_[kept] = std::move(rows_[id]);
    position_[kept] = position_[id];
    ++kept;
  }
  rows_.resize(kept);
  position_.resize(kept);
  for (int& id : shown_) id = renumbered[static_cast<std::size_t>(id)];
  orderValid_ = false;
}

void RosterModel::CountProblems() {
  problemsShown_ = static_cast<int>(std::count_if(shown_.begin(), shown_.end(), [this](int id) {
    return rows_[static_cast<std::size_t>(id)].HasProblem();
  }));
}

void RosterModel::Reshow(const std::vector<int>& next) {
  std::vector<int> added;
  for (const int id : next) {
    if (position_[static_cast<std::size_t>(id)] < 0) added.push_back(id);
  }
  if (!added.empty()) {
    const int first = static_cast<int>(shown_.size());
    beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
    for (const int id : added) {
      position_[static_cast<std::size_t>(id)] = static_cast<int>(shown_.size());
      shown_.push_back(id);
    }
    endInsertRows();
  }

  std::vector<int> arranged = next;
  std::vector<char> inNext(rows_.size(), 0);
  for (const int id : next) inNext[static_cast<std::size_t>(id)] = 1;
  for (const int id : shown_) {
    if (!inNext[static_cast<std::size_t>(id)]) arranged.push_back(id);
  }
  if (arranged != shown_) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> position(rows_.size(), -1);
    for (std::size_t row = 0; row < arranged.size(); ++row)
      position[static_cast<std::size_t>(arranged[row])] = static_cast<int>(row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
      after.push_back(index(position[static_cast<std::size_t>(shown_[static_cast<std::size_t>(old.row())])],
                            old.column()));
    }
    shown_ = std::move(arranged);
    position_ = std::move(position);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  }

  if (shown_.size() > next.size()) {
    beginRemoveRows({}, static_cast<int>(next.size()), static_cast<int>(shown_.size()) - 1);
    for (std::size_t row = next.size(); row < shown_.size(); ++row)
      position_[static_cast<std::size_t>(shown_[row])] = -1;
    shown_.resize(next.size());
    endRemoveRows();
  }
  CountProblems();
}

}  // namespace ostrak::roster
