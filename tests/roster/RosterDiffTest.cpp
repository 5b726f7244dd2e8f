// Two rosters compared, each a folder or a table in any dialect an import
// reads, with fighters paired by file and by Sherdog ID.

#include "roster/RosterDiff.h"

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::MatchBy;

const char* StatusName(roster::DiffStatus status) {
  constexpr const char* kNames[] = {"added", "removed", "changed", "renamed"};
  return kNames[static_cast<int>(status)];
}

// One line per fighter: "STATUS BEFORE>AFTER COLUMN:OLD>NEW... [overall OLD>NEW]".
std::string Described(const roster::RosterDiff& diff) {
  std::string text;
  for (const roster::FighterDiff& fighter : diff.fighters) {
    text += std::string(StatusName(fighter.status)) + " " + fighter.before + ">" + fighter.after;
    for (const roster::FieldChange& field : fighter.fields)
      text += " " + field.column + ":" + field.before + ">" + field.after;
    if (fighter.ratingsBefore && fighter.ratingsAfter) {
      text += " [overall " + std::to_string(fighter.ratingsBefore->overall) + ">" +
              std::to_string(fighter.ratingsAfter->overall) + "]";
    }
    text += "\n";
  }
  for (const roster::IdHeldTwice& twice : diff.heldTwice) {
    text += "held " + twice.sherdogId + ":";
    for (const std::string& name : twice.before) text += " " + name;
    text += " /";
    for (const std::string& name : twice.after) text += " " + name;
    text += "\n";
  }
  return text + std::to_string(diff.unchanged) + " unchanged\n";
}

Lines WithId(const std::string& id) { return With(Sample(), 26, id); }

// before/: a, b and c; after/: a with a punch more, b renamed b2, c gone, d new.
struct TwoRosters {
  TwoRosters() {
    std::filesystem::create_directories(dir / "before");
    std::filesystem::create_directories(dir / "after/sub");
    WriteBytes(dir / "before/a.txt", Join(WithId("1")));
    WriteBytes(dir / "before/b.txt", Join(WithId("2")));
    WriteBytes(dir / "before/c.txt", Join(WithId("3")));
    WriteBytes(dir / "after/a.txt", Join(With(WithId("1"), 0, "13"), "\n"));
    WriteBytes(dir / "after/sub/b2.txt", Join(WithId("2")));
    WriteBytes(dir / "after/d.txt", Join(WithId("4")));
  }
  std::string Export(const roster::ExportOptions& options) {
    roster::ExportOptions under = options;
    under.base = dir / "after";
    return roster::ExportFiles({"a.txt", "d.txt", "sub/b2.txt"}, under).bytes;
  }
  TempDirectory dir;
};

TEST(CompareRosters, PairsAFolderWithAFolderOrATableInEveryDialect) {
  TwoRosters rosters;
  const auto windows1252 = [](const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toLatin1().toStdString();
  };
  const struct {
    const char* name;
    std::string after;  // the second roster: a folder, or a table written there
    std::string bytes;
  } sides[] = {
      {"folder", "after/", ""},
      {"csv", "after.csv", rosters.Export({})},
      {"csv with semicolons and a byte-order mark", "semicolons.csv",
       rosters.Export({roster::TableFormat::Csv, ';', true})},
      {"csv with tabs", "tabs.csv", rosters.Export({roster::TableFormat::Csv, '\t', false})},
      {"csv in Windows-1252", "latin.csv", windows1252(rosters.Export({}))},
      {"json", "after.json", rosters.Export({roster::TableFormat::Json})},
  };
  const std::string byFile =
      "changed a.txt>a.txt punches:12>13 [overall 58>59]\n"
      "removed b.txt>\n"
      "removed c.txt>\n"
      "added >d.txt\n"
      "added >sub/b2.txt\n"
      "0 unchanged\n";
  const std::string byId =
      "changed a.txt>a.txt punches:12>13 [overall 58>59]\n"
      "renamed b.txt>sub/b2.txt\n"
      "removed c.txt>\n"
      "added >d.txt\n"
      "0 unchanged\n";
  for (const auto& side : sides) {
    if (!side.bytes.empty()) WriteBytes(rosters.dir / side.after, side.bytes);
    const roster::RosterContents before = roster::ReadRoster(rosters.dir / "before");
    const roster::RosterContents after = roster::ReadRoster(rosters.dir / side.after);
    ASSERT_EQ(after.problems.size(), 0u) << side.name << ": " << after.problems.front().message;
    std::vector<roster::DiffProblem> problems;
    EXPECT_EQ(Described(roster::CompareRosters(before, after, MatchBy::File, problems)), byFile) << side.name;
    EXPECT_EQ(Described(roster::CompareRosters(before, after, MatchBy::SherdogId, problems)), byId)
        << side.name;
    EXPECT_TRUE(problems.empty()) << side.name;
  }
}

TEST(CompareRosters, LeavesAnIdHeldTwiceUnpairedAndPairsFightersWithoutOneByFile) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "a");
  std::filesystem::create_directories(dir / "b");
  WriteBytes(dir / "a/twice1.txt", Join(WithId("5")));
  WriteBytes(dir / "a/twice2.txt", Join(With(WithId("5"), 0, "3")));
  WriteBytes(dir / "b/once.txt", Join(WithId("5")));
  WriteBytes(dir / "a/given.txt", Join(WithId("")));
  WriteBytes(dir / "b/given.txt", Join(WithId("77")));
  WriteBytes(dir / "a/same.txt", Join(WithId("8")));
  WriteBytes(dir / "b/same.txt", Join(WithId(" 8")));
  WriteBytes(dir / "a/ends.txt", Join(WithId("9")));
  WriteBytes(dir / "b/ends.txt", Join(WithId("9"), "\n"));
  std::vector<roster::DiffProblem> problems;
  const roster::RosterDiff diff = roster::CompareRosters(
      roster::ReadRoster(dir / "a"), roster::ReadRoster(dir / "b"), MatchBy::SherdogId, problems);
  EXPECT_EQ(Described(diff),
            "changed given.txt>given.txt sherdog_id:>77 [overall 58>58]\n"
            "changed same.txt>same.txt sherdog_id:8> 8 [overall 58>58]\n"
            "held 5: twice1.txt twice2.txt / once.txt\n"
            "1 unchanged\n");
  EXPECT_FALSE(diff.Equal());
}

TEST(CompareRosters, RefusesATableThatNamesAFileTwiceOrLacksALineColumn) {
  TempDirectory dir;
  WriteBytes(dir / "twice.csv", kHeader + Row("a.txt") + Row("./a.txt"));
  WriteBytes(dir / "short.csv", "file,punches\r\na.txt,12\r\n");
  std::vector<roster::DiffProblem> problems;
  roster::CompareRosters(roster::ReadRoster(dir / "twice.csv"), {}, MatchBy::File, problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].problem.row, 2);
  EXPECT_EQ(problems[0].problem.message, "names the same file as row 1");
  const roster::RosterContents missing = roster::ReadRoster(dir / "short.csv");
  ASSERT_FALSE(missing.problems.empty());
  EXPECT_EQ(missing.problems[0].column, "kicks");
  EXPECT_EQ(missing.problems[0].message, "missing column");
  EXPECT_TRUE(missing.fighters.empty());
}

TEST(NameRowsUnder, TakesTheFolderOffOnlyWhenEveryRowLiesInIt) {
  const struct {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> named;
  } cases[] = {
      {"every row in it", {"Fighters/a.txt", "./Fighters/sub/b.txt"}, {"a.txt", "sub/b.txt"}},
      {"one row elsewhere", {"Fighters/a.txt", "b.txt"}, {"Fighters/a.txt", "b.txt"}},
      {"a folder of a longer name", {"Fighters2/a.txt"}, {"Fighters2/a.txt"}},
  };
  for (const auto& row : cases) {
    roster::RosterContents table;
    for (const std::string& name : row.rows) table.fighters.push_back({name, {}, 1, {}, {}, {}});
    roster::NameRowsUnder(table, "Fighters/");
    std::vector<std::string> named;
    for (const roster::RosterFighter& fighter : table.fighters) named.push_back(fighter.name);
    EXPECT_EQ(named, row.named) << row.name;
  }
}

}  // namespace
}  // namespace ostrak::test
