// duplicates and merge: one fighter in two files, found and made one.

#include <algorithm>

#include "core/IntToStr.h"
#include "roster/CsvTable.h"
#include "roster/Duplicates.h"
#include "roster/JsonTable.h"
#include "roster/Merge.h"
#include "roster/RosterSource.h"
#include "roster/Utf8Text.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Writing.h"

namespace ostrak::fighter {

namespace {

using roster::CsvField;
using roster::DuplicateGroup;
using roster::DuplicateLink;
using roster::DuplicateReason;
using roster::JsonString;
using roster::ValidUtf8;

std::string Reasons(const std::vector<const DuplicateLink*>& links) {
  std::string text;
  for (const DuplicateLink* link : links) text += (text.empty() ? "" : "; ") + link->Message();
  return text;
}

void PrintGroupsAsTable(const std::vector<DuplicateGroup>& groups, std::size_t fighters) {
  std::string text;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const DuplicateGroup& group = groups[g];
    std::vector<const DuplicateLink*> all;
    for (const DuplicateLink& link : group.links) all.push_back(&link);
    text += "group " + IntToStr(static_cast<long long>(g + 1)) + ": " + TerminalSafe(Reasons(all)) + "\n";
    const bool everyLinkHoldsAll =
        std::all_of(group.links.begin(), group.links.end(),
                    [&](const DuplicateLink& link) { return link.members.size() == group.files.size(); });
    for (std::size_t f = 0; f < group.files.size(); ++f) {
      text += "  " + TerminalSafe(group.files[f]);
      // Which reason holds which file, unless each holds them all.
      if (!everyLinkHoldsAll) text += ": " + TerminalSafe(Reasons(group.LinksOf(f)));
      text += "\n";
    }
  }
  if (groups.empty())
    text = "no duplicates among " + IntToStr(static_cast<long long>(fighters)) + " fighters\n";
  Print(stdout, text);
}

void PrintGroupsAsCsv(const std::vector<DuplicateGroup>& groups) {
  std::string text = "group,file,reason\n";
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (std::size_t f = 0; f < groups[g].files.size(); ++f) {
      text += IntToStr(static_cast<long long>(g + 1)) + "," + CsvField(ValidUtf8(groups[g].files[f])) + "," +
              CsvField(ValidUtf8(Reasons(groups[g].LinksOf(f)))) + "\n";
    }
  }
  Print(stdout, text);
}

std::string JsonNames(const std::vector<std::string>& names) {
  std::string text = "[";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + JsonString(ValidUtf8(names[i]));
  return text + "]";
}

void PrintGroupsAsJson(const std::vector<DuplicateGroup>& groups) {
  std::string text = "[";
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const DuplicateGroup& group = groups[g];
    text += g == 0 ? "\n  {" : ",\n  {";
    text += "\"group\": " + IntToStr(static_cast<long long>(g + 1)) +
            ", \"files\": " + JsonNames(group.files) + ", \"reasons\": [";
    for (std::size_t l = 0; l < group.links.size(); ++l) {
      const DuplicateLink& link = group.links[l];
      std::vector<std::string> members;
      for (const std::size_t m : link.members) members.push_back(group.files[m]);
      text += l ? ", {" : "{";
      if (link.reason == DuplicateReason::SherdogId) {
        text += "\"reason\": \"sherdog_id\", \"sherdog_id\": " + JsonString(ValidUtf8(link.sherdogId));
      } else {
        text += "\"reason\": \"full_name_and_date_of_birth\", \"full_name\": " +
                JsonString(ValidUtf8(link.fullName)) +
                ", \"date_of_birth\": " + JsonString(ValidUtf8(link.dateOfBirth));
      }
      text += ", \"files\": " + JsonNames(members) + "}";
    }
    text += "]}";
  }
  text += groups.empty() ? "]\n" : "\n]\n";
  Print(stdout, text);
}

std::string Quoted(const std::string& text) { return "\"" + TerminalSafe(text) + "\""; }

// What a merge would take from each side, for --dry-run.
void PrintChoices(const roster::MergeView& view, const std::vector<std::string>& fromOther) {
  std::string text;
  for (const roster::MergeField& field : view.fields) {
    if (!field.differs) continue;
    const bool taken = std::find(fromOther.begin(), fromOther.end(), field.column) != fromOther.end();
    text += "  " + field.column + ": " +
            (taken ? Quoted(field.keep) + " -> " + Quoted(field.other) + " (from other)"
                   : Quoted(field.keep) + " (kept; other: " + Quoted(field.other) + ")") +
            "\n";
  }
  Print(stdout, text);
}

}  // namespace

int RunDuplicates(const std::vector<std::string>& paths, RatingsFormat format) {
  int status = 0;
  std::size_t fighters = 0;
  std::vector<roster::DuplicateCandidate> candidates;
  std::vector<roster::TableProblem> problems;
  // Only the lines that tell fighters apart are kept of each file.
  roster::ForEachFighterFile(
      paths,
      [&](roster::RosterFighter&& fighter) {
        ++fighters;
        if (fighter.failure) {
          Report(stderr, fighter.name, *fighter.failure);
          status = 1;
          return;
        }
        candidates.push_back(
            {std::move(fighter.name), fighter.identity, roster::IdentityOfBytes(fighter.bytes)});
      },
      problems);
  for (const roster::TableProblem& problem : problems) {
    Print(stderr, "ostrak-fighter: " + TerminalSafe(problem.message) + "\n");
    status = 1;
  }
  const std::vector<DuplicateGroup> groups = roster::FindDuplicates(candidates);
  switch (format) {
    case RatingsFormat::Table:
      PrintGroupsAsTable(groups, fighters);
      break;
    case RatingsFormat::Csv:
      PrintGroupsAsCsv(groups);
      break;
    case RatingsFormat::Json:
      PrintGroupsAsJson(groups);
      break;
  }
  return groups.empty() ? status : 1;
}

int RunMerge(const std::string& keep, const std::string& other, const std::vector<std::string>& fromOther,
             ImportMode mode, history::HistoryUse use) {
  Recover(roster::MergeOptions(keep), mode == ImportMode::DryRun);
  roster::MergePlan merge = roster::PlanMerge(keep, other, fromOther);
  if (merge.refusal) {
    Report(stderr, merge.refusal->file.empty() ? keep : merge.refusal->file, merge.refusal->message);
    return 1;
  }
  const roster::PlannedFiles& files = merge.plan.Files();
  const std::string* names[] = {&keep, &other};
  bool refused = false;
  for (const roster::TableProblem& problem : merge.plan.Problems()) {
    const bool known = problem.row >= 1 && problem.row <= 2;
    Report(stderr, known ? *names[problem.row - 1] : keep, problem.message);
    refused = true;
  }
  if (refused) return 1;
  const bool keepChanges = files.front().action != roster::Action::Unchanged;
  if (mode == ImportMode::DryRun) {
    Report(stdout, keep, keepChanges ? "would replace" : "unchanged");
    PrintChoices(roster::ViewMerge(keep, other), fromOther);
    Report(stdout, other, "would remove");
    return 0;
  }
  const roster::CommitResult result = CommitRecorded(merge.plan, merge.label, keep, use);
  if (result.failure) {
    Report(stderr, result.failure->file.empty() ? keep : result.failure->file, result.failure->message);
    if (result.intact) Report(stderr, keep, "nothing was changed");
    return 1;
  }
  Report(stdout, keep, keepChanges ? "written" : "unchanged");
  Report(stdout, other, "removed");
  return 0;
}

}  // namespace ostrak::fighter
