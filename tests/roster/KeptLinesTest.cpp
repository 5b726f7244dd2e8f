// What a change keeps of the file it changes: a column left out keeps the
// file's own lines, bytes the line list cannot carry stop the change, and a
// changed cell must be what the editor itself would keep.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RosterTables.h"
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
  EXPECT_EQ(plan.Files()[0].bytes,
            Join(With(With(Sample(), 0, "3"), 21, "1.81 m")) + "kept 28\r\nkept 29\r\n");

  // A short file that loads has the editor's empty last line to keep.
  WriteBytes(dir / "a.txt", Join(Cut(Sample(), 27)));
  WriteBytes(dir / "t.csv", "file,punches\r\na.txt,4\r\n");
  plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  EXPECT_EQ(Problems(plan), "");
  EXPECT_EQ(plan.Files()[0].bytes, Join(With(With(Sample(), 0, "4"), 27, "")));
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

}  // namespace
}  // namespace ostrak::test
