// Settling the sets a killed writer left pending, from what their files hold
// now. Nothing on disk is touched: a file keeps whatever it has, and the set
// says so.

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "history/Schema.h"
#include "history/StoreImpl.h"

namespace ostrak::history {

namespace detail {

namespace {

// One side of a file's change as the set recorded it.
struct Side {
  std::optional<std::int64_t> content;  // none: no file
  std::size_t size = 0;
};

struct PendingFile {
  std::string path;
  std::int64_t fileId = 0;
  Side before, after;
};

enum class Holds { After, Before, Other, Unreadable };

struct Examined {
  Holds holds = Holds::Other;
  std::string why;  // Unreadable: what stopped the reading
};

Content LoadSide(Store::Impl& store, const Side& side) {
  if (!side.content) return std::nullopt;
  return store.contents().Load(*side.content);
}

bool Matches(Store::Impl& store, const Side& side, const Content& now) {
  if (!side.content || !now) return !side.content && !now;
  return side.size == now->size() && store.contents().Load(*side.content) == *now;
}

// What the file holds, read only as far as needed: a file of another size
// than both sides is neither, whatever it holds.
Examined Examine(Store::Impl& store, const PendingFile& file) {
  Content now;
  struct stat status {};
  if (::stat(file.path.c_str(), &status) != 0) {
    if (errno != ENOENT && errno != ENOTDIR)
      return {Holds::Unreadable, "cannot read \"" + file.path + "\": " + SystemErrorText(errno)};
  } else if (!S_ISREG(status.st_mode)) {
    return {Holds::Other, ""};
  } else {
    const auto size = static_cast<std::size_t>(status.st_size);
    const bool sizeFits =
        (file.after.content && file.after.size == size) || (file.before.content && file.before.size == size);
    if (!sizeFits) return {Holds::Other, ""};
    try {
      now = ReadWholeFile(file.path, size);
    } catch (const Error& failure) {
      return {Holds::Unreadable, failure.message()};
    }
  }
  if (Matches(store, file.after, now)) return {Holds::After, ""};
  if (Matches(store, file.before, now)) return {Holds::Before, ""};
  return {Holds::Other, ""};
}

std::vector<PendingFile> FilesOf(Store::Impl& store, ChangeSetId id) {
  Statement row(store.db(), "SELECT before, after FROM change_file WHERE file_id = ? AND set_id = ?");
  std::vector<PendingFile> files;
  for (const std::int64_t file : FilesOfSet(store.db(), store.frames(), id)) {
    row.Bind(file).Bind(id).Run();
    if (!row.Next()) continue;
    PendingFile pending{store.files().PathOf(file), file, {}, {}};
    if (!row.IsNull(0)) pending.before = {row.Int(0), 0};
    if (!row.IsNull(1)) pending.after = {row.Int(1), 0};
    row.Finish();
    for (Side* side : {&pending.before, &pending.after}) {
      if (side->content) side->size = store.contents().SizeOf(*side->content);
    }
    files.push_back(std::move(pending));
  }
  std::sort(files.begin(), files.end(),
            [](const PendingFile& a, const PendingFile& b) { return a.path < b.path; });
  return files;
}

std::string Listed(const std::vector<std::string>& paths) {
  constexpr std::size_t kNamed = 5;
  std::string text;
  for (std::size_t i = 0; i < paths.size() && i < kNamed; ++i) text += (i ? ", " : "") + paths[i];
  if (paths.size() > kNamed)
    text += " and " + IntToStr(static_cast<long long>(paths.size() - kNamed)) + " more";
  return text;
}

struct Decision {
  SettleOutcome outcome = SettleOutcome::Done;
  std::vector<std::int64_t> notChanged;  // file ids that keep what they had
  std::string note;
  std::vector<FileChange> strays;
};

Decision Decide(Store::Impl& store, const std::vector<PendingFile>& files) {
  Decision decision;
  std::vector<std::string> kept;
  for (const PendingFile& file : files) {
    const Examined examined = Examine(store, file);
    if (examined.holds == Holds::Unreadable) {
      return {SettleOutcome::Deferred, {}, examined.why, {}};
    }
    if (examined.holds != Holds::After) {
      decision.notChanged.push_back(file.fileId);
      kept.push_back(file.path);
    }
    if (examined.holds == Holds::Other)
      decision.strays.push_back({file.path, LoadSide(store, file.before), LoadSide(store, file.after)});
  }
  if (decision.notChanged.empty()) return decision;
  if (decision.notChanged.size() == files.size()) {
    decision.outcome = SettleOutcome::Dropped;
    return decision;
  }
  decision.outcome = SettleOutcome::Partial;
  decision.note = "cut short: " + IntToStr(static_cast<long long>(files.size() - kept.size())) + " of " +
                  IntToStr(static_cast<long long>(files.size())) +
                  " files were changed; kept as they were: " + Listed(kept);
  return decision;
}

void Apply(Store::Impl& store, ChangeSetId id, const Decision& decision,
           const std::vector<PendingFile>& files) {
  WriteTransaction transaction(store.db());
  // Another process may have settled it meanwhile.
  Statement state(store.db(), "SELECT 1 FROM change_set WHERE id = ? AND state = 0");
  state.Bind(id).Run();
  if (!state.Next()) return;
  state.Finish();
  Statement file(store.db(), "DELETE FROM change_file WHERE file_id = ? AND set_id = ?");
  if (decision.outcome == SettleOutcome::Dropped) {
    for (const PendingFile& pending : files) file.Bind(pending.fileId).Bind(id).Run();
    Statement set(store.db(), "DELETE FROM change_set WHERE id = ?");
    set.Bind(id).Run();
  } else {
    std::vector<std::int64_t> changed;
    for (const PendingFile& pending : files) {
      if (std::find(decision.notChanged.begin(), decision.notChanged.end(), pending.fileId) !=
          decision.notChanged.end())
        file.Bind(pending.fileId).Bind(id).Run();
      else
        changed.push_back(pending.fileId);
    }
    Statement set(store.db(),
                  "UPDATE change_set SET state = 1, writer_pid = NULL, writer_token = NULL, file_count = ?,"
                  " files = ?, note = ? WHERE id = ?");
    set.Bind(static_cast<std::int64_t>(changed.size()))
        .BindBytes(PackFileList(changed, store.frames()))
        .BindText(decision.note)
        .Bind(id)
        .Run();
  }
  transaction.Commit();
}

}  // namespace

std::vector<Settled> SettleIn(Store::Impl& store) {
  struct Left {
    ChangeSetId id;
    std::string command;
  };
  std::vector<Left> left;
  {
    Statement pending(
        store.db(),
        "SELECT id, command, writer_pid, writer_token FROM change_set WHERE state = 0 ORDER BY id");
    pending.Run();
    while (pending.Next()) {
      if (!StillRunning({pending.Int(2), pending.Text(3)})) left.push_back({pending.Int(0), pending.Text(1)});
    }
  }
  std::vector<Settled> settled;
  for (const Left& set : left) {
    const std::vector<PendingFile> files = FilesOf(store, set.id);
    const Decision decision = Decide(store, files);
    if (decision.outcome != SettleOutcome::Deferred) Apply(store, set.id, decision, files);
    settled.push_back({set.id, set.command, decision.outcome, decision.note, decision.strays});
  }
  return settled;
}

}  // namespace detail

std::vector<Settled> Store::Settle() {
  return impl_->Guarded([&] { return detail::SettleIn(*impl_); });
}

}  // namespace ostrak::history
