#include "record/FighterRecord.h"

#include <gtest/gtest.h>

#include "core/Errors.h"

namespace ostrak {
namespace {

TEST(FighterCodes, ConvertBetweenItemIndexAndCode) {
  EXPECT_EQ(WeightClassCodeFromIndex(0), -1);  // Featherweight
  EXPECT_EQ(WeightClassCodeFromIndex(5), 4);   // Heavyweight
  EXPECT_EQ(GamePlanCodeFromIndex(0), 1);      // Submission
  EXPECT_EQ(GamePlanCodeFromIndex(2), 3);      // GnP
  EXPECT_EQ(WeightClassIndexFromCode(-1), 0);
  EXPECT_EQ(WeightClassIndexFromCode(0), 1);
  EXPECT_EQ(WeightClassIndexFromCode(4), 5);
  EXPECT_EQ(GamePlanIndexFromCode(1), 0);
  EXPECT_EQ(GamePlanIndexFromCode(3), 2);
  for (const std::int32_t outside : {-2, 5, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(WeightClassIndexFromCode(outside), kNoSelection) << outside;
  }
  for (const std::int32_t outside : {0, 4, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(GamePlanIndexFromCode(outside), kNoSelection) << outside;
  }
}

TEST(FighterRecord, PutFieldWritesEachEncoding) {
  FighterRecord record;
  ASSERT_EQ(record.Lines().Count(), kFighterLineCount);
  record.PutAttribute(FighterField::GroundGame, 8);
  record.PutText(FighterField::FullName, " Jos\xE9 Aldo ");
  record.PutGamePlanIndex(2);
  record.PutWeightClassIndex(0);
  EXPECT_EQ(record.Lines().Get(23), "8");
  EXPECT_EQ(record.Lines().Get(17), " Jos\xE9 Aldo ");
  EXPECT_EQ(record.Lines().Get(19), "3");
  EXPECT_EQ(record.Lines().Get(20), "-1");
  EXPECT_EQ(EncodeAttribute(20), "20");
  EXPECT_EQ(EncodeAttribute(1), "1");
}

// A fighter started in the editor, saved with only the required fields.
TEST(FighterRecord, FillRuleGivesOneToEveryEmptyLine) {
  FighterRecord record;
  record.PutText(FighterField::FullName, "Full");
  record.PutText(FighterField::ShortName, "Short");
  record.PutGamePlanIndex(0);
  record.PutWeightClassIndex(5);
  record.PutText(FighterField::SherdogId, "42");
  record.PrepareForSave();

  std::string expected;
  for (int line = 0; line < 17; ++line) expected += "1\r\n";
  expected += "Full\r\nShort\r\n1\r\n4\r\n1\r\n1\r\n1\r\n1\r\n1\r\n42\r\n1\r\n";
  EXPECT_EQ(record.Lines().Text(), expected);  // the bytes a save writes
}

TEST(FighterRecord, FillFailsAtTheFirstMissingLineAfterFillingTheOthers) {
  FighterRecord record;
  record.Lines().SetText("7\r\n\r\n");
  for (int i = 2; i < 27; ++i) record.Lines().Add("");
  try {
    record.PrepareForSave();
    FAIL() << "a 27-line record cannot be saved";
  } catch (const ListError& failure) {
    EXPECT_EQ(failure.message(), "List index out of bounds (27)");
  }
  EXPECT_EQ(record.Lines().Get(0), "7");
  EXPECT_EQ(record.Lines().Get(1), "1");
  EXPECT_EQ(record.Lines().Get(26), "1");
}

TEST(FighterRecord, PutBeyondAShortRecordFails) {
  FighterRecord record;
  record.Lines().SetText("1\r\n2\r\n");
  EXPECT_THROW(record.PutAttribute(FighterField::GroundGame, 5), ListError);
  EXPECT_THROW(record.PutText(FighterField::SherdogId, "x"), ListError);
}

}  // namespace
}  // namespace ostrak
