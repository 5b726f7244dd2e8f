// Settling the sets a killed writer left pending, from what their files hold
// now. Nothing on disk is touched: a file keeps whatever it has, and the set
// says so.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/FileAccess.h"
#include "core/FileDescriptor.h"
#include "core/IntToStr.h"
#include "history/Schema.h"
#include "history/StoreImpl.h"

namespace ostrak::history {

namespace detail {

namespace {

// One side of a file's change as the set recorded it.
struct Side {
  bool exists = false;
  std::size_t size = 0;
  std::string digest;
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

bool Matches(const Side& side, bool exists, const std::string& digest) {
  return side.exists == exists && (!exists || side.digest == digest);
}

// What the file holds, read only as far as needed: a file of another size
// than both sides is neither, whatever it holds.
Examined Examine(const PendingFile& file) {
  struct stat status {};
  if (::stat(file.path.c_str(), &status) != 0) {
    if (errno != ENOENT && errno != ENOTDIR)
      return {Holds::Unreadable, "cannot read \"" + file.path + "\": " + SystemErrorText(errno)};
    if (Matches(file.after, false, "")) return {Holds::After, ""};
    if (Matches(file.before, false, "")) return {Holds::Before, ""};
    return {Holds::Other, ""};
  }
  if (!S_ISREG(status.st_mode)) return {Holds::Other, ""};
  const auto size = static_cast<std::size_t>(status.st_size);
  const bool sizeFits =
      (file.after.exists && file.after.size == size) || (file.before.exists && file.before.size == size);
  if (!sizeFits) return {Holds::Other, ""};
  std::string bytes;
  try {
    bytes = ReadWholeFile(file.path, size);
  } catch (const Error& failure) {
    return {Holds::Unreadable, failure.message()};
  }
  const std::string digest = Sha256(bytes);
  if (Matches(file.after, true, digest)) return {Holds::After, ""};
  if (Matches(file.before, true, digest)) return {Holds::Before, ""};
  return {Holds::Other, ""};
}

std::vector<PendingFile> FilesOf(Store::Impl& store, ChangeSetId id) {
  Statement row(
      store.db(),
      "SELECT f.path, c.file_id, c.before IS NOT NULL, b.size, b.sha256, c.after IS NOT NULL, a.size,"
      " a.sha256 FROM change_file c JOIN file f ON f.id = c.file_id LEFT JOIN content b ON b.id = c.before"
      " LEFT JOIN content a ON a.id = c.after WHERE c.set_id = ? ORDER BY f.path");
  row.Bind(id).Run();
  std::vector<PendingFile> files;
  while (row.Next()) {
    files.push_back({row.Bytes(0),
                     row.Int(1),
                     {row.Int(2) != 0, static_cast<std::size_t>(row.Int(3)), row.Bytes(4)},
                     {row.Int(5) != 0, static_cast<std::size_t>(row.Int(6)), row.Bytes(7)}});
  }
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
};

Decision Decide(const std::vector<PendingFile>& files) {
  Decision decision;
  std::vector<std::string> kept;
  for (const PendingFile& file : files) {
    const Examined examined = Examine(file);
    if (examined.holds == Holds::Unreadable) {
      return {SettleOutcome::Deferred, {}, examined.why};
    }
    if (examined.holds != Holds::After) {
      decision.notChanged.push_back(file.fileId);
      kept.push_back(file.path);
    }
  }
  if (decision.notChanged.empty()) return decision;
  if (decision.notChanged.size() == files.size()) return {SettleOutcome::Dropped, {}, ""};
  decision.outcome = SettleOutcome::Partial;
  decision.note = "cut short: " + IntToStr(static_cast<long long>(files.size() - kept.size())) + " of " +
                  IntToStr(static_cast<long long>(files.size())) +
                  " files were changed; kept as they were: " + Listed(kept);
  return decision;
}

void Apply(Store::Impl& store, ChangeSetId id, const Decision& decision, std::size_t fileCount) {
  WriteTransaction transaction(store.db());
  // Another process may have settled it meanwhile.
  Statement state(store.db(), "SELECT 1 FROM change_set WHERE id = ? AND state = 0");
  state.Bind(id).Run();
  if (!state.Next()) return;
  state.Finish();
  if (decision.outcome == SettleOutcome::Dropped) {
    Statement files(store.db(), "DELETE FROM change_file WHERE set_id = ?");
    files.Bind(id).Run();
    Statement set(store.db(), "DELETE FROM change_set WHERE id = ?");
    set.Bind(id).Run();
  } else {
    Statement file(store.db(), "DELETE FROM change_file WHERE set_id = ? AND file_id = ?");
    for (const std::int64_t fileId : decision.notChanged) file.Bind(id).Bind(fileId).Run();
    Statement set(store.db(),
                  "UPDATE change_set SET state = 1, writer_pid = NULL, writer_token = NULL, file_count = ?,"
                  " note = ? WHERE id = ?");
    set.Bind(static_cast<std::int64_t>(fileCount - decision.notChanged.size()))
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
    const Decision decision = Decide(files);
    if (decision.outcome != SettleOutcome::Deferred) Apply(store, set.id, decision, files.size());
    settled.push_back({set.id, set.command, decision.outcome, decision.note});
  }
  return settled;
}

}  // namespace detail

std::vector<Settled> Store::Settle() {
  return impl_->Guarded([&] { return detail::SettleIn(*impl_); });
}

}  // namespace ostrak::history
