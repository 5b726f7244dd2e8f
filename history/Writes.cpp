// Recording change sets: Begin before any file changes, MarkDone or Drop
// after, the "Changed outside" sets, and the editor's draft.

#include <algorithm>
#include <set>

#include "core/IntToStr.h"
#include "history/Schema.h"
#include "history/StoreImpl.h"

namespace ostrak::history {

namespace {

using detail::Statement;
using detail::StoredContent;

int KindCode(SetKind kind) { return static_cast<int>(kind); }

void CheckPath(const std::string& path) {
  if (path.empty() || path[0] != '/') throw StoreError("history: \"" + path + "\" is not a canonical path");
}

// How many files the feed gives, each canonical and none named twice. Only
// a hash of each name is held; names whose hashes meet are compared whole.
std::size_t CheckFiles(const Store::FileFeed& files) {
  std::vector<std::size_t> hashes;
  files([&](const FileChange& file) {
    CheckPath(file.path);
    hashes.push_back(std::hash<std::string>{}(detail::PathKey(file.path)));
  });
  if (hashes.empty()) throw StoreError("a change set needs at least one file");
  std::sort(hashes.begin(), hashes.end());
  std::vector<std::size_t> met;
  for (std::size_t i = 1; i < hashes.size(); ++i) {
    if (hashes[i] == hashes[i - 1] && (met.empty() || met.back() != hashes[i])) met.push_back(hashes[i]);
  }
  const std::size_t count = hashes.size();
  hashes = {};
  if (met.empty()) return count;
  std::set<std::string> seen;
  files([&](const FileChange& file) {
    std::string key = detail::PathKey(file.path);
    if (!std::binary_search(met.begin(), met.end(), std::hash<std::string>{}(key))) return;
    if (!seen.insert(std::move(key)).second)
      throw StoreError("history: a change set names \"" + file.path + "\" twice");
  });
  return count;
}

Store::FileFeed FeedOf(const std::vector<FileChange>& files) {
  return [&files](const std::function<void(const FileChange&)>& take) {
    for (const FileChange& file : files) take(file);
  };
}

// An Undo takes back a Change or a Redo, a Redo an Undo, each once.
void CheckReversal(detail::Connection& db, const Reversal& reversal) {
  if (reversal.kind != SetKind::Undo && reversal.kind != SetKind::Redo)
    throw StoreError("history: only an undo or a redo takes a change set back");
  Statement target(db, "SELECT kind, state FROM change_set WHERE id = ?");
  target.Bind(reversal.of).Run();
  const std::string name = "change set " + IntToStr(reversal.of);
  if (!target.Next() || target.Int(1) != detail::kDone) throw StoreError(name + " is not in the history");
  const auto kind = static_cast<SetKind>(target.Int(0));
  target.Finish();
  const bool fits = reversal.kind == SetKind::Undo ? kind == SetKind::Change || kind == SetKind::Redo
                                                   : kind == SetKind::Undo;
  if (!fits)
    throw StoreError(name + (reversal.kind == SetKind::Undo ? " cannot be undone" : " is no undo to redo"));
  Statement taken(db, "SELECT id FROM change_set WHERE reverts = ? LIMIT 1");
  taken.Bind(reversal.of).Run();
  if (taken.Next()) throw StoreError(name + " is already taken back by change set " + IntToStr(taken.Int(0)));
}

class Recorder {
public:
  // `count`: how many files the set has, so that their numbers are held once.
  Recorder(Store::Impl& store, std::size_t count)
      : store_(store),
        last_(store.db(),
              "SELECT coalesce(c.after, c.before), k.depth FROM change_file c JOIN content k"
              " ON k.id = coalesce(c.after, c.before) WHERE c.file_id = ? ORDER BY c.set_id DESC LIMIT 1"),
        row_(store.db(), "INSERT INTO change_file(file_id, set_id, before, after) VALUES(?, ?, ?, ?)") {
    ids_.reserve(count);
  }

  void Add(std::int64_t set, const FileChange& file) {
    const std::int64_t id = store_.files().IdOf(file.path);
    ids_.push_back(id);
    // The base of a new content: the file's own previous version, else the
    // content recorded just before (another fighter file is much alike).
    std::optional<StoredContent> base = LastOf(id);
    const std::string* baseBytes = nullptr;
    if (!base && previous_) {
      base = previous_;
      baseBytes = &previousBytes_;
    }
    std::optional<StoredContent> before;
    if (file.before) {
      before = store_.contents().Put(*file.before, base, baseBytes);
      base = before;
      baseBytes = &*file.before;
    }
    std::optional<StoredContent> after;
    if (file.after) after = store_.contents().Put(*file.after, base, baseBytes);
    // Kept, as the file's own bytes are gone once the next is given.
    if (after) {
      previous_ = after;
      previousBytes_ = *file.after;
    } else if (before) {
      previous_ = before;
      previousBytes_ = *file.before;
    }
    row_.Bind(id).Bind(set);
    BindContent(before);
    BindContent(after);
    row_.Run();
  }

  // The set's file numbers, as its row keeps them; once, after the last Add.
  std::string Packed() { return detail::PackFileList(std::move(ids_), store_.frames()); }

private:
  std::optional<StoredContent> LastOf(std::int64_t file) {
    last_.Bind(file).Run();
    if (!last_.Next()) return std::nullopt;
    const StoredContent found{last_.Int(0), static_cast<int>(last_.Int(1))};
    last_.Finish();
    return found;
  }

  void BindContent(const std::optional<StoredContent>& content) {
    if (content)
      row_.Bind(content->id);
    else
      row_.BindNull();
  }

  Store::Impl& store_;
  Statement last_, row_;
  std::vector<std::int64_t> ids_;
  std::optional<StoredContent> previous_;
  std::string previousBytes_;
};

// Inside a write transaction of the caller's.
ChangeSetId RecordLocked(Store::Impl& store, const std::string& command, SetKind kind,
                         std::optional<ChangeSetId> reverts, const Store::FileFeed& files, std::size_t count,
                         int state) {
  Statement set(store.db(),
                "INSERT INTO change_set(time, command, kind, reverts, state, file_count, files, writer_pid,"
                " writer_token) VALUES(?, ?, ?, ?, ?, ?, x'', ?, ?)");
  set.BindText(detail::IsoTime(store.Now())).BindText(command).Bind(KindCode(kind));
  if (reverts)
    set.Bind(*reverts);
  else
    set.BindNull();
  set.Bind(state).Bind(static_cast<std::int64_t>(count));
  if (state == detail::kPending)
    set.Bind(store.writer.pid).BindText(store.writer.token);
  else
    set.BindNull().BindNull();
  set.Run();
  const ChangeSetId id = set.LastId();
  Recorder recorder(store, count);
  files([&](const FileChange& file) { recorder.Add(id, file); });
  Statement list(store.db(), "UPDATE change_set SET files = ? WHERE id = ?");
  list.BindBytes(recorder.Packed()).Bind(id).Run();
  return id;
}

}  // namespace

ChangeSetId Store::Begin(const std::string& command, const std::vector<FileChange>& files,
                         std::optional<Reversal> reversal) {
  return Begin(command, FeedOf(files), reversal);
}

ChangeSetId Store::Begin(const std::string& command, const FileFeed& files,
                         std::optional<Reversal> reversal) {
  const std::size_t count = CheckFiles(files);
  return impl_->Guarded([&] {
    detail::WriteTransaction transaction(impl_->db());
    // Under the lock the set is recorded with, so that two undos of one set
    // cannot both pass.
    if (reversal) CheckReversal(impl_->db(), *reversal);
    const ChangeSetId id = RecordLocked(*impl_, command, reversal ? reversal->kind : SetKind::Change,
                                        reversal ? std::optional<ChangeSetId>(reversal->of) : std::nullopt,
                                        files, count, detail::kPending);
    transaction.Commit();
    return id;
  });
}

void Store::MarkDone(ChangeSetId id) {
  impl_->Guarded([&] {
    Statement done(impl_->db(),
                   "UPDATE change_set SET state = 1, writer_pid = NULL, writer_token = NULL"
                   " WHERE id = ? AND state = 0");
    done.Bind(id).Run();
    if (done.Affected() != 1)
      throw StoreError("change set " + IntToStr(id) + " is not waiting to be marked done");
    return 0;
  });
}

void Store::Drop(ChangeSetId id) {
  impl_->Guarded([&] {
    detail::WriteTransaction transaction(impl_->db());
    const std::vector<std::int64_t> files = detail::FilesOfSet(impl_->db(), impl_->frames(), id);
    Statement set(impl_->db(), "DELETE FROM change_set WHERE id = ? AND state = 0");
    set.Bind(id).Run();
    if (set.Affected() != 1) throw StoreError("change set " + IntToStr(id) + " is not waiting to be dropped");
    // Its contents stay until the next prune, which takes what no set needs.
    Statement file(impl_->db(), "DELETE FROM change_file WHERE file_id = ? AND set_id = ?");
    for (const std::int64_t fileId : files) file.Bind(fileId).Bind(id).Run();
    transaction.Commit();
    return 0;
  });
}

ChangeSetId Store::RecordOutsideChange(const std::string& path, const Content& now) {
  CheckPath(path);
  return impl_->Guarded([&] {
    detail::WriteTransaction transaction(impl_->db());
    const std::optional<Version> last = detail::LastRecordedIn(*impl_, path);
    const std::vector<FileChange> files{{path, last ? last->content : std::nullopt, now}};
    const ChangeSetId id = RecordLocked(*impl_, "Changed outside", SetKind::Outside, std::nullopt,
                                        FeedOf(files), files.size(), detail::kDone);
    transaction.Commit();
    return id;
  });
}

void Store::SaveDraft(const std::string& bytes) {
  if (bytes.size() > detail::kMaxContentBytes) throw StoreError("the draft is too large to keep");
  impl_->Guarded([&] {
    Statement draft(impl_->db(), "INSERT OR REPLACE INTO draft(slot, time, frame) VALUES(1, ?, ?)");
    draft.BindText(detail::IsoTime(impl_->Now())).BindBytes(impl_->frames().Compress(bytes, {})).Run();
    return 0;
  });
}

std::optional<SavedDraft> Store::Draft() const {
  return impl_->Guarded([&]() -> std::optional<SavedDraft> {
    Statement draft(impl_->db(), "SELECT time, frame FROM draft WHERE slot = 1");
    draft.Run();
    if (!draft.Next()) return std::nullopt;
    return SavedDraft{draft.Text(0),
                      impl_->frames().Decompress(draft.Bytes(1), {}, detail::kMaxContentBytes)};
  });
}

void Store::ClearDraft() {
  impl_->Guarded([&] {
    impl_->db().Run("DELETE FROM draft");
    return 0;
  });
}

}  // namespace ostrak::history
