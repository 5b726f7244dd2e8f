// The roster engine as a window drives it: what check, export, import and
// set report before anything is printed, and what a commit tells as it goes.

#include "roster/Roster.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "RosterTables.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::Action;

TEST(CheckFighterFile, SaysWhatCheckSaysWithTheRatingsOfWhatLoads) {
  TempDirectory dir;
  const struct {
    std::string file;
    std::string bytes;
    roster::Verdict verdict;
    std::string message;
    int lines;
  } rows[] = {
      {"a.txt", Join(Sample()), roster::Verdict::Loads, "ok", 28},
      {"short.txt", Join(Cut(Sample(), 27)), roster::Verdict::Loads, "ok", 28},
      {"bad.txt", Join(With(Sample(), 5, "abc")), roster::Verdict::Fails,
       "'abc' is not a valid integer value", 28},
      {"missing.txt", "", roster::Verdict::Fails,
       "Cannot open file \"" + dir.path() + "missing.txt\". No such file or directory", 0},
  };
  for (const auto& row : rows) {
    if (row.file != "missing.txt") WriteBytes(dir / row.file, row.bytes);
    const roster::FighterCheck check = roster::CheckFighterFile(dir / row.file);
    EXPECT_EQ(check.verdict, row.verdict) << row.file;
    EXPECT_EQ(check.Message(), row.message) << row.file;
    EXPECT_EQ(check.lines.Count(), row.lines) << row.file;
    EXPECT_EQ(check.ratings.has_value(), row.verdict != roster::Verdict::Fails) << row.file;
  }
  EXPECT_EQ(roster::CheckFighterFile(dir / "a.txt").ratings->InBarOrder(),
            (std::array<int, 6>{28, 47, 67, 65, 87, 58}));
}

TEST(ExportFiles, StreamsPiecesAndNamesEachFileLeftOutWhenItIsMet) {
  TempDirectory dir;
  std::vector<std::string> files;
  for (int i = 0; i < 500; ++i) files.push_back(dir.File("f" + std::to_string(i) + ".txt", Join(Sample())));
  files.insert(files.begin() + 1, dir.File("bad.txt", Join(With(Sample(), 5, "abc"))));
  std::vector<std::pair<char, std::string>> events;  // 'w' with a piece's bytes, 'l' with the file left out
  const std::size_t leftOut = roster::ExportFiles(
      files, {},
      {[&](std::string_view bytes) { events.emplace_back('w', bytes); },
       [&](const roster::FileFailure& failure) { events.emplace_back('l', failure.file); }});
  EXPECT_EQ(leftOut, 1u);
  ASSERT_EQ(events.size(), 3u);  // 500 rows of about 150 bytes: one full piece, then the rest
  EXPECT_EQ(events[0], std::pair('l', dir / "bad.txt"));
  EXPECT_GE(events[1].second.size(), 65536u);
  EXPECT_EQ(events[1].first, 'w');
  EXPECT_EQ(events[1].second + events[2].second,
            roster::ExportFiles(files, {roster::TableFormat::Csv}).bytes);
}

TEST(PlanImport, SaysWhatHappensToEachFileAndWritesOnlyOnCommit) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "base");
  WriteBytes(dir / "base/same.txt", Join(Sample()));
  WriteBytes(dir / "base/other.txt", Join(With(Sample(), 0, "3")));
  WriteBytes(dir / "t.csv", kHeader + Row("same.txt") + Row("other.txt") + Row("sub/new.txt", "4"));
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir / "base"});
  EXPECT_TRUE(plan.Problems().empty());
  std::vector<std::pair<std::string, Action>> actions;
  for (const roster::PlannedFile& file : plan.Files()) actions.emplace_back(file.file, file.action);
  EXPECT_EQ(actions, (std::vector<std::pair<std::string, Action>>{{"same.txt", Action::Unchanged},
                                                                  {"other.txt", Action::Replace},
                                                                  {"sub/new.txt", Action::Create}}));
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "base"), (std::vector<std::string>{"other.txt", "same.txt"}));

  std::vector<std::pair<std::size_t, std::size_t>> progress;
  const roster::CommitResult result =
      roster::Commit(plan, [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); });
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.written, 2u);
  EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 2}, {1, 2}, {2, 2}}));
  EXPECT_EQ(ReadBytes(dir / "base/other.txt"), Join(Sample()));
  EXPECT_EQ(ReadBytes(dir / "base/sub/new.txt"), Join(With(Sample(), 0, "4")));
  EXPECT_EQ(roster::Commit(plan).failure->message, "the plan has been committed already");
}

TEST(PlanImport, ReportsEveryProblemByRowAndColumnAndCommitsNothing) {
  TempDirectory dir;
  WriteBytes(dir / "t.csv", kHeader + Row("a.txt", "x") + Row("b.txt") + Row("b.txt"));
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  std::vector<std::tuple<int, std::string, std::string>> problems;
  for (const auto& problem : plan.Problems())
    problems.emplace_back(problem.row, problem.column, problem.message);
  EXPECT_EQ(problems, (std::vector<std::tuple<int, std::string, std::string>>{
                          {1, "punches", "'x' is not a valid integer value"},
                          {3, "file", "names the same file as row 2"}}));
  EXPECT_EQ(plan.Files()[0].action, Action::Refused);
  EXPECT_EQ(roster::Commit(plan).failure->message, "the plan has problems: nothing is written");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t.csv"});

  EXPECT_EQ(roster::PlanImport(dir / "none.csv", {}).Problems().at(0).message,
            "Cannot open file \"" + dir.path() + "none.csv\". No such file or directory");
}

TEST(Commit, WritesNothingWhenAFileFailsAndSaysWhichItIs) {
  TempDirectory dir;
  WriteBytes(dir / "t.csv", kHeader + Row("a.txt") + Row("sub/b.txt") + Row("c.txt"));
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  WriteBytes(dir / "sub", "");  // the folder b.txt needs is taken after the plan was made
  const roster::CommitResult result = roster::Commit(plan);
  EXPECT_EQ(result.written, 0u);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->file, "sub/b.txt");
  EXPECT_EQ(result.failure->message, "Cannot create file \"" + dir.path() + "sub/b.txt\". Not a directory");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"sub", "t.csv"}));
}

TEST(PlanSet, ChecksTheChangedCellsAsImportDoes) {
  TempDirectory dir;
  const struct {
    std::vector<roster::Assignment> assignments;
    Action action;
    std::string problem;  // "COLUMN: MESSAGE"
  } rows[] = {
      {{{"punches", "12"}}, Action::Unchanged, ""},
      {{{"punches", "15"}, {"game_plan", "GnP"}}, Action::Replace, ""},
      {{{"kicks", "abc"}}, Action::Refused, "kicks: 'abc' is not a valid integer value"},
      {{{"file", "x.txt"}}, Action::Refused, "file: unknown column"},
  };
  for (const auto& row : rows) {
    WriteBytes(dir / "f.txt", Join(Sample()));
    roster::RosterPlan plan = roster::PlanSet("f.txt", row.assignments, {dir.path()});
    std::string problems;
    for (const auto& problem : plan.Problems()) problems += problem.column + ": " + problem.message;
    EXPECT_EQ(problems, row.problem);
    ASSERT_EQ(plan.Files().size(), 1u);
    EXPECT_EQ(plan.Files()[0].action, row.action);
    EXPECT_EQ(plan.ChangeCount(), row.action == Action::Replace ? 1u : 0u);
  }
  roster::RosterPlan plan = roster::PlanSet("f.txt", rows[1].assignments, {dir.path()});
  EXPECT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(dir / "f.txt"), Join(With(With(Sample(), 0, "15"), 19, "3")));
}

}  // namespace
}  // namespace ostrak::test
