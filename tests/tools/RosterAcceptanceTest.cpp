// ostrak-fighter export, import and set checked from the outside: tables and
// files written by hand with exact bytes expected, and random fighters taken
// through CSV and JSON and back byte for byte.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "FighterLines.h"
#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

const std::string kHeader =
    "file,punches,kicks,strength,clinch,agility,dodge,motivation,takedowns,takedown_defence,ground_and_pound,"
    "submission,submission_defence,stamina,fortitude,pace,aggressivity,ko_resistance,full_name,common_name,"
    "game_plan,weight_class,height,weight,ground_game,nationality,date_of_birth,sherdog_id,line_27,extra";

// Sample()'s lines as cells, in UTF-8, and its row with an empty extra.
const std::string kCells =
    "12,9,15,7,11,10,13,8,14,6,5,16,17,18,19,20,4,Jos\xC3\xA9 Mu\xC3\xB1oz,Pepe,2,0,180 cm,77 "
    "kg,3,Per\xC3\xBA,"
    "01/02/1990,12345,1";
const std::string kRow = "a.txt," + kCells + ",";
const std::string kCsv = kHeader + "\r\n" + kRow + "\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == ',') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// Sample()'s row as a JSON object; `more` holds further members.
std::string SampleObject(const std::string& more = "") {
  const auto names = Split(kHeader);
  const auto cells = Split(kCells);
  std::string json = "{\"file\": \"a.txt\"";
  for (std::size_t i = 0; i < cells.size(); ++i) json += ", \"" + names[i + 1] + "\": \"" + cells[i] + "\"";
  return json + more + "}";
}

Lines Plus(Lines lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

// ---------------------------------------------------------------------------
// export

TEST(ExportAcceptance, CsvHoldsEveryLineAsStoredAndLeavesOutWhatDoesNotLoad) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(With(With(With(Sample(), 0, " 7"), 1, "$0A"), 17, "Jos\xE9 \"Pepe\", M")));
  WriteBytes(dir / "b.txt", Join(Plus(Sample(), {"x\x80", ""}), "\n"));
  WriteBytes(dir / "c.txt", Join(Plus(Sample(), {""})));
  WriteBytes(dir / "short.txt", Join(Cut(Sample(), 27)));
  WriteBytes(dir / "bad.txt", Join(With(Sample(), 5, "abc")));
  const ToolResult r = RunTool(dir, {"export", "a.txt", "short.txt", "b.txt", "bad.txt", "c.txt"});
  EXPECT_EQ(r.out, kHeader + "\r\n" + "a.txt," +
                       Replace(Replace(kCells, "12,9,", " 7,$0A,"), "Jos\xC3\xA9 Mu\xC3\xB1oz",
                               "\"Jos\xC3\xA9 \"\"Pepe\"\", M\"") +
                       ",\r\n" + "short.txt," + Replace(kCells, ",12345,1", ",12345,") + ",\r\n" + "b.txt," +
                       kCells + ",\"x\xE2\x82\xAC\n\"\r\n" + "c.txt," + kCells + ",\"\"\r\n");
  EXPECT_EQ(r.err, "bad.txt: 'abc' is not a valid integer value\n");
  EXPECT_EQ(r.status, 1);
}

TEST(ExportAcceptance, JsonIsOneObjectPerFileWithExtraAsAList) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Plus(Sample(), {"\"x\"\t\\", ""})));
  ToolResult r = RunTool(dir, {"export", "--format", "json", "a.txt", "a.txt"});
  const std::string object = SampleObject(", \"extra\": [\"\\\"x\\\"\\t\\\\\", \"\"]");
  EXPECT_EQ(r.out, "[\n  " + object + ",\n  " + object + "\n]\n");
  EXPECT_EQ(r.status, 0);

  r = RunTool(dir, {"export", "--format=json", "missing.txt"});
  EXPECT_EQ(r.out, "[]\n");
  EXPECT_EQ(r.status, 1);
}

// ---------------------------------------------------------------------------
// import: one table each, into an empty folder

struct ImportRow {
  const char* name;
  std::string table;  // its file name
  std::string bytes;
  std::string err;  // "{dir}" stands for the test's folder; empty: a.txt is written
  Lines written = {};
};

void PrintTo(const ImportRow& row, std::ostream* os) { *os << row.name; }

class ImportAcceptance : public testing::TestWithParam<ImportRow> {};

TEST_P(ImportAcceptance, WritesEveryRowOrNothing) {
  const ImportRow& row = GetParam();
  TempDirectory dir;
  WriteBytes(dir / row.table, row.bytes);
  std::filesystem::create_directories(dir / "out/folder");
  const ToolResult r = RunTool(dir, {"import", "--into", "out", row.table});
  std::string err = row.err;
  if (const auto at = err.find("{dir}"); at != std::string::npos) err.replace(at, 5, dir.path());
  EXPECT_EQ(r.err, err);
  if (err.empty()) {
    EXPECT_EQ(r.out, "a.txt: written\n");
    EXPECT_EQ(ReadBytes(dir / "out/a.txt"), Join(row.written));
  } else {
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(TempDirectory::EntriesOf(dir / "out"), Lines{"folder"});
  }
  EXPECT_EQ(r.status, err.empty() ? 0 : 1);
}

const ImportRow kImportRows[] = {
    {"crlf_rows", "t.csv", kCsv, "", Sample()},
    {"bom_lf_rows_and_no_last_row_end", "t.csv", "\xEF\xBB\xBF" + kHeader + "\n" + kRow, "", Sample()},
    {"quotes_doubled_and_commas", "t.csv", Replace(kCsv, ",Pepe,", ",\"\"\"Pepe\"\", el, 2\","), "",
     With(Sample(), 18, "\"Pepe\", el, 2")},
    {"empty_cell_and_spaces_kept", "t.csv", Replace(kCsv, "180 cm,77 kg", ", 77 kg "), "",
     With(With(Sample(), 21, ""), 22, " 77 kg ")},
    {"integer_syntax_and_codes_kept_as_written", "t.csv",
     Replace(Replace(kCsv, "a.txt,12,9,", "a.txt, 7,$0A,"), "2,0,", "0,9,"), "",
     With(With(With(With(Sample(), 0, " 7"), 1, "$0A"), 19, "0"), 20, "9")},
    {"reordered_columns_without_extra", "t.csv",
     Replace(Replace(kHeader, "file,punches,kicks,", "kicks,file,punches,"), ",extra", "") +
         "\r\n9,a.txt,12," + Replace(kCells, "12,9,", "") + "\r\n",
     "", Sample()},
    {"blank_lines_are_no_rows", "t.csv", kHeader + "\r\n\r\n" + kRow + "\r\n\r\n", "", Sample()},
    {"extra_split_at_line_feeds", "t.csv", kHeader + "\n" + kRow + "\"x\n\n\xC3\xA9\"\n", "",
     Plus(Sample(), {"x", "", "\xE9"})},
    {"quoted_empty_extra_is_one_empty_line", "t.csv", kHeader + "\n" + kRow + "\"\"\n", "",
     Plus(Sample(), {""})},
    {"json_with_extra_list", "t.json", "[" + SampleObject(", \"extra\": [\"x\", \"\"]") + "]", "",
     Plus(Sample(), {"x", ""})},
    {"json_with_bom_and_no_extra", "T.JSON", "\xEF\xBB\xBF[" + SampleObject() + "]", "", Sample()},

    {"twenty_seven_line_columns", "t.csv",
     Replace(kHeader, ",line_27", "") + "\r\n" + Replace(kRow, ",1,", ","),
     "t.csv:1: line_27: missing column\n"},
    {"unknown_column", "t.csv", kHeader + ",notes\r\n" + kRow + ",x\r\n", "t.csv: notes: unknown column\n"},
    {"column_without_name", "t.csv", kHeader + ",\r\n" + kRow + ",\r\n", "t.csv: a column has no name\n"},
    {"duplicate_file", "t.csv", kCsv + Replace(kRow, "a.txt", "./a.txt"),
     "t.csv:2: file: names the same file as row 1\n"},
    {"character_without_windows_1252_byte", "t.csv", Replace(kCsv, "Pepe", "P\xC4\x93pe"),
     "t.csv:1: common_name: '\xC4\x93' (U+0113) has no Windows-1252 byte\n"},
    {"cell_with_line_break", "t.csv", Replace(kCsv, "Pepe", "\"Pe\r\npe\""),
     "t.csv:1: common_name: holds a line break (CR)\n"},
    {"attribute_abc", "t.csv", Replace(kCsv, "a.txt,12,", "a.txt,abc,"),
     "t.csv:1: punches: 'abc' is not a valid integer value\n"},
    {"one_bad_row_stops_every_row", "t.csv", kCsv + Replace(Replace(kRow, "a.txt", "b.txt"), "2,0,", "2,,"),
     "t.csv:2: weight_class: '' is no weight class: write its code (-1 to 4) or one of Featherweight, "
     "Lightweight, Welterweight, Middleweight, Light Heavyweight, Heavyweight\n"},
    {"every_failing_cell_named", "t.csv",
     Replace(Replace(kCsv, "a.txt,12,", "a.txt,7 ,"), "Pepe", "P\xC4\x93pe"),
     "t.csv:1: punches: '7 ' is not a valid integer value\nt.csv:1: common_name: '\xC4\x93' (U+0113) has no "
     "Windows-1252 byte\n"},
    {"cell_count", "t.csv", kCsv + kRow + ",x\r\n", "t.csv:2: has 31 cells where the header has 30\n"},
    {"quote_inside_a_cell", "t.csv", Replace(kCsv, "Pepe", "Pe\"pe"),
     "t.csv:1: common_name: a quote inside a cell that does not start with one\n"},
    {"unclosed_quote", "t.csv", kHeader + "\n" + kRow + "\"x",
     "t.csv:1: extra: a quoted cell has no closing quote\n"},
    {"file_is_a_folder", "t.csv", Replace(kCsv, "a.txt", "folder"),
     "t.csv:1: file: Cannot create file \"{dir}out/folder\". Is a directory\n"},
    {"empty_table", "t.csv", "", "t.csv: has no header row\n"},
    {"json_values_of_other_kinds", "t.json",
     "[" + Replace(SampleObject(", \"extra\": [1]"), "\"punches\": \"12\"", "\"punches\": 12") + "]",
     "t.json:1: punches: is not a JSON string\nt.json:1: extra: is not a JSON array of strings\n"},
    {"json_member_missing", "t.json", "[" + Replace(SampleObject(), ", \"kicks\": \"9\"", "") + "]",
     "t.json:1: kicks: missing column\n"},
    {"json_lone_surrogate_and_nul", "t.json",
     "[" + Replace(Replace(SampleObject(), "Pepe", "\\ud800"), "12345", "\\u0000") + "]",
     "t.json:1: common_name: is not UTF-8 text\nt.json:1: sherdog_id: holds a NUL character\n"},
};

INSTANTIATE_TEST_SUITE_P(Tables, ImportAcceptance, testing::ValuesIn(kImportRows),
                         [](const testing::TestParamInfo<ImportRow>& info) { return info.param.name; });

ino_t InodeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0);
  return status.st_ino;
}

TEST(ImportAcceptance, RewritesOnlyWhatChangesAndTheDryRunTouchesNothing) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "b.txt", Join(Sample()));
  WriteBytes(dir / "lf.txt", Join(Sample(), "\n"));
  const std::string table = RunTool(dir, {"export", "a.txt", "b.txt", "lf.txt"}).out;
  WriteBytes(dir / "t.csv", table);
  const ino_t a = InodeOf(dir / "a.txt");

  ToolResult r = RunTool(dir, {"import", "t.csv"});
  EXPECT_EQ(r.out, "a.txt: unchanged\nb.txt: unchanged\nlf.txt: unchanged\n");
  EXPECT_EQ(ReadBytes(dir / "lf.txt"), Join(Sample(), "\n"));
  EXPECT_EQ(InodeOf(dir / "a.txt"), a);

  WriteBytes(dir / "t.csv", Replace(table, "b.txt,12,", "b.txt,13,"));
  r = RunTool(dir, {"import", "--dry-run", "t.csv"});
  EXPECT_EQ(r.out, "a.txt: unchanged\nb.txt: would change punches 12 -> 13\nlf.txt: unchanged\n");
  EXPECT_EQ(ReadBytes(dir / "b.txt"), Join(Sample()));

  r = RunTool(dir, {"import", "t.csv"});
  EXPECT_EQ(r.out, "a.txt: unchanged\nb.txt: written\nlf.txt: unchanged\n");
  EXPECT_EQ(ReadBytes(dir / "b.txt"), Join(With(Sample(), 0, "13")));
  EXPECT_EQ(dir.Entries(), (Lines{"a.txt", "b.txt", "lf.txt", "t.csv"}));

  r = RunTool(dir, {"import", "--into", "new/roster", "t.csv"});
  EXPECT_EQ(r.out, "a.txt: written\nb.txt: written\nlf.txt: written\n");
  EXPECT_EQ(ReadBytes(dir / "new/roster/b.txt"), Join(With(Sample(), 0, "13")));
  EXPECT_EQ(r.status, 0);
}

// A dry run of import says of each file what set's says of the same change,
// whatever the file's line ends.
TEST(ImportAcceptance, TheDryRunSaysEachFieldBeforeAndAfterAsSetDoes) {
  const struct {
    std::vector<std::pair<std::string, std::string>> cells;  // the table's text, and what it becomes
    std::vector<std::string> assignments;                    // set's of the same change
    std::string said;                                        // after "FILE: "
  } rows[] = {
      {{{",0,180 cm,", ",3,180 cm,"}, {",Pepe,", ",Pepe Mu,"}, {",Per\xC3\xBA,", ",Brasil,"}},
       {"weight_class=3", "common_name=Pepe Mu", "nationality=Brasil"},
       "would change common_name Pepe -> \"Pepe Mu\", weight_class 0 -> 3, nationality Per\xC3\xBA -> "
       "Brasil"},
      {{}, {"punches=12"}, "unchanged"},
  };
  for (const char* end : {"\r\n", "\n", "\r"}) {
    TempDirectory dir;
    WriteBytes(dir / "b.txt", Join(Sample(), end));
    const std::string table = RunTool(dir, {"export", "b.txt"}).out;
    for (const auto& row : rows) {
      std::string edited = table;
      for (const auto& [from, to] : row.cells) edited = Replace(edited, from, to);
      WriteBytes(dir / "t.csv", edited);
      std::vector<std::string> set = {"set", "--dry-run", "b.txt"};
      set.insert(set.end(), row.assignments.begin(), row.assignments.end());
      for (const auto& args : {std::vector<std::string>{"import", "--dry-run", "t.csv"}, set})
        EXPECT_EQ(RunTool(dir, args).out, "b.txt: " + row.said + "\n") << args[0] << " " << row.said;
      EXPECT_EQ(ReadBytes(dir / "b.txt"), Join(Sample(), end));
    }
  }
}

// The options of the roster commands, and what the command line adds to the
// engine's words: a dry run's verbs, how to take a file outside, the notes.
TEST(RosterOptions, SayWhatTheyDoOrWhyTheyCannot) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  const struct {
    std::vector<std::string> args;
    std::string out;  // its start
    std::string err;
    int status;
  } rows[] = {
      {{"export", "--separator", ";", "--bom", "a.txt"},
       "\xEF\xBB\xBF"
       "file;punches;",
       "",
       0},
      {{"export", "--separator=tab", "a.txt"}, "file\tpunches\t", "", 0},
      {{"export", "--separator", "|", "a.txt"},
       "",
       "ostrak-fighter: unknown separator '|' (expected , ; or tab)",
       2},
      {{"export", "--format", "json", "--bom", "a.txt"}, "", "ostrak-fighter: --bom is for csv", 2},
      {{"import", "--dry-run", "--into", "new", "t.csv"}, "a.txt: would create\n", "", 0},
      {{"import", "--dry-run", "w.csv"},
       "a.txt: would change full_name ",
       "w.csv: is not UTF-8: read as Windows-1252\n",
       0},
      {{"import", "e.csv"},
       "",
       "e.csv:1: file: leaves the base folder \"" + dir.path().substr(0, dir.path().size() - 1) +
           "\" through \"..\" (choose another base folder with --into DIR, or pass --allow-outside)\n",
       1},
  };
  WriteBytes(dir / "t.csv", kCsv);
  WriteBytes(dir / "w.csv", Replace(kCsv, "Pepe", "P\xE9pe"));
  WriteBytes(dir / "e.csv", Replace(kCsv, "a.txt,", "../a.txt,"));
  for (const auto& row : rows) {
    const ToolResult r = RunTool(dir, row.args);
    EXPECT_EQ(r.out.substr(0, row.out.size()), row.out) << row.args[1];
    EXPECT_EQ(r.err.substr(0, row.err.size()), row.err) << row.args[1];
    EXPECT_EQ(r.status, row.status) << row.args[1];
  }
}

// ---------------------------------------------------------------------------
// set

TEST(SetAcceptance, ChangesSeveralLinesAtOnceAndTakesTheListsItemTexts) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", Join(Plus(Sample(), {"x"}), "\n"));
  const std::vector<std::string> args = {"set",
                                         "f.txt",
                                         "punches=$0A",
                                         "game_plan=GnP",
                                         "weight_class=Heavyweight: Max 265 lb / 120 kg",
                                         "full_name=Zo\xC3\xAB",
                                         "extra=a\n\nb"};
  ToolResult r = RunTool(dir, args);
  EXPECT_EQ(r.out, "f.txt: written\n");
  EXPECT_EQ(r.status, 0);
  Lines expected = With(With(With(With(Sample(), 0, "$0A"), 17, "Zo\xEB"), 19, "3"), 20, "4");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), Join(Plus(expected, {"a", "", "b"})));

  r = RunTool(dir, args);
  EXPECT_EQ(r.out, "f.txt: unchanged\n");
  r = RunTool(dir, {"set", "f.txt", "extra="});
  EXPECT_EQ(ReadBytes(dir / "f.txt"), Join(expected));

  // A short file that loads is completed first, as the editor does.
  WriteBytes(dir / "f.txt", Join(Cut(Sample(), 27)));
  r = RunTool(dir, {"set", "f.txt", "punches=7"});
  EXPECT_EQ(r.out, "f.txt: written\n");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), Join(With(With(Sample(), 0, "7"), 27, "")));
}

struct SetRefusal {
  const char* name;
  std::string file;
  std::vector<std::string> changes;
  std::string err;  // after "f.txt: "
};

void PrintTo(const SetRefusal& row, std::ostream* os) { *os << row.name; }

class SetRefusals : public testing::TestWithParam<SetRefusal> {};

TEST_P(SetRefusals, NameEveryProblemAndLeaveTheFileAlone) {
  const SetRefusal& row = GetParam();
  TempDirectory dir;
  WriteBytes(dir / "f.txt", row.file);
  std::vector<std::string> args = {"set", "f.txt"};
  args.insert(args.end(), row.changes.begin(), row.changes.end());
  const ToolResult r = RunTool(dir, args);
  EXPECT_EQ(r.err, "f.txt: " + row.err);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ReadBytes(dir / "f.txt"), row.file);
  EXPECT_EQ(dir.Entries(), Lines{"f.txt"});
}

const SetRefusal kSetRefusals[] = {
    {"all_or_nothing",
     Join(Sample()),
     {"kicks=8", "punches=abc", "common_name=P\xC4\x93", "extra=x\ry"},
     "punches: 'abc' is not a valid integer value\nf.txt: common_name: '\xC4\x93' (U+0113) has no "
     "Windows-1252 "
     "byte\nf.txt: extra: line 28: holds a line break (CR)\n"},
    {"item_text_only_for_the_lists",
     Join(Sample()),
     {"punches=GnP"},
     "punches: 'GnP' is not a valid integer value\n"},
    {"the_result_must_load",
     Join(With(Sample(), 5, "x")),
     {"punches=7"},
     "dodge: 'x' is not a valid integer value\n"},
    {"too_short_to_load", Join(Cut(Sample(), 26)), {"punches=7"}, "List index out of bounds (26)\n"},
};

INSTANTIATE_TEST_SUITE_P(Changes, SetRefusals, testing::ValuesIn(kSetRefusals),
                         [](const testing::TestParamInfo<SetRefusal>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Round trip

// Text lines of any Windows-1252 bytes but CR, LF and NUL (often empty),
// integer lines in any syntax the editor reads, 28 to 40 lines.
Lines RandomFighter(std::mt19937& random) {
  const auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  const auto text = [&] {
    std::string line(pick(3) == 0 ? 0 : pick(12), ' ');
    for (char& c : line) {
      do c = static_cast<char>(1 + pick(255));
      while (c == '\r' || c == '\n');
    }
    return line;
  };
  const auto integer = [&] {
    const char* signs[] = {"", "+", "-"};
    const std::string lead = std::string(pick(3), ' ') + signs[pick(3)];
    const std::string zeros(pick(3), '0');
    const auto value = static_cast<std::uint32_t>(random());
    if (pick(2)) return lead + zeros + std::to_string(value % 2147483648u);
    const char* prefixes[] = {"$", "x", "X", "0x", "0X"};
    char digits[8];
    char* end = std::to_chars(digits, digits + 8, value >> (4 * pick(8)), 16).ptr;
    for (char* c = digits; c != end; ++c) {
      if (*c >= 'a' && pick(2)) *c = static_cast<char>(*c - 'a' + 'A');
    }
    return lead + prefixes[pick(5)] + zeros + std::string(digits, static_cast<std::size_t>(end - digits));
  };
  Lines lines;
  const unsigned count = 28 + pick(13);
  for (unsigned line = 0; line < count; ++line) {
    const bool parsed = line <= 16 || line == 19 || line == 20 || line == 23;
    lines.push_back(parsed ? integer() : text());
  }
  return lines;
}

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, RandomFightersSurviveExportThenImportByteForByte) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "in");
  std::mt19937 random(20261208);
  std::vector<std::string> args = {"export", "--format", GetParam()};
  std::vector<std::string> contents;
  for (int i = 0; i < 200; ++i) {
    const std::string name = "in/" + std::to_string(i) + (i % 7 == 0 ? " \"a, b\".txt" : ".txt");
    contents.push_back(Join(RandomFighter(random)));
    WriteBytes(dir / name, contents.back());
    args.push_back(name);
  }
  ToolResult r = RunTool(dir, args);
  ASSERT_EQ(r.err, "");
  WriteBytes(dir / ("t." + GetParam()), r.out);
  r = RunTool(dir, {"import", "--into", "out", "t." + GetParam()});
  ASSERT_EQ(r.err, "");
  for (std::size_t i = 0; i < contents.size(); ++i) {
    EXPECT_EQ(ReadBytes(dir / ("out/" + args[i + 3])), contents[i]) << args[i + 3];
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::Values("csv", "json"));

}  // namespace
}  // namespace ostrak::test
