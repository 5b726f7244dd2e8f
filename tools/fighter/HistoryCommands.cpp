// history, undo, redo and restore: the user's history of every write, and
// changes taken back through the roster engine.

#include <unistd.h>

#include <climits>

#include "core/IntToStr.h"
#include "recorded/RecordedHistory.h"
#include "recorded/SetView.h"
#include "recorded/TakeBack.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/Utf8Text.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Writing.h"

namespace ostrak::fighter {

namespace {

using recorded::TakeBackKind;
using recorded::TakeBackPlan;
using recorded::TakenBackFile;
using roster::CsvField;
using roster::JsonString;
using roster::ValidUtf8;

constexpr const char* kRatingNames[] = {"ground", "striking", "defense", "fitness", "mental", "overall"};

std::string Id(history::ChangeSetId id) { return IntToStr(static_cast<long long>(id)); }

// A file under the current folder by its path from there, others in full.
std::string Shown(const std::string& canonical) {
  static const std::string here = recorded::CanonicalPath(".");
  if (here.empty()) return canonical;
  if (here == "/") return canonical.substr(1);
  if (canonical.starts_with(here) && canonical.size() > here.size() && canonical[here.size()] == '/')
    return canonical.substr(here.size() + 1);
  return canonical;
}

// The store for reading and taking back; none, after saying why, when the
// history is turned off or cannot be used.
recorded::WriterHistory OpenForCommand(const char* command, history::Maintenance maintenance) {
  recorded::WriterHistory kept(
      history::OpenHistory(history::UserHistoryPlace(), history::HistoryUse::On, {{}, maintenance}));
  if (kept.status() == history::OpenStatus::TurnedOff) {
    Report(stderr, command, "the history is turned off (" + kept.opened().reason + ")");
  } else if (!kept.store()) {
    Report(stderr, command, "the history cannot be used: " + kept.Unavailable());
  }
  return kept;
}

std::string PadRight(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

std::string Undone(const history::ChangeSetSummary& set) {
  return set.revertedBy ? "yes (" + Id(*set.revertedBy) + ")" : "no";
}

void PrintList(const std::vector<history::ChangeSetSummary>& sets, RatingsFormat format) {
  std::string text;
  switch (format) {
    case RatingsFormat::Table: {
      std::size_t idWidth = 2;
      for (const auto& set : sets) idWidth = std::max(idWidth, Id(set.id).size());
      text = PadRight("ID", idWidth) + "  " + PadRight("Time", 20) + "  Files  " + PadRight("Undone", 10) +
             "  Command\n";
      for (const auto& set : sets) {
        const std::string files = IntToStr(static_cast<long long>(set.files));
        text += std::string(idWidth - Id(set.id).size(), ' ') + Id(set.id) + "  " + set.time + "  " +
                std::string(5 - std::min<std::size_t>(5, files.size()), ' ') + files + "  " +
                PadRight(Undone(set), 10) + "  " + TerminalSafe(set.command) + "\n";
      }
      break;
    }
    case RatingsFormat::Csv:
      text = "id,time,command,files,undone,undone_by\n";
      for (const auto& set : sets) {
        text += Id(set.id) + "," + set.time + "," + CsvField(ValidUtf8(set.command)) + "," +
                IntToStr(static_cast<long long>(set.files)) + "," + (set.undone() ? "yes" : "no") + "," +
                (set.revertedBy ? Id(*set.revertedBy) : "") + "\n";
      }
      break;
    case RatingsFormat::Json:
      text = "[";
      for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto& set = sets[i];
        text += std::string(i ? ",\n  " : "\n  ") + "{\"id\": " + Id(set.id) +
                ", \"time\": " + JsonString(set.time) +
                ", \"command\": " + JsonString(ValidUtf8(set.command)) +
                ", \"files\": " + IntToStr(static_cast<long long>(set.files)) +
                ", \"undone\": " + (set.undone() ? "true" : "false") +
                ", \"undone_by\": " + (set.revertedBy ? Id(*set.revertedBy) : "null") + "}";
      }
      text += sets.empty() ? "]\n" : "\n]\n";
      break;
  }
  Print(stdout, text);
}

std::string Quoted(const std::string& text) { return "\"" + TerminalSafe(text) + "\""; }

// One side's six ratings; why it has none.
std::string RatingsSide(bool exists, const std::optional<Ratings>& ratings,
                        const std::optional<std::string>& failure) {
  if (!exists) return "no file";
  if (!ratings) return "does not load: " + TerminalSafe(failure.value_or(""));
  std::string text;
  for (std::size_t i = 0; i < 6; ++i)
    text += std::string(i ? ", " : "") + kRatingNames[i] + " " + IntToStr(ratings->InBarOrder()[i]) + "%";
  return text;
}

std::string RatingsLine(const recorded::FileView& file) {
  const roster::FileChanges& changes = file.changes;
  const bool before = file.status != recorded::FileStatus::Created;
  const bool after = file.status != recorded::FileStatus::Removed;
  if (!changes.ratingsBefore || !changes.ratingsAfter) {
    return RatingsSide(before, changes.ratingsBefore, changes.failureBefore) + " -> " +
           RatingsSide(after, changes.ratingsAfter, changes.failureAfter);
  }
  std::string text;
  for (std::size_t i = 0; i < 6; ++i) {
    text += std::string(i ? ", " : "") + kRatingNames[i] + " " +
            IntToStr(changes.ratingsBefore->InBarOrder()[i]) + "% -> " +
            IntToStr(changes.ratingsAfter->InBarOrder()[i]) + "%";
  }
  return text;
}

void PrintSet(const history::ChangeSet& set) {
  const history::ChangeSetSummary& summary = set.summary;
  std::string text = "change set " + Id(summary.id) + ": " + TerminalSafe(summary.command) + ", " +
                     summary.time + ", " + IntToStr(static_cast<long long>(summary.files)) +
                     (summary.files == 1 ? " file" : " files");
  if (summary.revertedBy) text += ", undone by " + Id(*summary.revertedBy);
  text += "\n";
  if (!summary.note.empty()) text += "note: " + TerminalSafe(summary.note) + "\n";
  for (const recorded::FileView& file : recorded::ViewChangeSet(set)) {
    text += TerminalSafe(Shown(file.path)) + ": " + recorded::FileStatusWords(file.status) + "\n";
    for (const roster::FieldChange& field : file.changes.fields)
      text += "  " + field.column + ": " + Quoted(field.before) + " -> " + Quoted(field.after) + "\n";
    if (file.status != recorded::FileStatus::Unchanged) text += "  ratings: " + RatingsLine(file) + "\n";
  }
  Print(stdout, text);
}

// The plan's problems on stderr, each under its file's name; true when none.
bool Checked(const char* command, const TakeBackPlan& plan) {
  if (plan.Refused()) {
    Report(stderr, command, plan.refusal);
    return false;
  }
  for (const roster::TableProblem& problem : plan.plan.Problems()) {
    const bool known = problem.row >= 1 && static_cast<std::size_t>(problem.row) <= plan.files.size();
    Report(stderr, known ? Shown(plan.files[problem.row - 1].path) : command,
           problem.column.empty() || problem.column == "file" ? problem.message
                                                              : problem.column + ": " + problem.message);
  }
  return plan.plan.Problems().empty();
}

}  // namespace

int RunHistory(const std::vector<std::string>& paths, RatingsFormat format) {
  recorded::WriterHistory kept = OpenForCommand("history", history::Maintenance::WhenDue);
  if (!kept.store()) return 1;
  std::vector<std::string> canonical;
  for (const std::string& path : paths.empty() ? std::vector<std::string>{"."} : paths) {
    const std::string resolved = recorded::CanonicalPath(path);
    if (resolved.empty()) {
      Report(stderr, path, "cannot be found");
      return 1;
    }
    canonical.push_back(resolved);
  }
  try {
    PrintList(kept.store()->History(canonical), format);
  } catch (const std::exception& failure) {
    Report(stderr, "history", failure.what());
    return 1;
  }
  return 0;
}

int RunShowChange(history::ChangeSetId id) {
  recorded::WriterHistory kept = OpenForCommand("history", history::Maintenance::Never);
  if (!kept.store()) return 1;
  try {
    const std::optional<history::ChangeSet> set = kept.store()->Get(id);
    if (!set) {
      Report(stderr, "history", "change set " + Id(id) + " is not in the history");
      return 1;
    }
    PrintSet(*set);
  } catch (const std::exception& failure) {
    Report(stderr, "history", failure.what());
    return 1;
  }
  return 0;
}

int RunPrune() {
  recorded::WriterHistory kept = OpenForCommand("history", history::Maintenance::Never);
  if (!kept.store()) return 1;
  try {
    const history::PruneReport pruned = kept.store()->Prune(
        std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now()));
    Print(stdout, "pruned " + IntToStr(static_cast<long long>(pruned.sets)) + " change sets and " +
                      IntToStr(static_cast<long long>(pruned.contents)) + " contents\n");
  } catch (const std::exception& failure) {
    Report(stderr, "history", failure.what());
    return 1;
  }
  return 0;
}

int RunTakeBack(const TakeBackRequest& request) {
  const char* command = request.kind == TakeBackKind::Undo   ? "undo"
                        : request.kind == TakeBackKind::Redo ? "redo"
                                                             : "restore";
  recorded::WriterHistory kept = OpenForCommand(command, history::Maintenance::Never);
  if (!kept.store()) return 1;
  const auto plan = [&] {
    switch (request.kind) {
      case TakeBackKind::Undo:
        return recorded::PlanUndo(*kept.store(), request.path);
      case TakeBackKind::Redo:
        return recorded::PlanRedo(*kept.store(), request.path);
      case TakeBackKind::Restore:
        break;
    }
    return recorded::PlanRestore(*kept.store(), request.path, request.id, request.point);
  };
  TakeBackPlan taking;
  try {
    taking = plan();
    // What an interrupted commit left there is put back first, and read anew.
    if (!taking.Refused() && Recover(taking.options, request.dryRun) && !request.dryRun) taking = plan();
  } catch (const std::exception& failure) {
    Report(stderr, command, failure.what());
    return 1;
  }
  if (!Checked(command, taking)) return 1;
  if (request.dryRun) {
    if (taking.set)
      Report(stderr, command,
             "change set " + Id(taking.set->id) + ", " + taking.set->command + ", " + taking.set->time);
    for (const TakenBackFile& file : taking.files) {
      if (file.changedOutside) Report(stdout, Shown(file.path), "changed outside, would be kept in history");
      Report(stdout, Shown(file.path), recorded::WouldOutcomeWords(file.outcome));
    }
    return 0;
  }
  recorded::TakeBackResult result;
  {
    const SignalsHeld held;
    try {
      result = recorded::CommitTakeBack(taking, kept);
    } catch (const std::exception& failure) {
      result.commit.failure = roster::FileFailure{{}, failure.what()};
    }
  }
  for (const TakenBackFile& file : taking.files) {
    if (file.keptAs)
      Report(stdout, Shown(file.path), "changed outside, kept in history as " + Id(*file.keptAs));
  }
  if (result.commit.failure) {
    const std::string& failed = result.commit.failure->file;
    Report(stderr, failed.empty() ? std::string(command) : Shown(failed), result.commit.failure->message);
    if (result.commit.intact) Report(stderr, command, "no file was changed");
    return 1;
  }
  for (const TakenBackFile& file : taking.files)
    Report(stdout, Shown(file.path), recorded::OutcomeWords(file.outcome));
  if (!result.problem.empty()) Report(stderr, command, result.problem);
  kept.MaintainWhenDue();
  return 0;
}

}  // namespace ostrak::fighter
