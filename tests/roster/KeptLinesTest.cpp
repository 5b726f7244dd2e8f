// What a change keeps of the file it changes: a column left out keeps the
// file's own lines, bytes the line list cannot carry stop the change, and a
// changed cell must be what the editor itself would keep.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/ChangeRules.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

std::string Set(const TempDirectory& dir, const std::vector<roster::Assignment>& assignments) {
  roster::RosterPlan plan = roster::PlanSet("f.txt", assignments, {dir.path(), true});
  if (!plan.Problems().empty()) return Problems(plan);
  return roster::Commit(plan).ok() ? "written" : "failed";
}

TEST(KeptLines, AColumnLeftOutKeepsTheFilesOwnLines) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(With(Sample(), 21, "1.80 m")) + "kept 28\r\nkept 29\r\n");
  const std::string noExtra = kHeader.substr(0, kHeader.rfind(",extra")) + "\r\n";
  const std::string row = Row("a.txt", "3");
  WriteBytes(dir / "t.csv", noExtra + row.substr(0, row.rfind(",")) + "\r\n");
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  ASSERT_TRUE(roster::Commit(plan).ok()) << Problems(plan);
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(With(Sample(), 0, "3")) + "kept 28\r\nkept 29\r\n");

  // Only two columns: the file that exists keeps the rest, the new one has nothing to keep.
  WriteBytes(dir / "t.csv", "file,height\r\na.txt,1.81 m\r\nnew.txt,1.70 m\r\n");
  plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  EXPECT_EQ(Problems(plan).substr(0, 58), "2: punches: missing column\n2: kicks: missing column\n2: str");
  EXPECT_EQ(plan.BytesOf(plan.Files()[0]),
            Join(With(With(Sample(), 0, "3"), 21, "1.81 m")) + "kept 28\r\nkept 29\r\n");

  // A short file that loads has the editor's empty last line to keep.
  WriteBytes(dir / "a.txt", Join(Cut(Sample(), 27)));
  WriteBytes(dir / "t.csv", "file,punches\r\na.txt,4\r\n");
  plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  EXPECT_EQ(Problems(plan), "");
  EXPECT_EQ(plan.BytesOf(plan.Files()[0]), Join(With(With(Sample(), 0, "4"), 27, "")));
}

TEST(KeptLines, BytesTheLineListCannotCarryStopTheChange) {
  TempDirectory dir;
  const std::string nul = Join(Cut(Sample(), 27)) + "1" + std::string(1, '\0') + "x\r\nmore\r\n";
  const std::string cr = Join(Sample(), "\n") + "a\rb\n";
  const struct {
    std::string file;
    std::string problem;  // empty: written
  } rows[] = {
      {nul,
       "0: holds a NUL byte (byte 130), where the editor stops reading: what follows it would be lost\n"},
      {cr, "0: holds a CR inside line 28, which the editor would split in two\n"},
      {Join(Sample(), "\r"), ""},  // CR alone ends every line: nothing is lost
  };
  for (const auto& row : rows) {
    WriteBytes(dir / "f.txt", row.file);
    EXPECT_EQ(Set(dir, {{"punches", "15"}}), row.problem.empty() ? "written" : row.problem);
    if (!row.problem.empty()) {
      EXPECT_EQ(ReadBytes(dir / "f.txt"), row.file);
    }
  }
  // A table that gives every column, extra included, keeps nothing of the old
  // file; the file's own row read back (as exported) changes nothing.
  WriteBytes(dir / "f.txt", nul);
  WriteBytes(dir / "t.csv", kHeader + Row("f.txt", "3"));
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  EXPECT_TRUE(roster::Commit(plan).ok()) << Problems(plan);
  EXPECT_EQ(ReadBytes(dir / "f.txt"), Join(With(Sample(), 0, "3")));
  WriteBytes(dir / "f.txt", nul);
  WriteBytes(dir / "t.csv", roster::ExportFiles({dir / "f.txt"}, {}).bytes);
  EXPECT_EQ(roster::PlanImport(dir / "t.csv", {dir.path()}).Files().at(0).action, roster::Action::Unchanged);
}

TEST(KeptLines, AChangedCellMustBeWhatTheEditorKeepsAndAnUnchangedOnePasses) {
  TempDirectory dir;
  const struct {
    roster::Assignment change;
    std::string problem;
  } rows[] = {
      {{"punches", "0"}, "punches: '0' is outside 1..20: the editor would make it 1"},
      {{"ground_game", "$15"}, "ground_game: '$15' is outside 1..20: the editor would make it 20"},
      {{"full_name", ""}, "full_name: is empty: the editor saves no fighter without it"},
      {{"sherdog_id", ""}, "sherdog_id: is empty: the editor saves no fighter without it"},
      {{"game_plan", "4"}, "game_plan: '4' selects no game plan: the editor saves no fighter without one"},
      {{"weight_class", "-2"},
       "weight_class: '-2' selects no weight class: the editor saves no fighter without one"},
      {{"kicks", "25"}, ""},  // as the file holds it
      {{"height", ""}, ""},
  };
  for (const auto& row : rows) {
    WriteBytes(dir / "f.txt", Join(With(Sample(), 1, "25")));
    EXPECT_EQ(Set(dir, {row.change}), row.problem.empty() ? "written" : "0: " + row.problem + "\n");
  }
  // A file that does not exist yet is written exactly as its row gives it.
  WriteBytes(dir / "t.csv", kHeader + Row("new.txt", "25"));
  roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  EXPECT_TRUE(roster::Commit(plan).ok()) << Problems(plan);
  EXPECT_EQ(ReadBytes(dir / "new.txt"), Join(With(Sample(), 0, "25")));
}

TEST(KeptLines, ARowNoCellChangesLeavesTheFileUntouchedWhateverItsLineEnds) {
  const std::string exported;  // the file's own row, as export writes it
  const std::string lf = Join(Sample(), "\n");
  const struct {
    const char* name;
    std::string file;
    std::string row;  // empty: exported
    roster::Action action;
    std::string written = {};
  } rows[] = {
      {"lf line ends", lf, exported, roster::Action::Unchanged},
      {"cr line ends", Join(Sample(), "\r"), exported, roster::Action::Unchanged},
      {"27 lines, completed as the editor loads them", Join(Cut(Sample(), 27)), exported,
       roster::Action::Unchanged},
      {"a line after line 27", lf + "kept\n", exported, roster::Action::Unchanged},
      {"' 12' given as the number it holds", Join(With(Sample(), 0, " 12"), "\n"), Row("f.txt", "12"),
       roster::Action::Unchanged},
      {"'$0C' given as the number it holds", Join(With(Sample(), 0, "$0C")), Row("f.txt", "+12"),
       roster::Action::Unchanged},
      {"a game plan's code given as its item", Join(With(Sample(), 19, "02")),
       Row("f.txt").replace(Row("f.txt").find(",2,0,"), 5, ",KO,lightweight,"), roster::Action::Unchanged},
      {"one changed cell: the others keep the file's own text", Join(With(Sample(), 1, "09"), "\n"),
       Row("f.txt", "13"), roster::Action::Replace, Join(With(With(Sample(), 1, "09"), 0, "13"))},
      {"25 given as the 20 the editor shows: a change", Join(With(Sample(), 0, "25")), Row("f.txt", "20"),
       roster::Action::Replace, Join(With(Sample(), 0, "20"))},
  };
  for (const auto& row : rows) {
    TempDirectory dir;
    WriteBytes(dir / "f.txt", row.file);
    struct stat before {};
    ::stat((dir / "f.txt").c_str(), &before);
    WriteBytes(dir / "t.csv", row.row.empty() ? roster::ExportFiles({"f.txt"}, {.base = dir.path()}).bytes
                                              : kHeader + row.row);
    roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
    ASSERT_EQ(Problems(plan), "") << row.name;
    EXPECT_EQ(plan.Files().at(0).action, row.action) << row.name;
    ASSERT_TRUE(roster::Commit(plan).ok()) << row.name;
    struct stat after {};
    ::stat((dir / "f.txt").c_str(), &after);
    if (row.action == roster::Action::Unchanged) {
      EXPECT_EQ(ReadBytes(dir / "f.txt"), row.file) << row.name;
      EXPECT_EQ(after.st_ino, before.st_ino) << row.name;
      EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << row.name;
    } else {
      EXPECT_EQ(ReadBytes(dir / "f.txt"), row.written) << row.name;
    }
  }
}

TEST(KeptLines, AnItemTextThatFitsSeveralItemsNamesEachOfThem) {
  const std::vector<std::string_view> items = {"Open: 1", "open: 2", "Max Max"};
  EXPECT_EQ(roster::ItemsNamed(items, " OPEN "), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(roster::ItemsNamed(items, "max"), (std::vector<std::size_t>{2}));
  EXPECT_EQ(roster::ItemsNamed(items, "Open: 3"), (std::vector<std::size_t>{}));
}

}  // namespace
}  // namespace ostrak::test
