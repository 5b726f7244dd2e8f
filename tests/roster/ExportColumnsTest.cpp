// The columns an export may add for a spreadsheet user, the lists' item
// texts and the ratings, and an import that reads them back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/Roster.h"
#include "support/TempDirectory.h"
#include "tools/FighterLines.h"

namespace ostrak::test {
namespace {

using roster::Action;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ExportColumns, ItemTextsAndRatingsComeBackAsTheSameBytes) {
  // A list code written another way, and one that names no item, stay as they are.
  const std::vector<std::string> files = {Join(Sample()), Join(With(With(Sample(), 19, "03"), 20, "4"), "\n"),
                                          Join(With(With(Sample(), 19, "9"), 20, "-1"))};
  for (const roster::TableFormat format : {roster::TableFormat::Csv, roster::TableFormat::Json}) {
    SCOPED_TRACE(format == roster::TableFormat::Csv ? "csv" : "json");
    TempDirectory dir;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < files.size(); ++i) {
      names.push_back(dir / ("f" + std::to_string(i) + ".txt"));
      WriteBytes(names.back(), files[i]);
    }
    roster::ExportOptions options{format};
    options.itemTexts = true;
    options.ratings = true;
    const roster::ExportedTable table = roster::ExportFiles(names, options);
    ASSERT_TRUE(table.leftOut.empty());
    const bool json = format == roster::TableFormat::Json;
    if (!json) {
      EXPECT_NE(table.bytes.find(",line_27,extra,ground,striking,defense,fitness,mental,overall\r\n"),
                std::string::npos);
      EXPECT_NE(table.bytes.find(",Pepe,KO,Lightweight: Max 155 lb / 70 kg,"), std::string::npos);
      EXPECT_NE(table.bytes.find(",Pepe,03,Heavyweight: Max 265 lb / 120 kg,"), std::string::npos);
      EXPECT_NE(table.bytes.find(",Pepe,9,Featherweight: Max Max 145 lb / 66 kg,"), std::string::npos);
    }
    const std::string tablePath = dir / (json ? "t.json" : "t.csv");
    WriteBytes(tablePath, table.bytes);

    // Over the files themselves: nothing to change.
    roster::RosterPlan same = roster::PlanImport(tablePath, {dir.path()});
    EXPECT_EQ(Problems(same), "");
    EXPECT_EQ(same.ChangeCount(), 0u);

    // Into files that do not exist yet: the same bytes, CR LF aside.
    for (std::size_t i = 0; i < files.size(); ++i) std::filesystem::remove(names[i]);
    roster::RosterPlan fresh = roster::PlanImport(tablePath, {dir.path()});
    ASSERT_EQ(Problems(fresh), "");
    ASSERT_TRUE(roster::Commit(fresh).ok());
    EXPECT_EQ(ReadBytes(names[0]), files[0]);
    EXPECT_EQ(ReadBytes(names[1]), Join(With(With(Sample(), 19, "03"), 20, "4")));
    EXPECT_EQ(ReadBytes(names[2]), files[2]);
  }
}

TEST(ExportColumns, ARatingCellMustBeWhatTheAttributesGive) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  roster::ExportOptions options;
  options.ratings = true;
  options.base = dir.path();
  const std::string exported = roster::ExportFiles({"a.txt"}, options).bytes;
  const std::string overall =
      exported.substr(exported.rfind(',') + 1, exported.size() - exported.rfind(',') - 3);
  const struct {
    const char* name;
    std::string table;
    std::string problems;
    Action action;
  } cases[] = {
      {"as exported", exported, "", Action::Unchanged},
      {"an attribute changed and the ratings left", Replaced(exported, "a.txt,12,", "a.txt,20,"),
       "1: striking: '47': the attributes give 60; ratings follow from the attributes: change those\n"
       "1: overall: '58': the attributes give 61; ratings follow from the attributes: change those\n",
       Action::Refused},
      {"a rating changed", Replaced(exported, ",58\r\n", ",99\r\n"),
       "1: overall: '99': the attributes give 58; ratings follow from the attributes: change those\n",
       Action::Refused},
      {"ratings left empty",
       Replaced(exported, exported.substr(exported.rfind("\r\n", exported.size() - 3)), "") +
           "\r\na.txt,20," + kCells + ",,,,,,\r\n",
       "", Action::Replace},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    WriteBytes(dir / "t.csv", test.table);
    const roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
    EXPECT_EQ(Problems(plan), test.problems);
    ASSERT_FALSE(plan.Files().empty());
    EXPECT_EQ(plan.Files().back().action, test.action);
  }
}

}  // namespace
}  // namespace ostrak::test
