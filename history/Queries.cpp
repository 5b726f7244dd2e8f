// What the history knows: the sets touching a folder, one set whole, the
// sets an undo or a redo would take back, and a file's bytes at a point.

#include "history/StoreImpl.h"

namespace ostrak::history {

namespace detail {

std::string PathKey(const std::string& path) {
  std::string key = path;
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

Below FileBelow(const std::string& column, const std::string& folder) {
  const std::string key = PathKey(folder);
  if (key == "/") return {"1", {}};
  // '0' follows '/': the names below the folder sort between the two.
  return {"(" + column + " = ? OR (" + column + " >= ? AND " + column + " < ?))",
          {key, key + "/", key + "0"}};
}

Content LoadContent(Store::Impl& store, const Statement& row, int column) {
  if (row.IsNull(column)) return std::nullopt;
  return store.contents().Load(row.Int(column));
}

ChangeSetSummary SummaryFrom(const Statement& row) {
  ChangeSetSummary summary;
  summary.id = row.Int(0);
  summary.time = row.Text(1);
  summary.command = row.Text(2);
  const std::int64_t kind = row.Int(3);
  summary.kind =
      kind >= 0 && kind <= static_cast<int>(SetKind::Outside) ? static_cast<SetKind>(kind) : SetKind::Change;
  if (!row.IsNull(4)) summary.reverts = row.Int(4);
  summary.files = static_cast<std::size_t>(row.Int(5));
  summary.note = row.Text(6);
  if (!row.IsNull(7)) summary.revertedBy = row.Int(7);
  return summary;
}

namespace {

void BindAll(Statement& statement, const std::vector<std::string>& values) {
  for (const std::string& value : values) statement.BindBytes(value);
}

// The file's newest done version at or before set `upTo` (before it, with
// `Strictly`), and whether the set found is `upTo` itself.
enum class Bound { UpTo, Before };

struct Found {
  ChangeSetId set = 0;
  Content before, after;
};

std::optional<Found> NewestTouching(Store::Impl& store, const std::string& path,
                                    std::optional<ChangeSetId> upTo, Bound bound) {
  std::string sql =
      "SELECT c.set_id, c.before, c.after FROM file f JOIN change_file c ON c.file_id = f.id"
      " JOIN change_set s ON s.id = c.set_id WHERE f.path = ? AND s.state = 1";
  if (upTo) sql += bound == Bound::UpTo ? " AND c.set_id <= ?" : " AND c.set_id < ?";
  sql += " ORDER BY c.set_id DESC LIMIT 1";
  Statement row(store.db(), sql);
  row.BindBytes(PathKey(path));
  if (upTo) row.Bind(*upTo);
  row.Run();
  if (!row.Next()) return std::nullopt;
  return Found{row.Int(0), LoadContent(store, row, 1), LoadContent(store, row, 2)};
}

bool IsDone(Store::Impl& store, ChangeSetId id) {
  Statement set(store.db(), "SELECT 1 FROM change_set WHERE id = ? AND state = 1");
  set.Bind(id).Run();
  return set.Next();
}

std::optional<ChangeSetSummary> SummaryOf(Store::Impl& store, ChangeSetId id) {
  Statement row(store.db(), std::string("SELECT ") + kSummaryColumns +
                                " FROM change_set s WHERE s.id = ? AND s.state = 1");
  row.Bind(id).Run();
  if (!row.Next()) return std::nullopt;
  return SummaryFrom(row);
}

// The newest done set of `kind` touching files under `folder` that nothing
// has taken back yet.
std::optional<Candidate> NewestNotTakenBack(Store::Impl& store, const std::string& kinds,
                                            const std::string& folder) {
  const Below below = FileBelow("f.path", folder);
  Statement row(store.db(),
                std::string("SELECT ") + kSummaryColumns +
                    " FROM change_set s WHERE s.state = 1 AND s.kind IN (" + kinds +
                    ") AND s.id IN (SELECT c.set_id FROM file f JOIN change_file c ON c.file_id = f.id"
                    " WHERE " +
                    below.sql +
                    ") AND NOT EXISTS (SELECT 1 FROM change_set r WHERE r.reverts = s.id AND r.state = 1)"
                    " ORDER BY s.id DESC LIMIT 1");
  BindAll(row, below.values);
  row.Run();
  if (!row.Next()) return std::nullopt;
  Candidate candidate{SummaryFrom(row), {}};
  row.Finish();
  Statement outside(store.db(),
                    "SELECT f.path FROM change_file c JOIN file f ON f.id = c.file_id"
                    " WHERE c.set_id = ? AND NOT " +
                        below.sql + " ORDER BY f.path");
  outside.Bind(candidate.set.id);
  BindAll(outside, below.values);
  outside.Run();
  while (outside.Next()) candidate.outside.push_back(outside.Bytes(0));
  return candidate;
}

}  // namespace

std::optional<Version> LastRecordedIn(Store::Impl& store, const std::string& path) {
  const std::optional<Found> found = NewestTouching(store, path, std::nullopt, Bound::UpTo);
  if (!found) return std::nullopt;
  return Version{found->set, found->after};
}

}  // namespace detail

using detail::Statement;

std::vector<ChangeSetSummary> Store::History(const std::vector<std::string>& paths) const {
  return impl_->Guarded([&] {
    std::vector<ChangeSetSummary> sets;
    if (paths.empty()) return sets;
    std::string where;
    std::vector<std::string> values;
    for (const std::string& path : paths) {
      const detail::Below below = detail::FileBelow("f.path", path);
      where += (where.empty() ? "" : " OR ") + below.sql;
      values.insert(values.end(), below.values.begin(), below.values.end());
    }
    Statement row(impl_->db(),
                  std::string("SELECT ") + detail::kSummaryColumns +
                      " FROM change_set s WHERE s.state = 1 AND s.id IN (SELECT c.set_id FROM file f"
                      " JOIN change_file c ON c.file_id = f.id WHERE " +
                      where + ") ORDER BY s.id DESC");
    detail::BindAll(row, values);
    row.Run();
    while (row.Next()) sets.push_back(detail::SummaryFrom(row));
    return sets;
  });
}

std::optional<ChangeSet> Store::Get(ChangeSetId id) const {
  return impl_->Guarded([&]() -> std::optional<ChangeSet> {
    detail::ReadTransaction snapshot(impl_->db());
    std::optional<ChangeSetSummary> summary = detail::SummaryOf(*impl_, id);
    if (!summary) return std::nullopt;
    ChangeSet set{std::move(*summary), {}};
    Statement row(impl_->db(),
                  "SELECT f.path, c.before, c.after FROM change_file c JOIN file f ON f.id = c.file_id"
                  " WHERE c.set_id = ? ORDER BY f.path");
    row.Bind(id).Run();
    while (row.Next())
      set.files.push_back(
          {row.Bytes(0), detail::LoadContent(*impl_, row, 1), detail::LoadContent(*impl_, row, 2)});
    return set;
  });
}

std::optional<Candidate> Store::NewestUndoable(const std::string& path) const {
  return impl_->Guarded([&] {
    detail::ReadTransaction snapshot(impl_->db());
    return detail::NewestNotTakenBack(*impl_, "0, 2", path);
  });
}

std::optional<Candidate> Store::NewestRedoable(const std::string& path) const {
  return impl_->Guarded([&]() -> std::optional<Candidate> {
    detail::ReadTransaction snapshot(impl_->db());
    std::optional<Candidate> undo = detail::NewestNotTakenBack(*impl_, "1", path);
    if (!undo) return std::nullopt;
    Statement later(impl_->db(),
                    "SELECT 1 FROM change_file mine JOIN change_file later ON later.file_id = mine.file_id"
                    " AND later.set_id > mine.set_id JOIN change_set n ON n.id = later.set_id"
                    " WHERE mine.set_id = ? AND n.state = 1 AND n.kind = 0 LIMIT 1");
    later.Bind(undo->set.id).Run();
    if (later.Next()) return std::nullopt;
    return undo;
  });
}

std::optional<Version> Store::VersionAfter(ChangeSetId id, const std::string& path) const {
  return impl_->Guarded([&]() -> std::optional<Version> {
    detail::ReadTransaction snapshot(impl_->db());
    if (!detail::IsDone(*impl_, id)) return std::nullopt;
    const auto found = detail::NewestTouching(*impl_, path, id, detail::Bound::UpTo);
    if (!found) return std::nullopt;
    return Version{found->set, found->after};
  });
}

std::optional<Version> Store::VersionBefore(ChangeSetId id, const std::string& path) const {
  return impl_->Guarded([&]() -> std::optional<Version> {
    detail::ReadTransaction snapshot(impl_->db());
    if (!detail::IsDone(*impl_, id)) return std::nullopt;
    const auto own = detail::NewestTouching(*impl_, path, id, detail::Bound::UpTo);
    if (own && own->set == id) return Version{id, own->before};
    if (!own) return std::nullopt;
    return Version{own->set, own->after};
  });
}

std::optional<Version> Store::LastRecorded(const std::string& path) const {
  return impl_->Guarded([&] {
    detail::ReadTransaction snapshot(impl_->db());
    return detail::LastRecordedIn(*impl_, path);
  });
}

}  // namespace ostrak::history
