// Fighter files loaded into an editor that already shows a fighter, then
// saved and cleared: what the record holds at each step, and the bytes on disk.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "record/FighterForm.h"
#include "record/FighterRecord.h"
#include "support/FailureMessage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using Lines = std::vector<std::string>;
using test::MessageOf;

Lines LinesOf(const TStringList& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

std::string Join(const Lines& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

// A complete fighter as the editor writes it.
Lines SampleFighter() {
  return {"12",   "9", "15", "7",      "11",    "10", "13",      "8",          "14",
          "6",    "5", "16", "17",     "18",    "19", "20",      "4",          "Jos\xE9 Mu\xF1oz",
          "Pepe", "2", "0",  "180 cm", "77 kg", "3",  "Per\xFA", "01/02/1990", "12345",
          "1"};
}

struct Editor {
  FighterRecord record;
  FighterForm form;

  // The load command: the file's lines replace the record, then the controls
  // are set in order. Returns the first failure's message.
  std::optional<std::string> Load(const std::string& bytes) {
    test::TempDirectory directory;
    test::WriteBytes(directory / "fighter.txt", bytes);
    try {
      record.LoadFromFile(directory / "fighter.txt");
      form.Load(record);
    } catch (const Error& error) {
      return error.message();
    }
    return std::nullopt;
  }

  // Clear all: every box to 1, every edit empty, through the change rules.
  void Clear() {
    for (const FighterField field : kAttributeFields) form.SetAttribute(field, 1, record);
    for (const FieldDescription& field : kFighterFields) {
      if (field.content == FieldContent::FreeText) form.SetText(field.field, "", record);
    }
  }
};

// A failure in the middle keeps what came before it: punches to agility come
// from the new file, dodge and everything after keep what the previous
// fighter put there, and the record holds the new file with its write-backs.
TEST(FighterFileAcceptance, FailureOnDodgeKeepsThePreviousFighterFromThereOn) {
  Editor editor;
  ASSERT_EQ(editor.Load(Join(Lines(28, "3"))), std::nullopt);

  Lines lines = SampleFighter();
  lines[4] = "25";
  lines[5] = "abc";
  EXPECT_EQ(editor.Load(Join(lines)), "'abc' is not a valid integer value");
  EXPECT_EQ(editor.form.Attribute(FighterField::Punches), 12);
  EXPECT_EQ(editor.form.Attribute(FighterField::Agility), 20);
  EXPECT_EQ(editor.form.Attribute(FighterField::Dodge), 3);
  EXPECT_EQ(editor.form.Attribute(FighterField::GroundGame), 3);
  EXPECT_EQ(editor.form.Text(FighterField::FullName), "3");
  EXPECT_EQ(editor.form.GamePlanIndex(), 2);
  Lines expected = lines;
  expected[4] = "20";
  EXPECT_EQ(LinesOf(editor.record.Lines()), expected);
}

// LF CR is two breaks, so every line after the first moves down by one.
TEST(FighterFileAcceptance, LfCrEndingsShiftTheLinesAndFailOnTheFirstEmptyOne) {
  Editor editor;
  EXPECT_EQ(editor.Load(Join(SampleFighter(), "\n\r")), "'' is not a valid integer value");
  EXPECT_EQ(editor.record.Lines().Count(), 56);
}

// After a failed load of a short file, a control whose line lies beyond the
// end still changes, then its write fails; lines that exist take the write.
TEST(FighterFileAcceptance, ChangesAfterAShortLoadFailBeyondTheEnd) {
  Editor editor;
  Lines lines = SampleFighter();
  lines.resize(10);
  ASSERT_EQ(editor.Load(Join(lines)), "List index out of bounds (10)");
  EXPECT_EQ(MessageOf<ListError>([&] { editor.form.SetText(FighterField::FullName, "Ana", editor.record); }),
            "List index out of bounds (17)");
  EXPECT_EQ(editor.form.Text(FighterField::FullName), "Ana");
  EXPECT_EQ(
      MessageOf<ListError>([&] { editor.form.SetAttribute(FighterField::GroundGame, 9, editor.record); }),
      "List index out of bounds (23)");
  EXPECT_EQ(editor.form.Attribute(FighterField::GroundGame), 9);
  editor.form.SetAttribute(FighterField::Kicks, 2, editor.record);
  EXPECT_EQ(editor.record.Lines().Get(1), "2");
  EXPECT_EQ(MessageOf<ListError>([&] { editor.record.PrepareForSave(); }), "List index out of bounds (10)");
}

// A CR-only file of 30 lines is saved with CR LF, its extra lines unchanged
// (empty ones included), the fill reaching line 27 and no further.
TEST(FighterFileAcceptance, ThirtyLineFileIsSavedBackWithItsExtraLines) {
  Editor editor;
  Lines lines = SampleFighter();
  lines[27] = "";
  lines.push_back("");
  lines.push_back(" extra \t");
  ASSERT_EQ(editor.Load(Join(lines, "\r")), std::nullopt);
  editor.record.PrepareForSave();

  lines[27] = "1";
  EXPECT_EQ(editor.record.Lines().Text(), Join(lines));  // the bytes a save writes
}

// After a save the form is cleared: only controls whose shown value changes
// touch the record, so the lists' codes, line 27 and the fill of a line whose
// control was already empty or at 1 stay.
TEST(FighterFileAcceptance, ClearAfterSaveKeepsCodesLine27AndUntouchedFills) {
  Editor editor;
  Lines lines = SampleFighter();
  lines[1] = "1";   // kicks already shows 1
  lines[21] = "";   // height empty at save time
  lines[27] = "x";  // written by nothing
  ASSERT_EQ(editor.Load(Join(lines)), std::nullopt);
  editor.record.PrepareForSave();
  editor.Clear();

  Lines expected(28, "");
  for (const FighterField field : kAttributeFields) expected[static_cast<std::size_t>(LineOf(field))] = "1";
  expected[19] = "2";
  expected[20] = "0";
  expected[21] = "1";
  expected[27] = "x";
  EXPECT_EQ(LinesOf(editor.record.Lines()), expected);

  // Typing the required fields again and saving writes "1" for everything cleared.
  editor.form.SetText(FighterField::FullName, "Ana", editor.record);
  editor.form.SetText(FighterField::ShortName, "A", editor.record);
  editor.form.SetText(FighterField::SherdogId, "77", editor.record);
  editor.record.PrepareForSave();
  Lines saved(28, "1");
  saved[17] = "Ana";
  saved[18] = "A";
  saved[19] = "2";
  saved[20] = "0";
  saved[26] = "77";
  saved[27] = "x";
  EXPECT_EQ(editor.record.Lines().Text(), Join(saved));
}

}  // namespace
}  // namespace ostrak
