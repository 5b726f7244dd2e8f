// ostrak-fighter run as a separate program, with its output and exit status
// checked exactly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace {

using ostrak::test::RunTool;
using ostrak::test::TempDirectory;
using Result = ostrak::test::ToolResult;
using ostrak::test::WriteBytes;

// A fighter file; `lines` replace the lines of the same numbers.
std::string Fighter(std::vector<std::pair<int, std::string>> changes = {}, int count = 28) {
  std::vector<std::string> lines = {
      "7", "25", "0", " $0A",         "007",  "5", "6",  "10",  "10", "10", "12",     "3",    "4",    "5",
      "6", "7",  "8", "Jos\xE9 Aldo", "Aldo", "2", "-1", "170", "66", "10", "Brasil", "1986", "1234", "1"};
  for (auto& [line, text] : changes) {
    if (line >= static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(line) + 1);
    lines[static_cast<std::size_t>(line)] = text;
  }
  lines.resize(static_cast<std::size_t>(count));
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

class FighterTool : public ::testing::Test {
protected:
  void SetUp() override {
    WriteBytes(dir / "good.txt", Fighter());
    WriteBytes(dir / "space.txt", Fighter({{0, "7 "}}));
    WriteBytes(dir / "short.txt", Fighter({}, 23));
    WriteBytes(dir / "27.txt", Fighter({}, 27));
    WriteBytes(dir / "30.txt", Fighter({{28, "extra\x1B[31m"}, {29, "\xF1"}}, 30));
    WriteBytes(dir / "outside.txt", Fighter({{19, "4"}, {20, "5"}}));
  }
  TempDirectory dir;
};

TEST_F(FighterTool, CheckReportsTheFirstFailureOfEachFile) {
  const Result r =
      RunTool(dir, {"check", "good.txt", "space.txt", "short.txt", "27.txt", "missing.txt", "30.txt"});
  EXPECT_EQ(r.out,
            "good.txt: ok\n"
            "space.txt: '7 ' is not a valid integer value\n"
            "short.txt: List index out of bounds (23)\n"
            "27.txt: ok (cannot be saved: List index out of bounds (27))\n"
            "missing.txt: Cannot open file \"" +
                dir.path() +
                "missing.txt\". No such file or directory\n"
                "30.txt: ok\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
}

TEST_F(FighterTool, CheckSucceedsWhenEveryFileLoads) {
  const Result r = RunTool(dir, {"check", "good.txt", "27.txt"});
  EXPECT_EQ(r.status, 0);
}

TEST_F(FighterTool, ConversionMessagesShowTheFileTextAsUtf8) {
  WriteBytes(dir / "accent.txt", Fighter({{3, "\xF1"}}));
  const Result r = RunTool(dir, {"check", "accent.txt"});
  EXPECT_EQ(r.out, "accent.txt: '\xC3\xB1' is not a valid integer value\n");
}

TEST_F(FighterTool, RatingsInCsvWithAnErrorColumnWhenAFileFails) {
  // good.txt loads as punches 7, kicks 20, strength 1, clinch 10, agility 7,
  // dodge 5, motivation 6, TD 10, TD defence 10, GnP 10, submission 12,
  // submission defence 3, stamina 4, fortitude 5, pace 6, aggressivity 7,
  // KO resistance 8, ground game 10.
  Result r = RunTool(dir, {"ratings", "--format", "csv", "good.txt"});
  EXPECT_EQ(r.out, "file,ground,striking,defense,fitness,mental,overall\ngood.txt,52,62,30,25,32,40\n");
  EXPECT_EQ(r.status, 0);

  r = RunTool(dir, {"ratings", "--format=csv", "good.txt", "missing.txt", "space.txt"});
  EXPECT_EQ(r.out,
            "file,ground,striking,defense,fitness,mental,overall,error\n"
            "good.txt,52,62,30,25,32,40,\n"
            "missing.txt,,,,,,,\"Cannot open file \"\"" +
                dir.path() +
                "missing.txt\"\". No such file or directory\"\n"
                "space.txt,,,,,,,'7 ' is not a valid integer value\n");
  EXPECT_EQ(r.status, 1);
}

TEST_F(FighterTool, RatingsInJson) {
  const Result r = RunTool(dir, {"ratings", "--format", "json", "good.txt", "short.txt"});
  EXPECT_EQ(r.out,
            "[\n"
            "  {\"file\": \"good.txt\", \"ground\": 52, \"striking\": 62, \"defense\": 30, \"fitness\": 25, "
            "\"mental\": 32, \"overall\": 40},\n"
            "  {\"file\": \"short.txt\", \"error\": \"List index out of bounds (23)\"}\n"
            "]\n");
  EXPECT_EQ(r.status, 1);
}

TEST_F(FighterTool, RatingsTableIsTheDefault) {
  const Result r = RunTool(dir, {"ratings", "good.txt", "space.txt"});
  EXPECT_EQ(r.out,
            "File       Ground  Striking  Defense  Fitness  Mental  Overall\n"
            "good.txt      52%       62%      30%      25%     32%      40%\n"
            "space.txt  error: '7 ' is not a valid integer value\n");
}

TEST_F(FighterTool, ShowPrintsWhatTheEditorShows) {
  const Result r = RunTool(dir, {"show", "30.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "Punches:            7\n"
            "Kicks:              20\n"
            "Strength:           1\n"
            "Clinch:             10\n"
            "Agility:            7\n"
            "Dodge:              5\n"
            "Motivation:         6\n"
            "Takedowns:          10\n"
            "Takedown defence:   10\n"
            "Ground-and-pound:   10\n"
            "Submission:         12\n"
            "Submission defence: 3\n"
            "Stamina:            4\n"
            "Fortitude:          5\n"
            "Pace:               6\n"
            "Aggressivity:       7\n"
            "KO resistance:      8\n"
            "Full name:          Jos\xC3\xA9 Aldo\n"
            "Common name:        Aldo\n"
            "Game plan:          KO\n"
            "Weight class:       Featherweight: Max Max 145 lb / 66 kg\n"
            "Height:             170\n"
            "Weight:             66\n"
            "Ground game:        10\n"
            "Nationality:        Brasil\n"
            "Date of birth:      1986\n"
            "Sherdog ID:         1234\n"
            "Kept as loaded:\n"
            "  line 27: 1\n"
            "  line 28: extra\\x1B[31m\n"
            "  line 29: \xC3\xB1\n");
}

TEST_F(FighterTool, ShowNamesNoItemForCodesOutsideTheLists) {
  const Result r = RunTool(dir, {"show", "outside.txt"});
  EXPECT_NE(r.out.find("Game plan:          (none)\n"), std::string::npos);
  EXPECT_NE(r.out.find("Weight class:       (none)\n"), std::string::npos);
}

TEST_F(FighterTool, ShowOfAFailedLoadGivesTheMessageAndThePartialForm) {
  const Result r = RunTool(dir, {"show", "space.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "space.txt: '7 ' is not a valid integer value\n");
  EXPECT_NE(r.out.find("Punches:            1\n"), std::string::npos);
  EXPECT_NE(r.out.find("Full name:          \n"), std::string::npos);
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  int status;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class FighterToolUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(FighterToolUsage, ExitStatus) {
  TempDirectory dir;
  WriteBytes(dir / "good.txt", Fighter());
  const Result r = RunTool(dir, GetParam().args);
  EXPECT_EQ(r.status, GetParam().status);
  if (r.status == 2) {
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Try 'ostrak-fighter --help'."), std::string::npos);
  } else {
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(r.out.empty());
  }
}

const UsageCase kUsageCases[] = {
    {"no_command", {}, 2},
    {"unknown_command", {"verify", "good.txt"}, 2},
    {"check_without_files", {"check"}, 2},
    {"unknown_format", {"ratings", "--format", "xml", "good.txt"}, 2},
    {"format_without_value", {"ratings", "good.txt", "--format"}, 2},
    {"format_for_check", {"check", "--format", "csv", "good.txt"}, 2},
    {"unknown_option", {"check", "-x", "good.txt"}, 2},
    {"show_two_files", {"show", "good.txt", "good.txt"}, 2},
    {"help", {"--help"}, 0},
    {"help_after_command", {"ratings", "-h"}, 0},
    {"version", {"--version"}, 0},
    {"file_after_double_dash", {"check", "--", "good.txt"}, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, FighterToolUsage, ::testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
