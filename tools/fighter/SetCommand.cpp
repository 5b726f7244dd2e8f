// set: one change of many fighter files, previewed or written all at once.

#include <algorithm>
#include <unordered_set>

#include "core/IntToStr.h"
#include "tools/fighter/ChangeLines.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Writing.h"

namespace ostrak::fighter {

namespace {

using roster::Action;

// The folder every name lies in, ending in '/', or empty: the commit's base,
// which keeps its note of what is in flight beside the files.
std::string CommonFolder(const std::vector<std::string>& files) {
  std::string common;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::size_t slash = files[i].rfind('/');
    const std::string_view folder =
        slash == std::string::npos ? std::string_view() : std::string_view(files[i]).substr(0, slash + 1);
    if (i == 0) {
      common = folder;
      continue;
    }
    const auto [mine, theirs] = std::mismatch(common.begin(), common.end(), folder.begin(), folder.end());
    common.erase(mine, common.end());
    common.erase(common.begin() + static_cast<std::ptrdiff_t>(common.rfind('/') + 1), common.end());
  }
  return common;
}

// "Set weight_class for 20 fighters", as the history names the change set.
std::string Words(const std::vector<roster::SetExpression>& expressions, std::size_t changed) {
  std::string columns;
  for (const roster::SetExpression& expression : expressions) {
    if (!columns.empty()) columns += ", ";
    columns += expression.column;
  }
  return "Set " + columns + " for " + IntToStr(static_cast<long long>(changed)) +
         (changed == 1 ? " fighter" : " fighters");
}

}  // namespace

int RunSet(const std::vector<std::string>& named, const std::vector<roster::SetExpression>& expressions,
           ImportMode mode, history::HistoryUse use) {
  // A file named twice (a folder and a file in it) is changed once.
  std::vector<std::string> files;
  std::unordered_set<std::string> seen;
  for (const std::string& file : named) {
    if (seen.insert(file).second) files.push_back(file);
  }
  if (files.empty()) {
    Report(stderr, "set", "no fighter file to change");
    return 1;
  }
  // The files are the user's own choice: taken wherever they lie, the folder
  // they share keeping what a commit has in flight.
  const std::string base = CommonFolder(files);
  const roster::RosterOptions options{base, true};
  std::vector<std::string> names;
  names.reserve(files.size());
  for (const std::string& file : files) {
    // "F//a.txt" under "F/" is "a.txt", not the root's "/a.txt".
    std::string name = file.substr(base.size());
    if (!base.empty()) name.erase(0, name.find_first_not_of('/'));
    names.push_back(std::move(name));
  }
  Recover(options, mode == ImportMode::DryRun);

  roster::RosterPlan plan = roster::PlanSet(names, expressions, options);
  for (const roster::TableProblem& problem : plan.Problems()) {
    const std::string& where = problem.row >= 1 && static_cast<std::size_t>(problem.row) <= files.size()
                                   ? files[problem.row - 1]
                                   : "set";
    // The plan names the other file as it was given it: under the base.
    constexpr std::string_view kSame = "is the same file as ";
    std::string message = problem.message;
    if (message.starts_with(kSame) && !message.substr(kSame.size()).starts_with('/')) {
      message.insert(kSame.size(), base);
    }
    Report(stderr, where, problem.column.empty() ? message : problem.column + ": " + message);
  }
  if (!plan.Problems().empty()) return 1;

  const roster::PlannedFiles& planned = plan.Files();
  if (mode == ImportMode::DryRun) {
    for (std::size_t i = 0; i < planned.size(); ++i) {
      Report(stdout, files[i], WouldDo(plan, planned[i]));
    }
    return 0;
  }
  if (plan.ChangeCount() > 0) {
    const roster::CommitResult result = CommitRecorded(plan, Words(expressions, plan.ChangeCount()),
                                                       files.size() == 1 ? files.front() : "set", use);
    if (result.failure) {
      const std::string& failed = result.failure->file;
      Report(stderr,
             failed.empty()            ? "set"
             : failed.starts_with('/') ? failed
                                       : base + failed,
             result.failure->message);
      if (result.intact && files.size() > 1) Report(stderr, "set", "no file was changed");
      return 1;
    }
  }
  for (std::size_t i = 0; i < planned.size(); ++i) {
    Report(stdout, files[i], planned[i].action == Action::Unchanged ? "unchanged" : "written");
  }
  return 0;
}

}  // namespace ostrak::fighter
