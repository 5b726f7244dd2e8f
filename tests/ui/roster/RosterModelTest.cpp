// The roster model on rows read from real files: what each cell shows, how
// columns sort, what the filter keeps, and that every change keeps the
// persistent indexes (the view's selection) on their rows.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QPersistentModelIndex>
#include <filesystem>

#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterModel.h"
#include "ui/roster/RosterReader.h"
#include "ui/roster/RosterRow.h"

namespace ostrak::roster {
namespace {

using test::FighterTraits;
using test::WriteFighter;

class RosterModelTest : public ::testing::Test {
protected:
  RosterModelTest() {
    WriteFighter(folder, "goni.txt",
                 {"Ana Go\xF1i",
                  "Espa\xF1"
                  "a",
                  -1, 16, 20, "1234", "31/12/1985"});
    WriteFighter(folder, "fighter10.txt", {"Lucas Ferreira", "Brasil", 1, 8, 5, "1234", "1/2/1990"});
    WriteFighter(folder, "sub/fighter2.txt",
                 {"S\xF8ren Lindqvist", "Danmark", 4, 12, 12, "1234", "15.06.1979"});
    test::WriteBytes(folder / "broken.txt", "14\r\nabc\r\n");
    // Neither is read: a pipe would never end, a link back up would never stop.
    ::mkfifo((folder / "pipe.txt").c_str(), 0600);
    std::filesystem::create_directory_symlink(folder.path(), folder / "sub/up");
    Read();
  }

  void Read() {
    model.Clear();
    ReaderSink sink;
    sink.rows = [&](std::vector<RosterRow> rows) { model.Append(std::move(rows)); };
    reader.Load(folder.path(), sink);
    model.Resort();
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (int row = 0; row < model.rowCount(); ++row) files.push_back(model.RowAt(row).file);
    return files;
  }

  QString Cell(int row, int column) const { return model.index(row, column).data().toString(); }

  test::TempDirectory folder;
  RosterReader reader;
  RosterModel model{{"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"}};
};

TEST_F(RosterModelTest, EachFileIsARowWithTheEditorsTextsAndTheEvaluationWindowsPercentages) {
  ASSERT_EQ(model.columnCount(), 36);
  EXPECT_EQ(model.headerData(RosterModel::FirstRating + 1, Qt::Horizontal).toString(), "Striking");
  EXPECT_EQ(model.headerData(RosterModel::Problem, Qt::Horizontal).toString(), "Problem");
  // File order, numbers in names compared as numbers.
  EXPECT_EQ(Files(),
            (std::vector<std::string>{"broken.txt", "fighter10.txt", "goni.txt", "sub/fighter2.txt"}));
  EXPECT_EQ(Cell(2, RosterModel::FullName), QString::fromUtf8("Ana Goñi"));
  EXPECT_EQ(Cell(2, RosterModel::WeightClass), "Featherweight: Max Max 145 lb / 66 kg");
  EXPECT_EQ(Cell(2, RosterModel::GamePlan), "KO");
  // Punches 20, kicks and clinch 16: striking 52/3 = 17.33, 87%.
  EXPECT_EQ(Cell(2, RosterModel::FirstRating + 1), "87%");
  EXPECT_EQ(model.index(2, RosterModel::FirstRating + 1).data(Qt::AccessibleTextRole).toString(), "87%");
  EXPECT_EQ(model.index(2, RosterModel::FirstRating + 1).data(RosterModel::BarPercentRole).toInt(), 87);
  EXPECT_EQ(Cell(2, RosterModel::LastRating), "81%");
  EXPECT_EQ(Cell(2, RosterModel::Problem), QString());
}

struct ColumnCase {
  const char* name;
  int column;
  const char* header;
  const char* goni;  // goni.txt's cell, UTF-8
  Qt::SortOrder firstOrder;
  bool editable;
};

class RosterColumn : public RosterModelTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(RosterColumn, ShowsItsLineUnderItsHeaderAndSortsBestFirstOnTheFirstClick) {
  const ColumnCase& column = GetParam();
  EXPECT_EQ(model.headerData(column.column, Qt::Horizontal).toString(), column.header);
  EXPECT_EQ(model.headerData(column.column, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(),
            static_cast<int>(column.firstOrder));
  EXPECT_EQ(Cell(2, column.column), QString::fromUtf8(column.goni));
  EXPECT_EQ(model.index(2, column.column).data(Qt::AccessibleTextRole).toString(),
            QString::fromUtf8(column.goni));
  EXPECT_EQ(model.flags(model.index(2, column.column)).testFlag(Qt::ItemIsEditable), column.editable);
  // A file that does not load is mended in the editor, not here.
  EXPECT_FALSE(model.flags(model.index(0, column.column)).testFlag(Qt::ItemIsEditable));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RosterColumn,
    ::testing::Values(
        ColumnCase{"File", RosterModel::File, "File", "goni.txt", Qt::AscendingOrder, false},
        ColumnCase{"FullName", RosterModel::FullName, "Full name", "Ana Goñi", Qt::AscendingOrder, true},
        ColumnCase{"GamePlan", RosterModel::GamePlan, "Game plan", "KO", Qt::AscendingOrder, true},
        ColumnCase{"Overall", RosterModel::LastRating, "Overall", "81%", Qt::DescendingOrder, false},
        ColumnCase{"Problem", RosterModel::Problem, "Problem", "", Qt::AscendingOrder, false},
        ColumnCase{"Height", RosterModel::Height, "Height", "1,80 m", Qt::AscendingOrder, true},
        ColumnCase{"Weight", RosterModel::Weight, "Weight", "77 kg", Qt::AscendingOrder, true},
        ColumnCase{"DateOfBirth", RosterModel::DateOfBirth, "Date of birth", "31/12/1985", Qt::AscendingOrder,
                   true},
        ColumnCase{"SherdogId", RosterModel::SherdogId, "Sherdog ID", "1234", Qt::AscendingOrder, true},
        ColumnCase{"Punches", RosterModel::FirstAttribute, "Punches", "20", Qt::DescendingOrder, true},
        ColumnCase{"Kicks", RosterModel::FirstAttribute + 1, "Kicks", "16", Qt::DescendingOrder, true},
        ColumnCase{"GroundGame", RosterModel::LastAttribute, "Ground game", "16", Qt::DescendingOrder, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RosterModelTest, AFileThatDoesNotLoadShowsTheChecksMessageAndNoRatings) {
  EXPECT_EQ(Cell(0, RosterModel::Problem), "'abc' is not a valid integer value");
  EXPECT_EQ(Cell(0, RosterModel::FirstRating), QString());
  EXPECT_FALSE(model.index(0, RosterModel::FirstRating).data(RosterModel::BarPercentRole).isValid());
  EXPECT_FALSE(model.index(0, RosterModel::File).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_TRUE(model.index(1, RosterModel::File).data(Qt::DecorationRole).isNull());
  EXPECT_EQ(model.ProblemsShown(), 1);
}

TEST_F(RosterModelTest, AFileThatLoadsButLooksWrongSaysWhatInItsWarningsAndAProblemIsExplained) {
  WriteFighter(folder, "odd.txt", {"Ana Per\xC3\xBA", "Per\xC3\xBA", 9, 10, 25});
  Read();
  const int odd = model.RowOfFile("odd.txt");
  const QString warnings = QString::fromUtf8(
      "punches is 25, outside 1..20: the editor shows 20; "
      "full_name 'Ana PerÃº' looks like UTF-8 read as Windows-1252 ('Ana Perú'); "
      "weight_class '9' is no weight class: the editor shows none; "
      "nationality 'PerÃº' looks like UTF-8 read as Windows-1252 ('Perú')");
  EXPECT_EQ(Cell(odd, RosterModel::Warnings), warnings);
  EXPECT_EQ(model.index(odd, RosterModel::Warnings).data(Qt::ToolTipRole).toString(), warnings);
  EXPECT_EQ(Cell(odd, RosterModel::FirstAttribute), "20");  // as the editor shows it
  EXPECT_EQ(Cell(model.RowOfFile("goni.txt"), RosterModel::Warnings), QString());
  // The problem stays check's own words; its tool tip says what they mean.
  EXPECT_EQ(model.index(model.RowOfFile("broken.txt"), RosterModel::Problem)
                .data(Qt::ToolTipRole)
                .toString()
                .toStdString(),
            "'abc' is not a valid integer value\n'abc' stands where the editor reads a whole number");
}

TEST(RosterRowName, AFileTheEditorCouldNotOpenByItsNameIsAProblemNotRatings) {
  test::TempDirectory folder;
  WriteFighter(folder, "caf\xE9.txt", {"Kenji Arai"});
  const RosterRow row = ReadRosterRow(folder.path() + "/", "caf\xE9.txt", RosterCollator());
  EXPECT_TRUE(row.problem.contains("not UTF-8")) << row.problem.toStdString();
  EXPECT_EQ(row.ratings[0], -1);
  EXPECT_EQ(row.fullName, "Kenji Arai");
}

struct SortCase {
  const char* name;
  int column;
  Qt::SortOrder order;
  std::vector<std::string> files;
};

class RosterSort : public RosterModelTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(RosterSort, OrdersByTheColumnsValueWithFileOrderBreakingTies) {
  model.sort(GetParam().column, GetParam().order);
  EXPECT_EQ(Files(), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(Columns, RosterSort,
                         ::testing::Values(
                             // 8% < 12% < 16%: numbers, not texts ("16" < "8"); no rating first.
                             SortCase{"OverallAscending",
                                      RosterModel::LastRating,
                                      Qt::AscendingOrder,
                                      {"broken.txt", "fighter10.txt", "sub/fighter2.txt", "goni.txt"}},
                             SortCase{"OverallDescending",
                                      RosterModel::LastRating,
                                      Qt::DescendingOrder,
                                      {"goni.txt", "sub/fighter2.txt", "fighter10.txt", "broken.txt"}},
                             // Collation puts the accented and foreign letters among their kin.
                             SortCase{"FullName",
                                      RosterModel::FullName,
                                      Qt::AscendingOrder,
                                      {"broken.txt", "goni.txt", "fighter10.txt", "sub/fighter2.txt"}},
                             // Item order (by weight), not the items' texts.
                             SortCase{"WeightClass",
                                      RosterModel::WeightClass,
                                      Qt::AscendingOrder,
                                      {"broken.txt", "goni.txt", "fighter10.txt", "sub/fighter2.txt"}},
                             // Numbers, best first, no attribute last.
                             SortCase{"PunchesDescending",
                                      RosterModel::FirstAttribute,
                                      Qt::DescendingOrder,
                                      {"goni.txt", "sub/fighter2.txt", "fighter10.txt", "broken.txt"}},
                             // By the day, not the text ("1/2/1990" < "15.06.1979" as texts); no date last.
                             SortCase{"DateOfBirth",
                                      RosterModel::DateOfBirth,
                                      Qt::AscendingOrder,
                                      {"sub/fighter2.txt", "goni.txt", "fighter10.txt", "broken.txt"}},
                             SortCase{"Problem",
                                      RosterModel::Problem,
                                      Qt::DescendingOrder,
                                      {"broken.txt", "fighter10.txt", "goni.txt", "sub/fighter2.txt"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FilterCase {
  const char* name;
  const char* text;  // UTF-8
  int weightClass;
  std::vector<std::string> files;
};

class RosterFilter : public RosterModelTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(RosterFilter, KeepsRowsWhoseFileNamesOrNationalityHoldTheTextCaseAndAccentsAside) {
  model.SetFilter(QString::fromUtf8(GetParam().text), GetParam().weightClass);
  EXPECT_EQ(Files(), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(Texts, RosterFilter,
                         ::testing::Values(FilterCase{"AccentDropped", "goni", -1, {"goni.txt"}},
                                           FilterCase{"AccentTyped", "GOÑI", -1, {"goni.txt"}},
                                           FilterCase{"LetterSpeltOut", "soren", -1, {"sub/fighter2.txt"}},
                                           FilterCase{"Nationality", "brasil", -1, {"fighter10.txt"}},
                                           FilterCase{
                                               "FolderInTheFileName", "sub/", -1, {"sub/fighter2.txt"}},
                                           FilterCase{"WeightClassNarrows", "a", 5, {"sub/fighter2.txt"}},
                                           FilterCase{"NothingMatches", "zzz", -1, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RosterModelTest, SortFilterAndChangesKeepAPersistentIndexOnItsRow) {
  const QPersistentModelIndex goni(model.index(2, RosterModel::FullName));
  model.sort(RosterModel::LastRating, Qt::DescendingOrder);
  EXPECT_EQ(goni.row(), 0);
  model.SetFilter("i", -1);  // drops broken.txt, which sorts last
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(goni.row(), 0);

  // Written in place, created, removed: as the watch's rescan reports them.
  WriteFighter(folder, "fighter10.txt", {"Lucas Ferreira", "Brasil", 1, 20, 20});
  WriteFighter(folder, "new.txt", {"Ivo Ramos", "Portugal", 0, 1, 1});
  std::filesystem::remove(folder / "sub/fighter2.txt");
  ListingReport report;
  const RosterChanges changes = reader.Rescan(report);
  EXPECT_EQ(changes.removed, std::vector<std::string>{"sub/fighter2.txt"});
  EXPECT_TRUE(report.skipped.empty());
  model.Apply(changes);

  EXPECT_EQ(Files(), (std::vector<std::string>{"fighter10.txt", "goni.txt", "new.txt"}));
  EXPECT_EQ(goni.row(), 1);
  EXPECT_EQ(goni.data().toString(), QString::fromUtf8("Ana Goñi"));
  EXPECT_EQ(Cell(0, RosterModel::LastRating), "100%");
  EXPECT_EQ(model.TotalCount(), 4);
}

// One file written again, as a cell edit reads its row back, in a sorted and
// filtered view: its row stays, moves or leaves where a whole sort would put
// it, and the selection stays on its rows.
struct OneRowCase {
  const char* name;
  const char* filter;
  const char* file;  // written again with `traits`
  FighterTraits traits;
  std::vector<std::string> shown;  // by the last rating, best first
};

class RosterOneRow : public RosterModelTest, public ::testing::WithParamInterface<OneRowCase> {};

TEST_P(RosterOneRow, TakesThePlaceAWholeSortGivesItAndKeepsTheSelectionOnItsRows) {
  model.sort(RosterModel::LastRating, Qt::DescendingOrder);
  model.SetFilter(QString::fromLatin1(GetParam().filter), -1);
  const std::vector<std::string> before = Files();
  std::vector<QPersistentModelIndex> selected;
  for (int row = 0; row < model.rowCount(); ++row) selected.emplace_back(model.index(row, 0));
  WriteFighter(folder, GetParam().file, GetParam().traits);
  model.Apply({{ReadRosterRow(folder.path() + "/", GetParam().file, RosterCollator())}, {}});

  EXPECT_EQ(Files(), GetParam().shown);
  for (std::size_t i = 0; i < selected.size(); ++i)
    EXPECT_EQ(selected[i].isValid() ? model.RowAt(selected[i].row()).file : GetParam().file, before[i]);
  model.Resort();
  EXPECT_EQ(Files(), GetParam().shown);
}

const OneRowCase kOneRowCases[] = {
    {"KeepsItsPlace",
     "",
     "goni.txt",
     {.fullName = "Ana", .weightClassCode = -1, .attribute = 16, .punches = 19},
     {"goni.txt", "sub/fighter2.txt", "fighter10.txt", "broken.txt"}},
    {"MovesDown",
     "",
     "goni.txt",
     {.fullName = "Ana", .weightClassCode = -1, .attribute = 1, .punches = 1},
     {"sub/fighter2.txt", "fighter10.txt", "goni.txt", "broken.txt"}},
    {"ComesIntoTheFilter",
     "dan",
     "goni.txt",
     {"Ana", "Danmark", -1, 16, 20},
     {"goni.txt", "sub/fighter2.txt"}},
    {"LeavesTheFilter", "dan", "sub/fighter2.txt", {"Lindqvist", "Norge"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Changes, RosterOneRow, ::testing::ValuesIn(kOneRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::roster
