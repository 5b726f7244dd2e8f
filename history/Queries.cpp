// What the history knows: the sets touching a folder, one set whole, the
// sets an undo or a redo would take back, and a file's bytes at a point.

#include <algorithm>

#include "core/IntToStr.h"
#include "history/StoreImpl.h"

namespace ostrak::history {

namespace detail {

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

struct Found {
  ChangeSetId set = 0;
  Content before, after;
};

// The file's newest done version at or before set `upTo` (any, when none).
std::optional<Found> NewestTouching(Store::Impl& store, const std::string& path,
                                    std::optional<ChangeSetId> upTo) {
  const std::optional<std::int64_t> file = store.files().Find(path);
  if (!file) return std::nullopt;
  std::string sql =
      "SELECT c.set_id, c.before, c.after FROM change_file c JOIN change_set s ON s.id = c.set_id"
      " WHERE c.file_id = ? AND s.state = 1";
  if (upTo) sql += " AND c.set_id <= ?";
  sql += " ORDER BY c.set_id DESC LIMIT 1";
  Statement row(store.db(), sql);
  row.Bind(*file);
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

// The newest done set of one of `kinds` touching files under `folder` that
// nothing has taken back yet, with its files outside the folder.
std::optional<Candidate> NewestNotTakenBack(Store::Impl& store, const std::string& kinds,
                                            const std::string& folder) {
  const Below below = FileBelow(folder);
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
  ListFiles(store.db(), FilesOfSet(store.db(), store.frames(), candidate.set.id));
  Statement outside(store.db(),
                    "SELECT f.id FROM temp.listed l JOIN file f ON f.id = l.id WHERE NOT " + below.sql);
  BindAll(outside, below.values);
  outside.Run();
  while (outside.Next()) candidate.outside.push_back(store.files().PathOf(outside.Int(0)));
  std::sort(candidate.outside.begin(), candidate.outside.end());
  return candidate;
}

}  // namespace

std::optional<Version> LastRecordedIn(Store::Impl& store, const std::string& path) {
  const std::optional<Found> found = NewestTouching(store, path, std::nullopt);
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
      const detail::Below below = detail::FileBelow(path);
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
    Statement row(impl_->db(), "SELECT before, after FROM change_file WHERE file_id = ? AND set_id = ?");
    for (const std::int64_t file : detail::FilesOfSet(impl_->db(), impl_->frames(), id)) {
      row.Bind(file).Bind(id).Run();
      if (!row.Next())
        throw detail::DamagedStore("damaged history: a file of change set " + IntToStr(id) + " is missing");
      set.files.push_back({impl_->files().PathOf(file), detail::LoadContent(*impl_, row, 0),
                           detail::LoadContent(*impl_, row, 1)});
      row.Finish();
    }
    std::sort(set.files.begin(), set.files.end(),
              [](const FileChange& a, const FileChange& b) { return a.path < b.path; });
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
    // temp.listed holds the undo's files.
    Statement later(impl_->db(),
                    "SELECT 1 FROM temp.listed l JOIN change_file c ON c.file_id = l.id AND c.set_id > ?"
                    " JOIN change_set n ON n.id = c.set_id WHERE n.state = 1 AND n.kind = 0 LIMIT 1");
    later.Bind(undo->set.id).Run();
    if (later.Next()) return std::nullopt;
    return undo;
  });
}

std::optional<Version> Store::VersionAfter(ChangeSetId id, const std::string& path) const {
  return impl_->Guarded([&]() -> std::optional<Version> {
    detail::ReadTransaction snapshot(impl_->db());
    if (!detail::IsDone(*impl_, id)) return std::nullopt;
    const auto found = detail::NewestTouching(*impl_, path, id);
    if (!found) return std::nullopt;
    return Version{found->set, found->after};
  });
}

std::optional<Version> Store::VersionBefore(ChangeSetId id, const std::string& path) const {
  return impl_->Guarded([&]() -> std::optional<Version> {
    detail::ReadTransaction snapshot(impl_->db());
    if (!detail::IsDone(*impl_, id)) return std::nullopt;
    const auto found = detail::NewestTouching(*impl_, path, id);
    if (!found) return std::nullopt;
    // The set's own record of the file when it touched it, else what the
    // newest earlier set left.
    return Version{found->set, found->set == id ? found->before : found->after};
  });
}

std::optional<Version> Store::LastRecorded(const std::string& path) const {
  return impl_->Guarded([&] {
    detail::ReadTransaction snapshot(impl_->db());
    return detail::LastRecordedIn(*impl_, path);
  });
}

}  // namespace ostrak::history
