// ostrak-fighter checked from the outside on files written by hand: the exact
// lines of check, ratings in its three formats, show, and the usage errors.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "FighterLines.h"
#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// ---------------------------------------------------------------------------
// check

struct CheckRow {
  const char* name;
  std::string bytes;
  std::string verdict;  // after "FILE: "
};

// Failure reports name the row instead of dumping its bytes.
void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

class CheckAcceptance : public testing::TestWithParam<CheckRow> {};

TEST_P(CheckAcceptance, PrintsTheFirstFailureTheLoadMeets) {
  const CheckRow& row = GetParam();
  TempDirectory dir;
  WriteBytes(dir / "f.txt", row.bytes);
  const ToolResult r = RunTool(dir, {"check", "f.txt"});
  EXPECT_EQ(r.out, "f.txt: " + row.verdict + "\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, row.verdict.rfind("ok", 0) == 0 ? 0 : 1);
}

const CheckRow kCheckRows[] = {
    {"crlf", Join(Sample()), "ok"},
    {"lf", Join(Sample(), "\n"), "ok"},
    {"cr", Join(Sample(), "\r"), "ok"},
    {"lf_cr_shifts_every_line", Join(Sample(), "\n\r"), "'' is not a valid integer value"},
    {"no_final_break", Join(Sample()).substr(0, Join(Sample()).size() - 2), "ok"},
    {"trailing_space", Join(With(Sample(), 0, "7 ")), "'7 ' is not a valid integer value"},
    {"leading_space", Join(With(Sample(), 0, " 7")), "ok"},
    {"tab", Join(With(Sample(), 3, "\t7")), "'\t7' is not a valid integer value"},
    {"hex_and_clamped", Join(With(With(Sample(), 0, "$0A"), 1, "0X7FFFFFFF")), "ok"},
    {"nine_hex_digits", Join(With(Sample(), 9, "$100000000")), "'$100000000' is not a valid integer value"},
    {"double_sign", Join(With(Sample(), 16, "+-1")), "'+-1' is not a valid integer value"},
    {"game_plan_word", Join(With(Sample(), 19, "KO")), "'KO' is not a valid integer value"},
    {"weight_class_empty", Join(With(Sample(), 20, "")), "'' is not a valid integer value"},
    {"ground_game_letters", Join(With(Sample(), 23, "abc")), "'abc' is not a valid integer value"},
    {"names_are_not_parsed", Join(With(Sample(), 17, "12 ")), "ok"},
    {"first_failure_wins", Join(With(With(Sample(), 23, "x"), 5, "y")), "'y' is not a valid integer value"},
    {"accented_line_as_utf8", Join(With(Sample(), 2, "\xF1")), "'\xC3\xB1' is not a valid integer value"},
    {"nul_cuts_the_file", Join(Cut(Sample(), 20)) + std::string(1, '\0') + Join(Sample()),
     "List index out of bounds (20)"},
    {"empty", "", "List index out of bounds (0)"},
    {"twenty_three_lines", Join(Cut(Sample(), 23)), "List index out of bounds (23)"},
    {"twenty_six_lines", Join(Cut(Sample(), 26)), "List index out of bounds (26)"},
    {"twenty_seven_lines", Join(Cut(Sample(), 27)), "ok"},
    {"thirty_lines", Join(Sample()) + "x\r\n\r\n", "ok"},
    {"bom", "\xEF\xBB\xBF" + Join(Sample()),
     "'\xC3\xAF\xC2\xBB\xC2\xBF"
     "12' is not a valid integer value"},
};

INSTANTIATE_TEST_SUITE_P(Files, CheckAcceptance, testing::ValuesIn(kCheckRows),
                         [](const testing::TestParamInfo<CheckRow>& info) { return info.param.name; });

TEST(CheckAcceptance, OneLinePerFileInOrderAndStatusOneWhenAnyFails) {
  TempDirectory dir;
  WriteBytes(dir / "good.txt", Join(Sample()));
  WriteBytes(dir / "short.txt", Join(Cut(Sample(), 27)));
  std::filesystem::create_directory(dir / "folder");
  WriteBytes(dir / "folder/in.txt", Join(Cut(Sample(), 3)));
  const ToolResult r = RunTool(dir, {"check", "good.txt", "missing.txt", "folder", "short.txt"});
  EXPECT_EQ(r.out,
            "good.txt: ok\n"
            "missing.txt: Cannot open file \"" +
                dir.path() +
                "missing.txt\". No such file or directory\n"
                "folder/in.txt: List index out of bounds (3)\n"
                "short.txt: ok\n");
  EXPECT_EQ(r.status, 1);

  EXPECT_EQ(RunTool(dir, {"check", "good.txt", "short.txt"}).status, 0);
}

TEST(CheckAcceptance, FileOverSixteenMebibytesIsRefused) {
  TempDirectory dir;
  WriteBytes(dir / "big.txt", Join(Sample()) + std::string(17 * 1024 * 1024, 'x'));
  const ToolResult r = RunTool(dir, {"check", "big.txt"});
  EXPECT_EQ(r.out, "big.txt: Cannot open file \"" + dir.path() + "big.txt\". File too large\n");
  EXPECT_EQ(r.status, 1);
}

// ---------------------------------------------------------------------------
// ratings

// Sample(): ground (8+6+5+3)/4 = 5.5 -> 27.5 -> 28; striking (12+9+7)/3 ->
// 46.67 -> 47; defense (10+14+16)/3 -> 66.67 -> 67; fitness (15+11+17+4+18)/5
// = 13 -> 65; mental (13+19+20)/3 -> 86.67 -> 87; overall 11.7 -> 58.5 -> 58.
constexpr const char* kSampleCsvRatings = "28,47,67,65,87,58";

TEST(RatingsAcceptance, CsvHasOneRowPerFileAndAnErrorColumnWhenOneFails) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "all20.txt", Join(Lines(28, "20")));
  WriteBytes(dir / "clamped.txt", Join(Lines(28, "25")));
  WriteBytes(dir / "zero.txt", Join(Lines(28, "0")));
  WriteBytes(dir / "bad.txt", Join(With(Sample(), 5, "7 ")));
  WriteBytes(dir / "short.txt", Join(Cut(Sample(), 27)));

  ToolResult r = RunTool(
      dir, {"ratings", "--format", "csv", "a.txt", "all20.txt", "clamped.txt", "zero.txt", "short.txt"});
  EXPECT_EQ(r.out, std::string("file,ground,striking,defense,fitness,mental,overall\n") + "a.txt," +
                       kSampleCsvRatings +
                       "\n"
                       "all20.txt,100,100,100,100,100,100\n"
                       "clamped.txt,100,100,100,100,100,100\n"
                       "zero.txt,5,5,5,5,5,5\n"
                       "short.txt," +
                       kSampleCsvRatings + "\n");
  EXPECT_EQ(r.status, 0);

  r = RunTool(dir, {"ratings", "--format=csv", "a.txt", "bad.txt", "nope.txt"});
  EXPECT_EQ(r.out, std::string("file,ground,striking,defense,fitness,mental,overall,error\n") + "a.txt," +
                       kSampleCsvRatings +
                       ",\n"
                       "bad.txt,,,,,,,'7 ' is not a valid integer value\n"
                       "nope.txt,,,,,,,\"Cannot open file \"\"" +
                       dir.path() + "nope.txt\"\". No such file or directory\"\n");
  EXPECT_EQ(r.status, 1);
}

TEST(RatingsAcceptance, CsvQuotesNamesAndMessagesThatNeedIt) {
  TempDirectory dir;
  WriteBytes(dir / "a,b.txt", Join(Sample()));
  WriteBytes(dir / "say \"hi\".txt", Join(Sample()));
  WriteBytes(dir / "two\nlines.txt", Join(Sample()));
  WriteBytes(dir / "comma.txt", Join(With(Sample(), 0, "1,5")));
  const ToolResult r = RunTool(
      dir, {"ratings", "--format", "csv", "a,b.txt", "say \"hi\".txt", "two\nlines.txt", "comma.txt"});
  EXPECT_EQ(r.out, std::string("file,ground,striking,defense,fitness,mental,overall,error\n") +
                       "\"a,b.txt\"," + kSampleCsvRatings + ",\n" + "\"say \"\"hi\"\".txt\"," +
                       kSampleCsvRatings + ",\n" + "\"two\nlines.txt\"," + kSampleCsvRatings + ",\n" +
                       "comma.txt,,,,,,,\"'1,5' is not a valid integer value\"\n");
}

QJsonArray ParseJson(const std::string& text) {
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  EXPECT_TRUE(document.isArray()) << text;
  return document.array();
}

TEST(RatingsAcceptance, JsonIsValidWithRatingsOrAnErrorPerFile) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "bad.txt", Join(With(Sample(), 0, "\x01\xE9\"\\")));
  WriteBytes(dir / "Jos\xC3\xA9\ttab.txt", Join(Lines(28, "20")));
  const ToolResult r =
      RunTool(dir, {"ratings", "--format", "json", "a.txt", "bad.txt", "Jos\xC3\xA9\ttab.txt"});
  EXPECT_EQ(r.status, 1);
  const QJsonArray rows = ParseJson(r.out);
  ASSERT_EQ(rows.size(), 3);

  const QJsonObject a = rows[0].toObject();
  EXPECT_EQ(a.value("file").toString(), "a.txt");
  const std::vector<std::pair<const char*, int>> expected = {
      {"ground", 28}, {"striking", 47}, {"defense", 67}, {"fitness", 65}, {"mental", 87}, {"overall", 58}};
  for (const auto& [key, value] : expected) EXPECT_EQ(a.value(key).toInt(-1), value) << key;
  EXPECT_FALSE(a.contains("error"));

  const QJsonObject bad = rows[1].toObject();
  EXPECT_EQ(bad.value("error").toString(),
            QString::fromUtf8("'\x01\xC3\xA9\"\\' is not a valid integer value"));
  EXPECT_FALSE(bad.contains("ground"));

  const QJsonObject accented = rows[2].toObject();
  EXPECT_EQ(accented.value("file").toString(), QString::fromUtf8("Jos\xC3\xA9\ttab.txt"));
  EXPECT_EQ(accented.value("overall").toInt(), 100);
}

TEST(RatingsAcceptance, JsonPutsOneFileOnEachLine) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "short.txt", Join(Cut(Sample(), 23)));
  const ToolResult r = RunTool(dir, {"ratings", "--format", "json", "a.txt", "short.txt"});
  EXPECT_EQ(r.out,
            "[\n"
            "  {\"file\": \"a.txt\", \"ground\": 28, \"striking\": 47, \"defense\": 67, \"fitness\": 65, "
            "\"mental\": 87, \"overall\": 58},\n"
            "  {\"file\": \"short.txt\", \"error\": \"List index out of bounds (23)\"}\n"
            "]\n");
}

TEST(RatingsAcceptance, TableLinesUpItsColumns) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "Jos\xC3\xA9 longer name.txt", Join(Lines(28, "1")));
  WriteBytes(dir / "bad.txt", Join(With(Sample(), 0, "7 ")));
  const ToolResult r = RunTool(dir, {"ratings", "a.txt", "Jos\xC3\xA9 longer name.txt", "bad.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "File                  Ground  Striking  Defense  Fitness  Mental  Overall\n"
            "a.txt                    28%       47%      67%      65%     87%      58%\n"
            "Jos\xC3\xA9 longer name.txt      5%        5%       5%       5%      5%       5%\n"
            "bad.txt               error: '7 ' is not a valid integer value\n");
}

// File names from another system need not be UTF-8: the readable formats
// show the stray bytes escaped, the machine formats replace them, and the
// output stays UTF-8 either way.
TEST(OutputEncodingAcceptance, NamesThatAreNotUtf8AreEscapedOrReplaced) {
  TempDirectory dir;
  WriteBytes(dir / "Jos\xE9.txt", Join(Sample()));
  ToolResult r = RunTool(dir, {"check", "Jos\xE9.txt", "Caf\xE9.txt"});
  EXPECT_EQ(r.out, "Jos\\xE9.txt: ok\nCaf\\xE9.txt: Cannot open file \"" + dir.path() +
                       "Caf\\xE9.txt\". No such file or directory\n");

  r = RunTool(dir, {"ratings", "Jos\xE9.txt"});
  EXPECT_EQ(r.out,
            "File         Ground  Striking  Defense  Fitness  Mental  Overall\n"
            "Jos\\xE9.txt     28%       47%      67%      65%     87%      58%\n");

  r = RunTool(dir, {"ratings", "--format", "csv", "Jos\xE9.txt"});
  EXPECT_EQ(r.out, std::string("file,ground,striking,defense,fitness,mental,overall\n") +
                       "Jos\xEF\xBF\xBD.txt," + kSampleCsvRatings + "\n");
}

// ---------------------------------------------------------------------------
// show

TEST(ShowAcceptance, PrintsEveryFieldAsTheEditorShowsItAndTheKeptLines) {
  TempDirectory dir;
  Lines lines = Sample();
  lines[0] = " 7";
  lines[1] = "25";
  lines[2] = "$FFFFFFFF";
  lines[19] = "3";
  lines[20] = "-1";
  lines[22] =
      "\x93"
      "77\x94 kg\tnet";
  lines[27] = "";
  lines.push_back("\x1B[2J");
  lines.push_back("\x80 5");
  WriteBytes(dir / "f.txt", Join(lines, "\n"));
  const ToolResult r = RunTool(dir, {"show", "f.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Punches:            7\n"
            "Kicks:              20\n"
            "Strength:           1\n"
            "Clinch:             7\n"
            "Agility:            11\n"
            "Dodge:              10\n"
            "Motivation:         13\n"
            "Takedowns:          8\n"
            "Takedown defence:   14\n"
            "Ground-and-pound:   6\n"
            "Submission:         5\n"
            "Submission defence: 16\n"
            "Stamina:            17\n"
            "Fortitude:          18\n"
            "Pace:               19\n"
            "Aggressivity:       20\n"
            "KO resistance:      4\n"
            "Full name:          Jos\xC3\xA9 Mu\xC3\xB1oz\n"
            "Common name:        Pepe\n"
            "Game plan:          GnP\n"
            "Weight class:       Featherweight: Max Max 145 lb / 66 kg\n"
            "Height:             180 cm\n"
            "Weight:             \xE2\x80\x9C"
            "77\xE2\x80\x9D kg\tnet\n"
            "Ground game:        3\n"
            "Nationality:        Per\xC3\xBA\n"
            "Date of birth:      01/02/1990\n"
            "Sherdog ID:         12345\n"
            "Kept as loaded:\n"
            "  line 27: \n"
            "  line 28: \\x1B[2J\n"
            "  line 29: \xE2\x82\xAC 5\n");
}

TEST(ShowAcceptance, CodesOutsideTheListsShowNoneAndAShortFileGetsAnEmptyLine27) {
  TempDirectory dir;
  Lines lines = Cut(Sample(), 27);
  lines[19] = "0";
  lines[20] = "5";
  WriteBytes(dir / "f.txt", Join(lines));
  const ToolResult r = RunTool(dir, {"show", "f.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Game plan:          (none)\nWeight class:       (none)\n"), std::string::npos)
      << r.out;
  const std::string last = "Sherdog ID:         12345\nKept as loaded:\n  line 27: \n";
  EXPECT_EQ(r.out.substr(r.out.size() - std::min(r.out.size(), last.size())), last);
}

// A failed load leaves the editor as it was: the tool shows nothing, names
// the failure on stderr and exits with 1.
TEST(ShowAcceptance, FailedLoadShowsOnlyTheMessage) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", Join(With(Sample(), 5, "abc")));
  ToolResult r = RunTool(dir, {"show", "f.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "f.txt: 'abc' is not a valid integer value\n");
  EXPECT_EQ(r.out, "");

  r = RunTool(dir, {"show", "missing.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "missing.txt: Cannot open file \"" + dir.path() + "missing.txt\". No such file or directory\n");
}

// ---------------------------------------------------------------------------
// Usage

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  std::string err;
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class UsageAcceptance : public testing::TestWithParam<UsageRow> {};

TEST_P(UsageAcceptance, ExitsWithTwoAndExplainsOnStderr) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  const ToolResult r = RunTool(dir, GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "ostrak-fighter: " + GetParam().err + "\nTry 'ostrak-fighter --help'.\n");
}

const UsageRow kUsageRows[] = {
    {"nothing",
     {},
     "missing command (check, ratings, show, export, import, set, duplicates, merge, diff, card, history, "
     "undo, "
     "redo or restore)"},
    {"unknown_command",
     {"verify", "a.txt"},
     "unknown command 'verify' (expected check, ratings, show, export, import, set, duplicates, merge, diff, "
     "card, history, undo, redo or restore)"},
    {"check_without_files", {"check"}, "check: no file given"},
    {"ratings_without_files", {"ratings", "--format", "csv"}, "ratings: no file given"},
    {"unknown_format",
     {"ratings", "--format", "xml", "a.txt"},
     "unknown format 'xml' (expected table, csv or json)"},
    {"format_without_value", {"ratings", "a.txt", "--format"}, "--format needs a value: table, csv or json"},
    {"format_for_check", {"check", "--format", "csv", "a.txt"}, "unknown option '--format' for check"},
    {"show_two_files", {"show", "a.txt", "a.txt"}, "show takes exactly one file"},
    {"unknown_option", {"check", "-x", "a.txt"}, "unknown option '-x' for check"},
    {"export_as_table",
     {"export", "--format", "table", "a.txt"},
     "unknown format 'table' (expected csv or json)"},
    {"import_two_tables", {"import", "a.csv", "b.csv"}, "import takes exactly one table"},
    {"import_without_table", {"import", "--dry-run"}, "import: no table given"},
    {"into_without_folder", {"import", "a.csv", "--into"}, "--into needs a value: a folder"},
    {"into_for_set", {"set", "a.txt", "--into", "x"}, "unknown option '--into' for set"},
    {"set_without_change", {"set", "a.txt"}, "set: no COLUMN=VALUE given"},
    {"set_without_equals", {"set", "a.txt", "kicks"}, "set: 'kicks' is not COLUMN=VALUE"},
    {"set_unknown_column", {"set", "a.txt", "punch=1"}, "set: unknown column 'punch'"},
    {"set_file_column", {"set", "a.txt", "file=b.txt"}, "set: the file column cannot be set"},
    {"set_column_twice", {"set", "a.txt", "kicks=1", "kicks=2"}, "set: column 'kicks' given twice"},
};

INSTANTIATE_TEST_SUITE_P(Arguments, UsageAcceptance, testing::ValuesIn(kUsageRows),
                         [](const testing::TestParamInfo<UsageRow>& info) { return info.param.name; });

TEST(UsageAcceptance, HelpAndVersionGoToStdoutWithStatusZero) {
  TempDirectory dir;
  ToolResult r = RunTool(dir, {"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Usage: ostrak-fighter ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("ratings [--format table|csv|json] PATH..."), std::string::npos);
  EXPECT_EQ(r.err, "");

  EXPECT_EQ(RunTool(dir, {"ratings", "-h"}).out, r.out);

  r = RunTool(dir, {"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("ostrak-fighter ", 0), 0u) << r.out;
  EXPECT_EQ(r.out.back(), '\n');
}

TEST(UsageAcceptance, DoubleDashLetsAFileStartWithADash) {
  TempDirectory dir;
  WriteBytes(dir / "-odd.txt", Join(Sample()));
  const ToolResult r = RunTool(dir, {"check", "--", "-odd.txt"});
  EXPECT_EQ(r.out, "-odd.txt: ok\n");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
}  // namespace ostrak::test
