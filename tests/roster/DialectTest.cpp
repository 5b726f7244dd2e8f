// Tables as spreadsheets in other locales save them, and tables that name
// files whose names a table cannot hold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/CsvTable.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

TEST(Dialects, ImportReadsTheSeparatorsAndEncodingsSpreadsheetsSave) {
  const std::string comma = kHeader + Row("a.txt");
  const std::string semicolon = Replaced(comma, ",", ";");
  const std::string windows1252 =
      Replaced(Replaced(Replaced(semicolon, "\xC3\xA9", "\xE9"), "\xC3\xB1", "\xF1"), "\xC3\xBA", "\xFA");
  const struct {
    const char* name;
    std::string table;
    std::vector<std::string> notes;
  } rows[] = {
      {"comma", comma, {}},
      {"semicolon with a byte-order mark", "\xEF\xBB\xBF" + semicolon, {}},
      {"tab", Replaced(comma, ",", "\t"), {}},
      {"windows-1252", windows1252, {"is not UTF-8: read as Windows-1252"}},
      {"a byte-order mark before a windows-1252 body",
       "\xEF\xBB\xBF" + windows1252,
       {"is not UTF-8: read as Windows-1252"}},
      {"rows ending in CR alone", Replaced(comma, "\r\n", "\r"), {}},
      {"rows ending in CR alone, the last without its end",
       Replaced(semicolon, "\r\n", "\r").substr(0, semicolon.size() - 3),
       {}},
      {"item texts for the codes", Replaced(comma, ",2,0,", ",KO,Lightweight: Max 155 lb / 70 kg,"), {}},
  };
  for (const auto& row : rows) {
    TempDirectory dir;
    WriteBytes(dir / "t.csv", row.table);
    roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir / "out"});
    EXPECT_EQ(plan.Notes(), row.notes) << row.name;
    ASSERT_TRUE(roster::Commit(plan).ok()) << row.name << "\n" << Problems(plan);
    EXPECT_EQ(ReadBytes(dir / "out/a.txt"), Join(Sample())) << row.name;
  }
}

TEST(Dialects, ExportTakesASeparatorAndAMarkAndLeavesOutANameATableCannotHold) {
  TempDirectory dir;
  const std::vector<std::string> files = {
      dir.File("caf\xE9.txt", Join(Sample())), dir.File("a;b.txt", Join(With(Sample(), 21, "1,80 m"))),
      dir.File("line\nfeed.txt", Join(Sample())), dir.File("carriage\rreturn.txt", Join(Sample()))};
  const roster::ExportedTable table = roster::ExportFiles(files, {roster::TableFormat::Csv, ';', true});
  std::vector<std::pair<std::string, std::string>> leftOut;
  for (const roster::FileFailure& failure : table.leftOut)
    leftOut.emplace_back(failure.file, failure.message);
  EXPECT_EQ(
      leftOut,
      (std::vector<std::pair<std::string, std::string>>{
          {files[0], "its name is not UTF-8, which a table cannot hold: rename the file to take it in"},
          {files[2],
           "its name holds a line break (LF), which a table cannot hold: rename the file to take it in"},
          {files[3],
           "its name holds a line break (CR), which a table cannot hold: rename the file to take it in"}}));
  EXPECT_EQ(table.bytes.substr(0, 22),
            "\xEF\xBB\xBF"
            "file;punches;kicks;");
  EXPECT_NE(table.bytes.find("\r\n\"" + dir / "a;b.txt\";12;"), std::string::npos);
  EXPECT_NE(table.bytes.find(";1,80 m;"), std::string::npos);
  // A JSON reader refuses the mark: JSON never has it.
  EXPECT_EQ(roster::ExportFiles({files[1]}, {roster::TableFormat::Json, ',', true}).bytes.substr(0, 5),
            "[\n  {");

  WriteBytes(dir / "t.csv", table.bytes);
  const roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir.path()});
  ASSERT_EQ(Problems(plan), "");
  EXPECT_EQ(plan.Files().at(0).action, roster::Action::Unchanged);
}

TEST(Dialects, ACsvTableIsReadOneRecordAtATime) {
  const std::string row = Row("a.txt");
  std::size_t pieces = 0;
  roster::CsvReader reader([&]() -> std::string_view {
    // A header, then rows without end, one piece each.
    return ++pieces == 1 ? std::string_view(kHeader) : std::string_view(row);
  });
  std::vector<roster::TableValue> cells;
  for (int record = 0; record < 3; ++record) ASSERT_TRUE(reader.Next(cells));
  EXPECT_EQ(reader.number(), 2);
  EXPECT_EQ(cells.at(0).texts.at(0), "a.txt");
  EXPECT_LE(pieces, 4u);
}

}  // namespace
}  // namespace ostrak::test
