#include "record/LoadOrder.h"

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "record/FighterForm.h"

namespace ostrak {
namespace {

// Lines 0..27 of a complete fighter, in the editor's own encodings.
std::vector<std::string> CompleteLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 17; ++i) lines.push_back(std::to_string(i % 20 + 2));
  for (const char* rest :
       {"Full Name", "Short", "2", "0", "180 cm", "70 kg", "9", "Spain", "1990", "1234", "1"}) {
    lines.emplace_back(rest);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* lineBreak = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineBreak;
  return text;
}

TEST(LoadOrder, StepsParseAndConvertTheirLine) {
  TStringList lines;
  lines.SetText(Join(CompleteLines()));
  EXPECT_EQ(LoadOrder()[0].Number(lines), 2);
  EXPECT_EQ(LoadOrder()[19].Number(lines), 1);  // game plan code 2: KO
  EXPECT_EQ(LoadOrder()[20].Number(lines), 1);  // weight class code 0: Lightweight
  EXPECT_EQ(LoadOrder()[17].Text(lines), "Full Name");
}

TEST(FighterForm, LoadsEveryFieldOfAFile) {
  FighterRecord record;
  record.Lines().SetText(Join(CompleteLines()));
  FighterForm form;
  form.Load(record);
  EXPECT_EQ(form.Attribute(FighterField::Punches), 2);
  EXPECT_EQ(form.Attribute(FighterField::KOResistance), 18);
  EXPECT_EQ(form.Attribute(FighterField::GroundGame), 9);
  EXPECT_EQ(form.Text(FighterField::FullName), "Full Name");
  EXPECT_EQ(form.Text(FighterField::SherdogId), "1234");
  EXPECT_EQ(form.GamePlanIndex(), 1);
  EXPECT_EQ(form.WeightClassIndex(), 1);
  EXPECT_EQ(record.Lines().Text(), Join(CompleteLines()));  // every write-back wrote the same text
}

struct LineZeroCase {
  const char* name;
  const char* line;
  int shown;
  const char* recordLine;  // after the box wrote back
};

void PrintTo(const LineZeroCase& c, std::ostream* os) { *os << c.name; }

class AttributeLine : public ::testing::TestWithParam<LineZeroCase> {};

// The fresh box shows 1 and has reported 1: another value writes its
// clamped text back, the same value leaves the file's text.
TEST_P(AttributeLine, ClampsAndWritesBackOnlyAChange) {
  auto lines = CompleteLines();
  lines[0] = GetParam().line;
  FighterRecord record;
  record.Lines().SetText(Join(lines));
  FighterForm form;
  form.Load(record);
  EXPECT_EQ(form.Attribute(FighterField::Punches), GetParam().shown);
  EXPECT_EQ(record.Lines().Get(0), GetParam().recordLine);
}

const LineZeroCase kLineZeroCases[] = {
    {"above_the_range", "25", 20, "20"},
    {"zero", "0", 1, "0"},
    {"negative", "-3", 1, "-3"},
    {"leading_space", " 7", 7, "7"},
    {"hex", "$0A", 10, "10"},
    {"leading_zeros", "007", 7, "7"},
    {"one_with_sign", "+1", 1, "+1"},
    {"largest", "2147483647", 20, "20"},
    {"one_with_leading_zero", "01", 1, "01"},
    {"minus_zero", "-0", 1, "-0"},
    {"all_ones_hex_is_minus_one", "$FFFFFFFF", 1, "$FFFFFFFF"},
    {"hex_one_after_zeros", "$000000001", 1, "$000000001"},
    {"smallest", "-2147483648", 1, "-2147483648"},
    {"largest_hex", "0X7FFFFFFF", 20, "20"},
};

INSTANTIATE_TEST_SUITE_P(Table, AttributeLine, ::testing::ValuesIn(kLineZeroCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FighterForm, ABoxAlreadyShowingTheValueKeepsTheFilesText) {
  FighterRecord record;
  FighterForm form;
  form.SetAttribute(FighterField::Punches, 7, record);
  auto lines = CompleteLines();
  lines[0] = " 7";
  lines[1] = "25";
  form.SetAttribute(FighterField::Kicks, 20, record);
  record.Lines().SetText(Join(lines));
  form.Load(record);
  EXPECT_EQ(record.Lines().Get(0), " 7");
  EXPECT_EQ(record.Lines().Get(1), "25");
}

TEST(FighterForm, OtherLineEndsLoadTheSame) {
  for (const char* lineBreak : {"\n", "\r"}) {
    FighterRecord record;
    record.Lines().SetText(Join(CompleteLines(), lineBreak));
    FighterForm form;
    form.Load(record);
    EXPECT_EQ(record.Lines().Text(), Join(CompleteLines())) << "break " << int(lineBreak[0]);
  }
}

TEST(FighterForm, FirstFailureStopsTheLoadAndKeepsWhatWasSet) {
  auto lines = CompleteLines();
  lines[5] = "abc";
  FighterRecord record;
  record.Lines().SetText(Join(lines));
  FighterForm form;
  try {
    form.Load(record);
    FAIL() << "line 5 is not an integer";
  } catch (const ConversionError& failure) {
    EXPECT_EQ(failure.message(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(form.Attribute(FighterField::Agility), 6);  // line 4
  EXPECT_EQ(form.Attribute(FighterField::Dodge), 1);
  EXPECT_EQ(form.Attribute(FighterField::Motivation), 1);
  EXPECT_EQ(form.Text(FighterField::FullName), "");
}

struct ShortFileCase {
  int lines;
  std::string message;
};

TEST(FighterForm, ShortFilesFailAtTheFirstMissingLineOrLoad) {
  const ShortFileCase cases[] = {
      {0, "List index out of bounds (0)"},
      {17, "List index out of bounds (17)"},
      {23, "List index out of bounds (23)"},
      {26, "List index out of bounds (26)"},
      {27, ""},
  };
  for (const auto& c : cases) {
    auto lines = CompleteLines();
    lines.resize(static_cast<std::size_t>(c.lines));
    FighterRecord record;
    record.Lines().SetText(Join(lines));
    FighterForm form;
    std::string message;
    try {
      form.Load(record);
    } catch (const ListError& failure) {
      message = failure.message();
    }
    EXPECT_EQ(message, c.message) << c.lines << " lines";
  }
}

TEST(FighterForm, CodesOutsideTheListsSelectNothingAndStayInTheRecord) {
  auto lines = CompleteLines();
  lines[19] = "7";
  lines[20] = "-2";
  FighterRecord record;
  record.Lines().SetText(Join(lines));
  FighterForm form;
  form.Load(record);
  EXPECT_EQ(form.GamePlanIndex(), kNoSelection);
  EXPECT_EQ(form.WeightClassIndex(), kNoSelection);
  EXPECT_EQ(record.Lines().Get(19), "7");
  EXPECT_EQ(record.Lines().Get(20), "-2");
}

TEST(FighterForm, LinesFromTwentySevenOnAreKept) {
  auto lines = CompleteLines();
  lines.push_back("extra 28");
  lines.push_back("");
  FighterRecord record;
  record.Lines().SetText(Join(lines));
  FighterForm form;
  form.Load(record);
  record.PrepareForSave();
  EXPECT_EQ(record.Lines().Count(), 30);
  EXPECT_EQ(record.Lines().Get(27), "1");
  EXPECT_EQ(record.Lines().Get(28), "extra 28");
  EXPECT_EQ(record.Lines().Get(29), "");  // only lines 0 to 27 are filled
}

// Like the drop-down lists they model: an index outside the items selects nothing.
TEST(FighterForm, ListIndexOutsideTheItemsClearsTheSelection) {
  FighterForm form;
  form.SetGamePlanIndex(2);
  form.SetWeightClassIndex(5);
  EXPECT_EQ(form.GamePlanIndex(), 2);
  EXPECT_EQ(form.WeightClassIndex(), 5);
  form.SetGamePlanIndex(3);
  form.SetWeightClassIndex(-2);
  EXPECT_EQ(form.GamePlanIndex(), kNoSelection);
  EXPECT_EQ(form.WeightClassIndex(), kNoSelection);
  form.SetWeightClassIndex(6);
  EXPECT_EQ(form.WeightClassIndex(), kNoSelection);
}

}  // namespace
}  // namespace ostrak
