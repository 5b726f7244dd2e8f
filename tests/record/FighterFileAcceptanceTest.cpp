// Fighter files as a roster maintainer meets them, loaded the way the editor
// loads them: line splitting, the number lines, the write-back of the boxes,
// short and long files, the fill rule and the exact bytes saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "record/FighterForm.h"
#include "record/FighterRecord.h"
#include "support/FailureMessage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::MessageOf;

using Lines = std::vector<std::string>;

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
  return {"12",
          "9",
          "15",
          "7",
          "11",
          "10",
          "13",
          "8",
          "14",
          "6",
          "5",
          "16",
          "17",
          "18",
          "19",
          "20",
          "4",
          "Jos\xE9 Pe\xF1"
          "a",
          "Pepe",
          "2",
          "0",
          "180 cm",
          "77 kg",
          "3",
          "Espa\xF1"
          "a",
          "01/02/1990",
          "12345",
          "1"};
}

Lines Cut(Lines lines, int count) {
  lines.resize(static_cast<std::size_t>(count));
  return lines;
}

struct Loaded {
  FighterRecord record;
  FighterForm form;
  std::optional<std::string> failure;
};

// Writes `bytes` to a file and loads it into `loaded` as the load command
// does: replace the lines, then set the controls in order.
void LoadInto(Loaded& loaded, const std::string& bytes) {
  test::TempDirectory directory;
  const std::string path = directory / "fighter.txt";
  test::WriteBytes(path, bytes);
  loaded.failure.reset();
  try {
    loaded.record.LoadFromFile(path);
    loaded.form.Load(loaded.record);
  } catch (const Error& error) {
    loaded.failure = error.message();
  }
}

Loaded LoadFresh(const std::string& bytes) {
  Loaded loaded;
  LoadInto(loaded, bytes);
  return loaded;
}

// ---------------------------------------------------------------------------
// Line splitting and the bytes written back.

struct SplitRow {
  const char* name;
  std::string bytes;
  Lines lines;
};

// Failure reports name the row instead of dumping its bytes.
void PrintTo(const SplitRow& row, std::ostream* os) { *os << row.name; }

class LineSplittingAcceptance : public testing::TestWithParam<SplitRow> {};

TEST_P(LineSplittingAcceptance, ReadsTheLinesAndWritesThemBackWithCrLf) {
  const SplitRow& row = GetParam();
  test::TempDirectory directory;
  const std::string path = directory / "in.txt";
  test::WriteBytes(path, row.bytes);
  TStringList list;
  list.LoadFromFile(path);
  EXPECT_EQ(LinesOf(list), row.lines);

  const std::string out = directory / "out.txt";
  list.SaveToFile(out);
  EXPECT_EQ(test::ReadBytes(out), Join(row.lines));
}

const SplitRow kSplitRows[] = {
    {"crlf", "a\r\nb\r\n", {"a", "b"}},
    {"lf", "a\nb\n", {"a", "b"}},
    {"cr", "a\rb\r", {"a", "b"}},
    {"lf_cr_is_two_breaks", "a\n\rb", {"a", "", "b"}},
    {"cr_cr_lf", "a\r\r\nb", {"a", "", "b"}},
    {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"last_line_without_break", "a\r\nb", {"a", "b"}},
    {"one_line_with_break", "a\r\n", {"a"}},
    {"empty_file", "", {}},
    {"one_empty_line", "\r\n", {""}},
    {"lone_cr", "\r", {""}},
    {"lf_cr_alone", "\n\r", {"", ""}},
    {"blank_lines_kept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
    {"nul_ends_the_text", std::string("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}},
    {"nul_right_after_a_break", std::string("a\r\n\0b", 5), {"a"}},
    {"nul_between_cr_and_lf", std::string("a\r\0\nb", 5), {"a"}},
    {"nul_first", std::string("\0a\r\n", 4), {}},
    {"bom_kept_as_bytes",
     "\xEF\xBB\xBF"
     "ES\r\n",
     {"\xEF\xBB\xBF"
      "ES"}},
    {"spaces_and_tabs_kept", " a \t\r\n\t\r\n", {" a \t", "\t"}},
    {"windows_1252_bytes_kept", "Jos\xE9\r\n\x80\x81\xFF\r\n", {"Jos\xE9", "\x80\x81\xFF"}},
};

INSTANTIATE_TEST_SUITE_P(Files, LineSplittingAcceptance, testing::ValuesIn(kSplitRows),
                         [](const testing::TestParamInfo<SplitRow>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// One number line (punches, line 0) loaded into a fresh editor.

struct NumberLineRow {
  const char* name;
  std::string text;
  std::optional<int> shown;  // nullopt: the load fails on this line
  std::string lineAfter;     // what the record's line 0 holds after the load
};

void PrintTo(const NumberLineRow& row, std::ostream* os) { *os << row.name; }

class PunchesLineAcceptance : public testing::TestWithParam<NumberLineRow> {};

TEST_P(PunchesLineAcceptance, ShowsTheClampedValueAndWritesBackOnlyAChange) {
  const NumberLineRow& row = GetParam();
  Lines lines = SampleFighter();
  lines[0] = row.text;
  const Loaded loaded = LoadFresh(Join(lines));

  EXPECT_EQ(loaded.record.Lines().Get(0), row.lineAfter);
  if (row.shown) {
    EXPECT_EQ(loaded.failure, std::nullopt);
    EXPECT_EQ(loaded.form.Attribute(FighterField::Punches), *row.shown);
    EXPECT_EQ(loaded.form.Attribute(FighterField::KOResistance), 4);
  } else {
    EXPECT_EQ(loaded.failure, "'" + row.text + "' is not a valid integer value");
    // Nothing after the failing line was set: a fresh box still shows 1.
    EXPECT_EQ(loaded.form.Attribute(FighterField::Punches), 1);
    EXPECT_EQ(loaded.form.Attribute(FighterField::Kicks), 1);
    EXPECT_EQ(loaded.record.Lines().Get(1), "9");
  }
}

const NumberLineRow kPunchesRows[] = {
    {"plain", "7", 7, "7"},
    {"one_keeps_the_file_text", "1", 1, "1"},
    {"leading_zero_one_keeps_the_file_text", "01", 1, "01"},
    {"leading_space_is_normalised", " 7", 7, "7"},
    {"trailing_space_fails", "7 ", std::nullopt, "7 "},
    {"plus_is_normalised", "+7", 7, "7"},
    {"leading_zeros_normalised", "007", 7, "7"},
    {"minus_zero_shows_one_and_stays", "-0", 1, "-0"},
    {"zero_shows_one_and_stays", "0", 1, "0"},
    {"twenty_five_clamps_to_twenty", "25", 20, "20"},
    {"twenty", "20", 20, "20"},
    {"hex_ten", "$0A", 10, "10"},
    {"x_hex_clamped", "x1F", 20, "20"},
    {"largest_hex_clamped", "0X7FFFFFFF", 20, "20"},
    {"all_ones_hex_is_minus_one", "$FFFFFFFF", 1, "$FFFFFFFF"},
    {"nine_hex_digits_fail", "$100000000", std::nullopt, "$100000000"},
    {"leading_hex_zeros", "$000000001", 1, "$000000001"},
    {"leading_hex_zeros_two", "$000000002", 2, "2"},
    {"out_of_range_decimal_fails", "2147483648", std::nullopt, "2147483648"},
    {"smallest_decimal_shows_one", "-2147483648", 1, "-2147483648"},
    {"zero_x_fails", "0x", std::nullopt, "0x"},
    {"double_minus_fails", "--1", std::nullopt, "--1"},
    {"plus_minus_fails", "+-1", std::nullopt, "+-1"},
    {"empty_fails", "", std::nullopt, ""},
    {"letters_fail", "abc", std::nullopt, "abc"},
    {"tab_fails", "\t7", std::nullopt, "\t7"},
};

INSTANTIATE_TEST_SUITE_P(Texts, PunchesLineAcceptance, testing::ValuesIn(kPunchesRows),
                         [](const testing::TestParamInfo<NumberLineRow>& info) { return info.param.name; });

// A box that already shows the value writes nothing: loading a second file
// into the same editor keeps that file's own text where the shown number
// does not change.
TEST(FighterLoadAcceptance, SecondLoadKeepsTheTextOfLinesWhoseBoxAlreadyShowsTheValue) {
  Loaded loaded;
  Lines first = SampleFighter();
  first[0] = "7";
  first[1] = "20";
  first[2] = "1";
  LoadInto(loaded, Join(first));
  ASSERT_EQ(loaded.failure, std::nullopt);

  Lines second = SampleFighter();
  second[0] = " 7";    // box shows 7 already
  second[1] = "25";    // clamps to 20, which the box shows already
  second[2] = "$02";   // 2: a change from 1
  second[3] = "0007";  // 7: the box shows 7 from the first file
  second[17] =
      "Jos\xE9 Pe\xF1"
      "a";  // the edit shows this already
  LoadInto(loaded, Join(second));
  ASSERT_EQ(loaded.failure, std::nullopt);

  EXPECT_EQ(loaded.record.Lines().Get(0), " 7");
  EXPECT_EQ(loaded.record.Lines().Get(1), "25");
  EXPECT_EQ(loaded.record.Lines().Get(2), "2");
  EXPECT_EQ(loaded.record.Lines().Get(3), "0007");
  EXPECT_EQ(loaded.form.Attribute(FighterField::Kicks), 20);
  EXPECT_EQ(loaded.form.Attribute(FighterField::Strength), 2);
}

// The game-plan and weight-class lines are read but never written back;
// a code outside the list selects nothing.
struct CodeRow {
  const char* name;
  std::string gamePlan;
  std::string weightClass;
  int gamePlanIndex;
  int weightClassIndex;
};

void PrintTo(const CodeRow& row, std::ostream* os) { *os << row.name; }

class ListCodesAcceptance : public testing::TestWithParam<CodeRow> {};

TEST_P(ListCodesAcceptance, SelectTheItemAndKeepTheFileText) {
  const CodeRow& row = GetParam();
  Lines lines = SampleFighter();
  lines[19] = row.gamePlan;
  lines[20] = row.weightClass;
  const Loaded loaded = LoadFresh(Join(lines));
  ASSERT_EQ(loaded.failure, std::nullopt);
  EXPECT_EQ(loaded.form.GamePlanIndex(), row.gamePlanIndex);
  EXPECT_EQ(loaded.form.WeightClassIndex(), row.weightClassIndex);
  EXPECT_EQ(loaded.record.Lines().Get(19), row.gamePlan);
  EXPECT_EQ(loaded.record.Lines().Get(20), row.weightClass);
}

const CodeRow kCodeRows[] = {
    {"first_items", "1", "-1", 0, 0},
    {"second_items", "2", "0", 1, 1},
    {"last_items", "3", "4", 2, 5},
    {"zero_game_plan_and_weight_two", "0", "2", kNoSelection, 3},
    {"codes_past_the_end", "4", "5", kNoSelection, kNoSelection},
    {"codes_before_the_start", "-1", "-2", kNoSelection, kNoSelection},
    {"spaced_and_hex_codes", " 1", "$FFFFFFFF", 0, 0},
    {"extreme_codes", "-2147483648", "2147483647", kNoSelection, kNoSelection},
};

INSTANTIATE_TEST_SUITE_P(Codes, ListCodesAcceptance, testing::ValuesIn(kCodeRows),
                         [](const testing::TestParamInfo<CodeRow>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Short and long files.

struct LengthRow {
  const char* name;
  int lineCount;
  std::optional<std::string> loadFailure;
  std::optional<std::string> saveFailure;
};

void PrintTo(const LengthRow& row, std::ostream* os) { *os << row.name; }

class FileLengthAcceptance : public testing::TestWithParam<LengthRow> {};

TEST_P(FileLengthAcceptance, FailsAtTheFirstMissingLine) {
  const LengthRow& row = GetParam();
  Lines lines = SampleFighter();
  lines.resize(static_cast<std::size_t>(row.lineCount), "1");
  Loaded loaded = LoadFresh(Join(lines));
  EXPECT_EQ(loaded.failure, row.loadFailure);
  EXPECT_EQ(loaded.record.Lines().Count(), row.lineCount);
  if (row.loadFailure) return;

  try {
    loaded.record.PrepareForSave();
    EXPECT_EQ(row.saveFailure, std::nullopt);
  } catch (const ListError& error) {
    EXPECT_EQ(error.message(), row.saveFailure);
  }
}

const LengthRow kLengthRows[] = {
    {"empty", 0, "List index out of bounds (0)", {}},
    {"ten_lines", 10, "List index out of bounds (10)", {}},
    {"attributes_only", 17, "List index out of bounds (17)", {}},
    {"without_game_plan", 19, "List index out of bounds (19)", {}},
    {"without_height", 21, "List index out of bounds (21)", {}},
    {"without_ground_game", 23, "List index out of bounds (23)", {}},
    {"without_sherdog", 26, "List index out of bounds (26)", {}},
    {"without_line_27", 27, {}, "List index out of bounds (27)"},
    {"complete", 28, {}, {}},
    {"thirty", 30, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Lengths, FileLengthAcceptance, testing::ValuesIn(kLengthRows),
                         [](const testing::TestParamInfo<LengthRow>& info) { return info.param.name; });

TEST(FighterLoadAcceptance, TwentySevenLinesFillTheEmptyLinesBeforeFailingAtTheMissingOne) {
  Lines lines = SampleFighter();
  lines.resize(27);
  lines[21] = "";
  lines[26] = "";
  Loaded loaded = LoadFresh(Join(lines, "\n"));
  ASSERT_EQ(loaded.failure, std::nullopt);
  EXPECT_THROW(loaded.record.PrepareForSave(), ListError);
  EXPECT_EQ(loaded.record.Lines().Get(21), "1");
  EXPECT_EQ(loaded.record.Lines().Get(26), "1");
}

TEST(FighterLoadAcceptance, ThirtyLinesAreSavedBackWithTheExtraLinesUnchanged) {
  Lines lines = SampleFighter();
  lines[27] = "";
  lines.push_back("");
  lines.push_back(" extra \t");
  Loaded loaded = LoadFresh(Join(lines, "\r"));
  ASSERT_EQ(loaded.failure, std::nullopt);
  loaded.record.PrepareForSave();

  test::TempDirectory directory;
  const std::string path = directory / "saved.txt";
  loaded.record.SaveToFile(path);
  Lines expected = SampleFighter();
  expected[27] = "1";  // the fill reaches line 27, not beyond
  expected.push_back("");
  expected.push_back(" extra \t");
  EXPECT_EQ(test::ReadBytes(path), Join(expected));
}

// A failure in the middle keeps what came before it: punches to agility
// come from the file, dodge and after keep what they showed.
TEST(FighterLoadAcceptance, FailureOnDodgeKeepsTheAttributesBeforeIt) {
  Loaded loaded;
  LoadInto(loaded, Join(Lines(28, "3")));
  ASSERT_EQ(loaded.failure, std::nullopt);

  Lines lines = SampleFighter();
  lines[5] = "abc";
  lines[4] = "25";
  LoadInto(loaded, Join(lines));
  EXPECT_EQ(loaded.failure, "'abc' is not a valid integer value");
  EXPECT_EQ(loaded.form.Attribute(FighterField::Punches), 12);
  EXPECT_EQ(loaded.form.Attribute(FighterField::Agility), 20);
  EXPECT_EQ(loaded.form.Attribute(FighterField::Dodge), 3);
  EXPECT_EQ(loaded.form.Attribute(FighterField::GroundGame), 3);
  EXPECT_EQ(loaded.form.Text(FighterField::FullName), "3");
  Lines expected = lines;
  expected[4] = "20";
  EXPECT_EQ(LinesOf(loaded.record.Lines()), expected);
}

// After a failed load of a short file, a control whose line lies beyond the
// end still changes, then its write fails; lines that exist take the write.
TEST(FighterLoadAcceptance, ChangesAfterAShortLoadFailBeyondTheEnd) {
  Loaded loaded = LoadFresh(Join(Cut(SampleFighter(), 10)));
  ASSERT_EQ(loaded.failure, "List index out of bounds (10)");
  EXPECT_EQ(MessageOf<ListError>([&] { loaded.form.SetText(FighterField::FullName, "Ana", loaded.record); }),
            "List index out of bounds (17)");
  EXPECT_EQ(loaded.form.Text(FighterField::FullName), "Ana");
  EXPECT_EQ(
      MessageOf<ListError>([&] { loaded.form.SetAttribute(FighterField::GroundGame, 9, loaded.record); }),
      "List index out of bounds (23)");
  EXPECT_EQ(loaded.form.Attribute(FighterField::GroundGame), 9);
  loaded.form.SetAttribute(FighterField::Kicks, 2, loaded.record);
  EXPECT_EQ(loaded.record.Lines().Get(1), "2");
  EXPECT_EQ(MessageOf<ListError>([&] { loaded.record.PrepareForSave(); }), "List index out of bounds (10)");
}

TEST(FighterLoadAcceptance, LineEndingsDoNotChangeWhatIsLoaded) {
  const Lines lines = SampleFighter();
  const Loaded crlf = LoadFresh(Join(lines, "\r\n"));
  for (const std::string end : {"\n", "\r"}) {
    const Loaded other = LoadFresh(Join(lines, end));
    EXPECT_EQ(other.failure, std::nullopt);
    EXPECT_EQ(LinesOf(other.record.Lines()), LinesOf(crlf.record.Lines()));
    EXPECT_EQ(other.form.Attributes().Get(FighterField::Pace), 19);
  }
  // LF CR is two breaks: every line after the first moves down one.
  const Loaded lfcr = LoadFresh(Join(lines, "\n\r"));
  EXPECT_EQ(lfcr.failure, "'' is not a valid integer value");
}

// A file that cannot be opened leaves the record and the boxes as they were.
TEST(FighterLoadAcceptance, UnopenableFileLeavesTheRecordUntouched) {
  Loaded loaded;
  LoadInto(loaded, Join(SampleFighter()));
  const Lines before = LinesOf(loaded.record.Lines());

  test::TempDirectory directory;
  for (const std::string& path : {directory / "missing.txt", directory.path()}) {
    try {
      loaded.record.LoadFromFile(path);
      FAIL() << path;
    } catch (const FileOpenError& error) {
      const std::string reason = path.back() == '/' ? "Is a directory" : "No such file or directory";
      EXPECT_EQ(error.message(), "Cannot open file \"" + path + "\". " + reason);
    }
    EXPECT_EQ(LinesOf(loaded.record.Lines()), before);
  }
}

TEST(FighterLoadAcceptance, FileOfMoreThanSixteenMebibytesIsRefused) {
  test::TempDirectory directory;
  const std::string path = directory / "huge.txt";
  test::WriteBytes(path, Join(SampleFighter()) + std::string(16 * 1024 * 1024, 'x'));
  FighterRecord record;
  EXPECT_EQ(MessageOf<FileOpenError>([&] { record.LoadFromFile(path); }),
            "Cannot open file \"" + path + "\". File too large");
  EXPECT_EQ(record.Lines().Count(), kFighterLineCount);
}

// ---------------------------------------------------------------------------
// Saving.

TEST(FighterSaveAcceptance, NewRecordWithOnlyTheRequiredFieldsSavesOnesEverywhereElse) {
  FighterRecord record;
  FighterForm form;
  form.SetText(FighterField::FullName, "Ana", record);
  form.SetText(FighterField::ShortName, "A", record);
  form.SetText(FighterField::SherdogId, "77", record);
  record.PutGamePlanIndex(0);                           // "Submission"
  record.PutWeightClassIndex(5);                        // "Heavyweight"
  form.SetAttribute(FighterField::Punches, 1, record);  // shows 1 already: writes nothing
  record.PrepareForSave();

  test::TempDirectory directory;
  const std::string path = directory / "Ana.txt";
  record.SaveToFile(path);
  Lines expected(28, "1");
  expected[17] = "Ana";
  expected[18] = "A";
  expected[19] = "1";
  expected[20] = "4";
  expected[26] = "77";
  EXPECT_EQ(test::ReadBytes(path), Join(expected));
}

TEST(FighterSaveAcceptance, ListCodesAreWrittenAsPlainSignedDecimals) {
  FighterRecord record;
  record.PutWeightClassIndex(0);
  record.PutGamePlanIndex(2);
  EXPECT_EQ(record.Lines().Get(20), "-1");
  EXPECT_EQ(record.Lines().Get(19), "3");
}

// After a save the form is cleared: the boxes go back to 1 and the edits to
// empty through their change rule, so only changed controls touch the record.
TEST(FighterSaveAcceptance, ClearAfterSaveKeepsTheListAndExtraLines) {
  Lines lines = SampleFighter();
  lines[21] = "";  // height empty at save time
  lines[1] = "1";  // kicks already 1
  lines[27] = "x";
  Loaded loaded = LoadFresh(Join(lines));
  ASSERT_EQ(loaded.failure, std::nullopt);
  loaded.record.PrepareForSave();

  for (const FighterField field : kAttributeFields) loaded.form.SetAttribute(field, 1, loaded.record);
  for (const FieldDescription& field : kFighterFields) {
    if (field.content == FieldContent::FreeText) loaded.form.SetText(field.field, "", loaded.record);
  }
  Lines expected(28, "");
  for (const FighterField field : kAttributeFields) expected[static_cast<std::size_t>(LineOf(field))] = "1";
  expected[19] = "2";
  expected[20] = "0";
  expected[21] = "1";  // never changed by the clear: keeps the fill
  expected[27] = "x";
  EXPECT_EQ(LinesOf(loaded.record.Lines()), expected);
}

TEST(FighterSaveAcceptance, AttributeEncodingIsThePlainInteger) {
  FighterRecord record;
  for (int value = 1; value <= 20; ++value) {
    record.PutAttribute(FighterField::Pace, value);
    EXPECT_EQ(record.Lines().Get(14), std::to_string(value));
  }
  record.PutAttribute(FighterField::Pace, 2.5L);
  EXPECT_EQ(record.Lines().Get(14), "2.5");
}

TEST(FighterSaveAcceptance, UnwritableTargetsFailWithTheCreateMessage) {
  test::TempDirectory directory;
  FighterRecord record;
  record.PrepareForSave();
  const std::string missing = directory / "no/such/fighter.txt";
  EXPECT_EQ(MessageOf<FileCreateError>([&] { record.SaveToFile(missing); }),
            "Cannot create file \"" + missing + "\". No such file or directory");
  const std::string folder = directory / "sub";
  std::filesystem::create_directory(folder);
  EXPECT_EQ(MessageOf<FileCreateError>([&] { record.SaveToFile(folder); }),
            "Cannot create file \"" + folder + "\". Is a directory");
}

TEST(FighterSaveAcceptance, EmptyListSavesAnEmptyFile) {
  test::TempDirectory directory;
  const std::string path = directory / "empty.txt";
  test::WriteBytes(path, "old content\r\n");
  TStringList().SaveToFile(path);
  EXPECT_EQ(test::ReadBytes(path), "");
}

}  // namespace
}  // namespace ostrak
