// One cell written through the roster engine: what reaches the file, what is
// refused and why, and a file that changed since its row was read.

#include <gtest/gtest.h>

#include "recorded/KeptHistory.h"
#include "ui/roster/CellEditing.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {
namespace {

using test::FighterFile;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

const test::FighterTraits kGoni{
    .fullName = "Ana Go\xF1i", .weightClassCode = -1, .attribute = 16, .punches = 20};

// `bytes` with line `line` replaced by `text`.
std::string WithLine(std::string bytes, int line, const std::string& text) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.replace(start, bytes.find("\r\n", start) - start, text);
}

struct EditCase {
  const char* name;
  int column;
  QVariant value;
  CellResult result;
  const char* reason;  // English: no translation is installed here
  int line = -1;       // the line written, for Written
  const char* lineText = "";
  const char* theirs = nullptr;  // the full name another program saves first, the same length
};

class CellEditTest : public ::testing::Test {
protected:
  CellEditTest() {
    WriteFighter(folder, "goni.txt", kGoni);
    row = ReadRosterRow(folder.path() + "/", "goni.txt", collator);
  }
  test::TempDirectory folder;
  QCollator collator = RosterCollator();
  recorded::KeptHistory history;
  RosterRow row;
};

class CellEdit : public CellEditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(CellEdit, WritesTheOneLineOrRefusesWithTheEnginesReasonAndLeavesTheFile) {
  const EditCase& edit = GetParam();
  const std::string before = edit.theirs ? WithLine(FighterFile(kGoni), 17, edit.theirs) : FighterFile(kGoni);
  if (edit.theirs) WriteBytes(folder / "goni.txt", before);
  const CellOutcome outcome = EditCell(folder.path() + "/", row, edit.column,
                                       CellValue(edit.column, edit.value), collator, "test", history);
  EXPECT_EQ(outcome.result, edit.result);
  EXPECT_EQ(outcome.reason.toStdString(), edit.reason);
  const std::string expected =
      edit.result == CellResult::Written ? WithLine(before, edit.line, edit.lineText) : before;
  EXPECT_EQ(ReadBytes(folder / "goni.txt"), expected);
  const bool readAgain = edit.result == CellResult::Written || edit.result == CellResult::ChangedOnDisk ||
                         (edit.result == CellResult::Refused && edit.column != RosterModel::LastRating);
  ASSERT_EQ(outcome.row.has_value(), readAgain);
  if (outcome.row) {
    EXPECT_EQ(outcome.row->digest, DigestOf(expected));
    EXPECT_EQ(outcome.row->attributes[0], 20);  // the first attribute is never set here
    if (edit.theirs) {
      EXPECT_EQ(outcome.row->fullName, edit.theirs);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellEdit,
    ::testing::Values(
        EditCase{"TextInWindows1252", RosterModel::FullName, QString::fromUtf8("Ana María Goñi"),
                 CellResult::Written, "", 17,
                 "Ana Mar\xED"
                 "a Go\xF1i"},
        // The list's item index becomes the file's code.
        EditCase{"WeightClassItem", RosterModel::WeightClass, 3, CellResult::Written, "", 20, "2"},
        EditCase{"GamePlanItem", RosterModel::GamePlan, 0, CellResult::Written, "", 19, "1"},
        EditCase{"Attribute", RosterModel::FirstAttribute + 2, 18, CellResult::Written, "", 2, "18"},
        EditCase{"GroundGameOnItsOwnLine", RosterModel::LastAttribute, 3, CellResult::Written, "", 23, "3"},
        EditCase{"SherdogId", RosterModel::SherdogId, QString("98765"), CellResult::Written, "", 26, "98765"},
        EditCase{"AttributeOutsideTheEditorsRange", RosterModel::FirstAttribute, 25, CellResult::Refused,
                 "'25' is outside 1..20: the editor would make it 20"},
        EditCase{"EmptyFullName", RosterModel::FullName, QString(), CellResult::Refused,
                 "is empty: the editor saves no fighter without it"},
        EditCase{"NoWindows1252Byte", RosterModel::Nationality, QString::fromUtf8("日本"),
                 CellResult::Refused, "'日' (U+65E5) has no Windows-1252 byte"},
        EditCase{"TheRatingsCannotBeSet", RosterModel::LastRating, 50, CellResult::Refused,
                 "this cell cannot be edited"},
        EditCase{"SameValue", RosterModel::CommonName, QString("Short"), CellResult::Unchanged, ""},
        // The file is not overwritten, and its row is read again.
        EditCase{"FileChangedSinceItsRowWasRead", RosterModel::FirstAttribute, 12, CellResult::ChangedOnDisk,
                 "", -1, "", "Ana Gomi"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::roster
