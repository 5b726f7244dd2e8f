// An import that takes each row to the file holding its Sherdog ID: a file
// renamed since the table was made, an ID no file holds, an ID two files
// hold, and what the plan says of each row.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RosterTables.h"
#include "roster/Roster.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::Action;
using roster::MatchReason;

// Sample()'s row for `file` with its Sherdog ID, full name and punches given.
std::string RowWithId(const std::string& file, const std::string& id, const std::string& punches = "12",
                      const std::string& fullName = "Jos\xC3\xA9 Mu\xC3\xB1oz") {
  std::string row = Row(file, punches);
  row.replace(row.find(",12345,"), 7, "," + id + ",");
  row.replace(row.find("Jos\xC3\xA9 Mu\xC3\xB1oz"), std::string("Jos\xC3\xA9 Mu\xC3\xB1oz").size(), fullName);
  return row;
}

struct Base {
  Base() {
    std::filesystem::create_directories(dir / "base/sub");
    WriteBytes(dir / "base/sub/renamed.txt", Join(With(Sample(), 26, "1")));
    WriteBytes(dir / "base/x.txt", Join(With(Sample(), 26, "2")));
    WriteBytes(dir / "base/y.txt", Join(With(Sample(), 26, " 2")));
    WriteBytes(dir / "base/taken.txt", Join(With(Sample(), 26, "6")));
  }
  roster::RosterPlan Plan(const std::string& table) {
    WriteBytes(dir / "table.csv", kHeader + table);
    return roster::PlanImport(dir / "table.csv", {dir / "base"}, roster::ImportMatch::SherdogId);
  }
  TempDirectory dir;
};

TEST(ImportBySherdogId, TakesEachRowToTheFileHoldingItsIdOrMakesOne) {
  Base base;
  roster::RosterPlan plan = base.Plan(RowWithId("old-name.txt", "1", "15") + RowWithId("fresh.txt", "3") +
                                      RowWithId("", "4", "12", "Ana Ru\xC3\xADz: La/Roca") +
                                      RowWithId("sub/renamed.txt", " 1 ", "15"));
  // The last row gives ID 1 again: refused, so the plan is only looked at.
  EXPECT_EQ(Problems(plan), "4: sherdog_id: 1 is given by row 1 too\n");

  plan = base.Plan(RowWithId("old-name.txt", "1", "15") + RowWithId("fresh.txt", "3") +
                   RowWithId("", "4", "12", "Ana Ru\xC3\xADz: La/Roca"));
  ASSERT_EQ(Problems(plan), "");
  const struct {
    std::string file;
    Action action;
    MatchReason reason;
    std::string note;
  } expected[] = {
      {"sub/renamed.txt", Action::Replace, MatchReason::FoundById,
       "holds Sherdog ID 1; the row names old-name.txt"},
      {"fresh.txt", Action::Create, MatchReason::NewFromFileCell, "no file holds Sherdog ID 3"},
      {"Ana Ru\xC3\xADz_ La_Roca.txt", Action::Create, MatchReason::NewFromFullName,
       "no file holds Sherdog ID 4; named after the full name"},
  };
  ASSERT_EQ(plan.Files().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const roster::PlannedFile& file = plan.Files()[i];
    EXPECT_EQ(file.file, expected[i].file);
    EXPECT_EQ(file.action, expected[i].action) << file.file;
    ASSERT_TRUE(file.match) << file.file;
    EXPECT_EQ(file.match->reason, expected[i].reason) << file.file;
    EXPECT_EQ(file.match->Text(), expected[i].note) << file.file;
  }
  ASSERT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(base.dir / "base/sub/renamed.txt"), Join(With(With(Sample(), 26, "1"), 0, "15")));
  EXPECT_FALSE(std::filesystem::exists(base.dir / "base/old-name.txt"));
  EXPECT_EQ(ReadBytes(base.dir / "base/fresh.txt"), Join(With(Sample(), 26, "3")));
  EXPECT_TRUE(std::filesystem::exists(base.dir / "base/Ana Ru\xC3\xADz_ La_Roca.txt"));
}

TEST(ImportBySherdogId, RefusesARowItCannotTakeToOneFighter) {
  Base base;
  const struct {
    const char* name;
    std::string row;
    std::string problems;
  } rows[] = {
      {"an id two files hold", RowWithId("x.txt", "2"),
       "1: sherdog_id: 2 is held by x.txt and y.txt: merge them, or import by file\n"},
      {"a new id over another fighter's file", RowWithId("taken.txt", "5"),
       "1: file: already holds another fighter (no file holds Sherdog ID 5): name the row's new file in its "
       "file "
       "cell\n"},
      {"no id", RowWithId("a.txt", " "), "1: sherdog_id: is empty: rows are matched by it\n"},
      {"no file cell and no full name", RowWithId("", "8", "12", ". "),
       "1: file: is empty, and the full name gives no file name\n"},
  };
  for (const auto& row : rows) {
    const roster::RosterPlan plan = base.Plan(row.row);
    EXPECT_EQ(Problems(plan), row.problems) << row.name;
  }
}

TEST(ImportBySherdogId, NeedsNoFileColumnAndReadsABaseFolderThatIsNotThereYetAsHoldingNoIds) {
  TempDirectory dir;
  std::string header = kHeader.substr(kHeader.find(',') + 1);
  std::string row = RowWithId("", "3");
  WriteBytes(dir / "table.csv", header + row.substr(1));
  roster::RosterPlan plan =
      roster::PlanImport(dir / "table.csv", {dir / "new"}, roster::ImportMatch::SherdogId);
  ASSERT_EQ(Problems(plan), "");
  ASSERT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(dir / "new/Jos\xC3\xA9 Mu\xC3\xB1oz.txt"), Join(With(Sample(), 26, "3")));
}

}  // namespace
}  // namespace ostrak::test
