#include "recorded/TakeBack.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

#include "core/IntToStr.h"
#include "recorded/ChangeWords.h"

namespace ostrak::recorded {

namespace {

using history::ChangeSet;
using history::Content;

std::string Id(history::ChangeSetId id) { return IntToStr(static_cast<long long>(id)); }

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

bool Below(const std::string& path, const std::string& folder) {
  return folder == "/" || path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

// The deepest folder holding every path.
std::string CommonFolder(const std::vector<TakenBackFile>& files) {
  std::string common = FolderOf(files.front().path);
  for (const TakenBackFile& file : files) {
    while (!Below(file.path, common)) common = FolderOf(common);
  }
  return common;
}

struct Target {
  std::string path;
  Content bytes;
};

TakeBackPlan Refusal(TakeBackKind kind, std::string why) {
  TakeBackPlan plan;
  plan.kind = kind;
  plan.refusal = std::move(why);
  return plan;
}

// The plan that gives each file its bytes, confined to the folder that holds
// them all, so that a link put on the way since is refused, not followed.
void Build(const history::Store& store, TakeBackPlan& plan, std::vector<Target> targets) {
  std::sort(targets.begin(), targets.end(), [](const Target& a, const Target& b) { return a.path < b.path; });
  for (Target& target : targets) {
    TakenBackFile file;
    file.path = std::move(target.path);
    file.bytes = std::move(target.bytes);
    plan.files.push_back(std::move(file));
  }
  const std::string base = CommonFolder(plan.files);
  plan.options.base = base == "/" ? base : base + "/";
  plan.options.allowOutside = false;
  plan.options.missingFolders = roster::MissingFolders::Make;
  std::vector<roster::FileWrite> writes;
  writes.reserve(plan.files.size());
  for (const TakenBackFile& file : plan.files)
    writes.push_back({file.path.substr(plan.options.base.size()), file.bytes});
  plan.plan = roster::PlanWrites(writes, plan.options);
  const roster::PlannedFiles& planned = plan.plan.Files();
  for (std::size_t i = 0; i < plan.files.size() && i < planned.size(); ++i) {
    TakenBackFile& file = plan.files[i];
    const roster::PlannedFile& write = planned[i];
    switch (write.action) {
      case roster::Action::Replace:
        file.outcome = Outcome::Restored;
        break;
      case roster::Action::Remove:
        file.outcome = Outcome::Removed;
        break;
      case roster::Action::Create:
        file.outcome = Outcome::Recreated;
        break;
      case roster::Action::Unchanged:
      case roster::Action::Refused:
        file.outcome = Outcome::Unchanged;
        continue;  // nothing is overwritten
    }
    const std::optional<history::Version> last = store.LastRecorded(file.path);
    std::optional<std::string> before = plan.plan.BeforeOf(write);
    if (last && last->content != before) {
      file.changedOutside = true;
      file.now = std::move(before);
    }
  }
}

// Every file of `set` gets the bytes it had before it.
TakeBackPlan Reverse(const history::Store& store, const ChangeSet& set) {
  const bool redo = set.summary.kind == history::SetKind::Undo;
  TakeBackPlan plan;
  plan.kind = redo ? TakeBackKind::Redo : TakeBackKind::Undo;
  plan.words = redo ? RedoWords(set.summary.id) : UndoWords(set.summary.id);
  plan.reversal = history::Reversal{redo ? history::SetKind::Redo : history::SetKind::Undo, set.summary.id};
  plan.set = set.summary;
  std::vector<Target> targets;
  for (const history::FileChange& file : set.files) targets.push_back({file.path, file.before});
  if (targets.empty()) return Refusal(plan.kind, "change set " + Id(set.summary.id) + " holds no file");
  Build(store, plan, std::move(targets));
  return plan;
}

std::string Listed(const std::vector<std::string>& paths) {
  constexpr std::size_t kNamed = 3;
  std::string text;
  for (std::size_t i = 0; i < paths.size() && i < kNamed; ++i) text += (i ? ", " : "") + paths[i];
  if (paths.size() > kNamed)
    text += " and " + IntToStr(static_cast<long long>(paths.size() - kNamed)) + " more";
  return text;
}

TakeBackPlan FromCandidate(const history::Store& store, const std::optional<history::Candidate>& candidate,
                           TakeBackKind kind, const std::string& under) {
  const char* what = kind == TakeBackKind::Undo ? "undo" : "redo";
  if (!candidate) return Refusal(kind, std::string("nothing to ") + what + " under \"" + under + "\"");
  const history::ChangeSetSummary& set = candidate->set;
  if (!candidate->outside.empty()) {
    return Refusal(kind, "change set " + Id(set.id) + " (" + set.command + ") also changed files outside \"" +
                             under + "\": " + Listed(candidate->outside) + "; " + what +
                             " it from a folder that holds them all");
  }
  const std::optional<ChangeSet> whole = store.Get(set.id);
  if (!whole) return Refusal(kind, "change set " + Id(set.id) + " is not in the history");
  return Reverse(store, *whole);
}

}  // namespace

const char* OutcomeWords(Outcome outcome) {
  switch (outcome) {
    case Outcome::Restored:
      return "restored";
    case Outcome::Removed:
      return "removed";
    case Outcome::Recreated:
      return "recreated";
    case Outcome::Unchanged:
      break;
  }
  return "unchanged";
}

const char* WouldOutcomeWords(Outcome outcome) {
  switch (outcome) {
    case Outcome::Restored:
      return "would restore";
    case Outcome::Removed:
      return "would remove";
    case Outcome::Recreated:
      return "would recreate";
    case Outcome::Unchanged:
      break;
  }
  return "unchanged";
}

std::string CanonicalPath(const std::string& path) {
  if (path.empty()) return {};
  std::string absolute = path;
  if (path[0] != '/') {
    char here[PATH_MAX];
    if (!::getcwd(here, sizeof here)) return {};
    absolute = std::string(here) + "/" + path;
  }
  // The steps that do not exist, last first; what exists is the system's to resolve.
  std::vector<std::string> missing;
  for (;;) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(absolute.c_str(), nullptr),
                                                               &std::free);
    if (resolved) {
      std::string canonical = resolved.get();
      for (auto step = missing.rbegin(); step != missing.rend(); ++step)
        canonical += (canonical == "/" ? "" : "/") + *step;
      return canonical;
    }
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    const std::size_t slash = absolute.rfind('/');
    if (slash == std::string::npos || absolute == "/") return {};
    const std::string step = absolute.substr(slash + 1);
    // Beyond a missing step, ".." has nothing to resolve against.
    if (step == "..") return {};
    if (step != "." && !step.empty()) missing.push_back(step);
    absolute = slash == 0 ? "/" : absolute.substr(0, slash);
  }
}

TakeBackPlan PlanUndo(const history::Store& store, const std::string& under) {
  const std::string canonical = CanonicalPath(under);
  if (canonical.empty()) return Refusal(TakeBackKind::Undo, "cannot find \"" + under + "\"");
  return FromCandidate(store, store.NewestUndoable(canonical), TakeBackKind::Undo, under);
}

TakeBackPlan PlanRedo(const history::Store& store, const std::string& under) {
  const std::string canonical = CanonicalPath(under);
  if (canonical.empty()) return Refusal(TakeBackKind::Redo, "cannot find \"" + under + "\"");
  return FromCandidate(store, store.NewestRedoable(canonical), TakeBackKind::Redo, under);
}

TakeBackPlan PlanTakeBack(const history::Store& store, history::ChangeSetId id) {
  const std::optional<ChangeSet> set = store.Get(id);
  if (!set) return Refusal(TakeBackKind::Undo, "change set " + Id(id) + " is not in the history");
  const TakeBackKind kind =
      set->summary.kind == history::SetKind::Undo ? TakeBackKind::Redo : TakeBackKind::Undo;
  if (set->summary.kind == history::SetKind::Outside)
    return Refusal(kind,
                   "change set " + Id(id) + " records another program's change: restore its files instead");
  if (set->summary.revertedBy)
    return Refusal(kind, "change set " + Id(id) + " is already taken back by change set " +
                             Id(*set->summary.revertedBy));
  return Reverse(store, *set);
}

TakeBackPlan PlanRestore(const history::Store& store, const std::string& file, history::ChangeSetId id,
                         RestorePoint point) {
  const std::string canonical = CanonicalPath(file);
  if (canonical.empty()) return Refusal(TakeBackKind::Restore, "cannot find \"" + file + "\"");
  const std::optional<ChangeSet> set = store.Get(id);
  if (!set) return Refusal(TakeBackKind::Restore, "change set " + Id(id) + " is not in the history");
  const std::optional<history::Version> version =
      point == RestorePoint::After ? store.VersionAfter(id, canonical) : store.VersionBefore(id, canonical);
  if (!version) {
    return Refusal(TakeBackKind::Restore,
                   "the history holds no version of \"" + file + "\" up to change set " + Id(id));
  }
  TakeBackPlan plan;
  plan.kind = TakeBackKind::Restore;
  plan.words = kRestoreWords;
  plan.set = set->summary;
  Build(store, plan, {{canonical, version->content}});
  return plan;
}

TakeBackPlan PlanRestoreSet(const history::Store& store, history::ChangeSetId id, RestorePoint point) {
  const std::optional<ChangeSet> set = store.Get(id);
  if (!set) return Refusal(TakeBackKind::Restore, "change set " + Id(id) + " is not in the history");
  if (set->files.empty()) return Refusal(TakeBackKind::Restore, "change set " + Id(id) + " holds no file");
  TakeBackPlan plan;
  plan.kind = TakeBackKind::Restore;
  plan.words = kRestoreWords;
  plan.set = set->summary;
  // The set touched each of its files: its own bytes are the version.
  std::vector<Target> targets;
  for (const history::FileChange& file : set->files)
    targets.push_back({file.path, point == RestorePoint::After ? file.after : file.before});
  Build(store, plan, std::move(targets));
  return plan;
}

TakeBackResult CommitTakeBack(TakeBackPlan& plan, WriterHistory& history) {
  TakeBackResult result;
  if (plan.Refused()) {
    result.commit.failure = roster::FileFailure{{}, plan.refusal};
    return result;
  }
  if (!plan.plan.Problems().empty()) {
    result.commit.failure = roster::FileFailure{{}, "the plan has problems: nothing is written"};
    return result;
  }
  history::Store* store = history.store();
  // Overwriting what another program left, unkept, would lose it for good.
  for (TakenBackFile& file : plan.files) {
    if (!file.changedOutside) continue;
    if (!store) {
      result.commit.failure = roster::FileFailure{
          file.path, "changed outside, and the history cannot keep it: " +
                         (history.Unavailable().empty() ? "it is turned off" : history.Unavailable()) +
                         "; nothing was changed"};
      return result;
    }
    try {
      file.keptAs = store->RecordOutsideChange(file.path, file.now);
    } catch (const std::exception& failure) {
      result.commit.failure =
          roster::FileFailure{file.path, std::string("changed outside, and the history cannot keep it: ") +
                                             failure.what() + "; nothing was changed"};
      return result;
    }
  }
  if (plan.plan.ChangeCount() == 0) {
    // Nothing to write, yet the set is taken back: recorded with every file as it is.
    if (store && plan.reversal) {
      std::vector<history::FileChange> files;
      for (const TakenBackFile& file : plan.files) files.push_back({file.path, file.bytes, file.bytes});
      try {
        const history::ChangeSetId id = store->Begin(plan.words, files, plan.reversal);
        store->MarkDone(id);
        result.recorded = id;
      } catch (const std::exception& failure) {
        result.problem = NoHistoryMessage(failure.what());
      }
    }
    return result;
  }
  const auto journal = history.JournalFor(plan.words, plan.reversal);
  result.commit = roster::Commit(plan.plan, {}, journal.get());
  result.recorded = journal->Recorded();
  result.problem = journal->Problem();
  return result;
}

}  // namespace ostrak::recorded
