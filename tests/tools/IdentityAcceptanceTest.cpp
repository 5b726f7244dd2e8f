// ostrak-fighter duplicates, merge, diff and import --match checked from the
// outside: exact output in each format and the exit status scripts rely on.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FighterLines.h"
#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

Lines Fighter(const std::string& id, const std::string& name = "Jos\xE9 Mu\xF1oz") {
  return With(With(Sample(), 26, id), 17, name);
}

// Two files of one fighter (one ID, the name in other case), one of another.
struct Roster {
  Roster() {
    std::filesystem::create_directories(dir / "Fighters/old");
    WriteBytes(dir / "Fighters/jose.txt", Join(Fighter("12345")));
    WriteBytes(dir / "Fighters/old/JOSE.txt", Join(With(Fighter("12345", "JOSE MUNOZ"), 21, "181 cm")));
    WriteBytes(dir / "Fighters/ana.txt", Join(Fighter("777", "Ana")));
  }
  TempDirectory dir;
};

TEST(DuplicatesAcceptance, NamesEachGroupInEveryFormatAndExitsWithOne) {
  Roster roster;
  const struct {
    const char* format;
    std::string out;
  } rows[] = {
      {"table",
       "group 1: same Sherdog ID \"12345\"; same full name \"Jos\xC3\xA9 Mu\xC3\xB1oz\" and date of birth "
       "\"01/02/1990\"\n"
       "  Fighters/jose.txt\n"
       "  Fighters/old/JOSE.txt\n"},
      {"csv",
       "group,file,reason\n"
       "1,Fighters/jose.txt,\"same Sherdog ID \"\"12345\"\"; same full name \"\"Jos\xC3\xA9 Mu\xC3\xB1oz\"\" "
       "and date "
       "of birth \"\"01/02/1990\"\"\"\n"
       "1,Fighters/old/JOSE.txt,\"same Sherdog ID \"\"12345\"\"; same full name \"\"Jos\xC3\xA9 "
       "Mu\xC3\xB1oz\"\" and "
       "date of birth \"\"01/02/1990\"\"\"\n"},
      {"json",
       "[\n  {\"group\": 1, \"files\": [\"Fighters/jose.txt\", \"Fighters/old/JOSE.txt\"], \"reasons\": "
       "[{\"reason\": "
       "\"sherdog_id\", \"sherdog_id\": \"12345\", \"files\": [\"Fighters/jose.txt\", "
       "\"Fighters/old/JOSE.txt\"]}, "
       "{\"reason\": \"full_name_and_date_of_birth\", \"full_name\": \"Jos\xC3\xA9 Mu\xC3\xB1oz\", "
       "\"date_of_birth\": "
       "\"01/02/1990\", \"files\": [\"Fighters/jose.txt\", \"Fighters/old/JOSE.txt\"]}]}\n]\n"},
  };
  for (const auto& row : rows) {
    const ToolResult r = RunTool(roster.dir, {"duplicates", "--format", row.format, "Fighters"});
    EXPECT_EQ(r.status, 1) << row.format;
    EXPECT_EQ(r.out, row.out) << row.format;
    EXPECT_EQ(r.err, "") << row.format;
  }
  const ToolResult none = RunTool(roster.dir, {"duplicates", "Fighters/ana.txt", "Fighters/jose.txt"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "no duplicates among 2 fighters\n");
}

TEST(MergeAcceptance, WritesKeepRemovesOtherAndRefusesAFileWithItself) {
  Roster roster;
  const ToolResult dry = RunTool(
      roster.dir, {"merge", "--dry-run", "Fighters/jose.txt", "Fighters/old/JOSE.txt", "height=from-other"});
  EXPECT_EQ(dry.status, 0);
  EXPECT_EQ(dry.out,
            "Fighters/jose.txt: would replace\n"
            "  full_name: \"Jos\xC3\xA9 Mu\xC3\xB1oz\" (kept; other: \"JOSE MUNOZ\")\n"
            "  height: \"180 cm\" -> \"181 cm\" (from other)\n"
            "Fighters/old/JOSE.txt: would remove\n");
  const ToolResult merged =
      RunTool(roster.dir, {"merge", "Fighters/jose.txt", "Fighters/old/JOSE.txt", "height=from-other"});
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(merged.out, "Fighters/jose.txt: written\nFighters/old/JOSE.txt: removed\n");
  EXPECT_EQ(ReadBytes(roster.dir / "Fighters/jose.txt"), Join(With(Fighter("12345"), 21, "181 cm")));
  EXPECT_FALSE(std::filesystem::exists(roster.dir / "Fighters/old/JOSE.txt"));

  const ToolResult itself =
      RunTool(roster.dir, {"merge", "Fighters/ana.txt", "Fighters/../Fighters/ana.txt"});
  EXPECT_EQ(itself.status, 1);
  EXPECT_EQ(
      itself.err,
      "Fighters/../Fighters/ana.txt: is the same file as Fighters/ana.txt: there is nothing to merge\n");
  const ToolResult usage = RunTool(roster.dir, {"merge", "Fighters/ana.txt", "Fighters/jose.txt", "height"});
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.err,
            "ostrak-fighter: merge: 'height' is not COLUMN=from-other\nTry 'ostrak-fighter --help'.\n");
}

TEST(DiffAcceptance, SaysWhatChangedAndExitsWithZeroOneOrTwo) {
  Roster roster;
  std::filesystem::copy(roster.dir / "Fighters", roster.dir / "Copy",
                        std::filesystem::copy_options::recursive);
  EXPECT_EQ(RunTool(roster.dir, {"diff", "Fighters", "Copy"}).out,
            "0 added, 0 removed, 0 changed, 0 renamed, 3 unchanged\n");
  EXPECT_EQ(RunTool(roster.dir, {"diff", "Fighters", "Copy"}).status, 0);

  WriteBytes(roster.dir / "Copy/ana.txt", Join(With(Fighter("777", "Ana"), 0, "20")));
  std::filesystem::rename(roster.dir / "Copy/jose.txt", roster.dir / "Copy/jose-munoz.txt");
  const ToolResult byId = RunTool(roster.dir, {"diff", "--match", "sherdog_id", "Fighters", "Copy"});
  EXPECT_EQ(byId.status, 1);
  EXPECT_EQ(
      byId.out,
      "changed ana.txt\n"
      "  punches: \"12\" -> \"20\"\n"
      "  ratings: ground 28% -> 28%, striking 47% -> 60%, defense 67% -> 67%, fitness 65% -> 65%, "
      "mental 87% -> 87%, overall 58% -> 61%\n"
      "not compared: Sherdog ID \"12345\" is held by jose.txt, old/JOSE.txt in the first and jose-munoz.txt, "
      "old/JOSE.txt in the second\n"
      "0 added, 0 removed, 1 changed, 0 renamed, 0 unchanged\n");

  // A table beside the folder it was exported from pairs by the path under it.
  const ToolResult exported =
      RunTool(roster.dir, {"export", "Fighters/ana.txt", "Fighters/jose.txt", "Fighters/old/JOSE.txt"});
  WriteBytes(roster.dir / "before.csv", exported.out);
  WriteBytes(roster.dir / "Fighters/ana.txt", Join(With(Fighter("777", "Ana"), 1, "1")));
  const ToolResult csv = RunTool(roster.dir, {"diff", "--format", "csv", "before.csv", "Fighters"});
  EXPECT_EQ(csv.status, 1);
  EXPECT_EQ(csv.out,
            "status,file,renamed_to,column,before,after\n"
            "changed,ana.txt,,kicks,9,1\n"
            "changed,ana.txt,,ground,28,28\n"
            "changed,ana.txt,,striking,47,33\n"
            "changed,ana.txt,,defense,67,67\n"
            "changed,ana.txt,,fitness,65,65\n"
            "changed,ana.txt,,mental,87,87\n"
            "changed,ana.txt,,overall,58,56\n");
  const ToolResult unreadable = RunTool(roster.dir, {"diff", "missing.csv", "Fighters"});
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_EQ(unreadable.err, "missing.csv: Cannot open file \"" + roster.dir / "missing.csv" +
                                "\". No such file or directory\n");
}

TEST(ImportAcceptance, MatchedBySherdogIdSaysWhichFileEachRowTakesAndWhy) {
  Roster roster;
  const ToolResult exported = RunTool(roster.dir, {"export", "Fighters/ana.txt"});
  std::string table = exported.out;
  table.replace(table.find("Fighters/ana.txt"), 16, "Fighters/renamed.txt");
  WriteBytes(roster.dir / "roster.csv", table);
  const ToolResult plan = RunTool(roster.dir, {"import", "--dry-run", "--match", "sherdog_id", "roster.csv"});
  EXPECT_EQ(plan.status, 0) << plan.err;
  EXPECT_EQ(plan.out,
            "Fighters/ana.txt: unchanged (holds Sherdog ID 777; the row names Fighters/renamed.txt)\n");
  const ToolResult twice =
      RunTool(roster.dir, {"import", "--into", "Fighters", "--match", "sherdog_id", "roster.csv"});
  EXPECT_EQ(twice.status, 0) << twice.err;
  const ToolResult wrong = RunTool(roster.dir, {"import", "--match", "id", "roster.csv"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(
      wrong.err,
      "ostrak-fighter: unknown match 'id' (expected file or sherdog_id)\nTry 'ostrak-fighter --help'.\n");
}

}  // namespace
}  // namespace ostrak::test
