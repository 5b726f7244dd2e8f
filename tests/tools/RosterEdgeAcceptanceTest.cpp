// ostrak-fighter export, import and set on rosters built for their edges:
// every Windows-1252 byte, cells that need quoting, one file named several
// ways, rows whose files stand in each other's way, and the list item texts.

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <ostream>
#include <sstream>
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

// The 28 line columns.
Lines Columns() {
  Lines columns;
  std::istringstream in(kHeader.substr(5));
  for (std::string column; std::getline(in, column, ',');) columns.push_back(column);
  columns.pop_back();
  return columns;
}

// Windows-1252 to UTF-8 from a table of our own: 0x80-0x9F by the code page,
// its five unassigned bytes as the C1 controls of the same number, the rest
// as Latin-1.
std::string Utf8Of(const std::string& ansi) {
  static const char16_t k80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string utf8;
  for (const char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t u = byte >= 0x80 && byte < 0xA0 ? k80[byte - 0x80] : byte;
    if (u < 0x80) {
      utf8 += static_cast<char>(u);
    } else if (u < 0x800) {
      utf8 += {static_cast<char>(0xC0 | (u >> 6)), static_cast<char>(0x80 | (u & 0x3F))};
    } else {
      utf8 += {static_cast<char>(0xE0 | (u >> 12)), static_cast<char>(0x80 | ((u >> 6) & 0x3F)),
               static_cast<char>(0x80 | (u & 0x3F))};
    }
  }
  return utf8;
}

// Sample()'s lines as UTF-8 cells.
Lines Cells() {
  Lines cells;
  for (const auto& line : Sample()) cells.push_back(Utf8Of(line));
  return cells;
}

// A CSV row of `file` and 28 cells with an empty extra.
std::string Row(const std::string& file, const Lines& cells = Cells()) {
  std::string row = file;
  for (int line = 0; line < 28; ++line) row += "," + cells[static_cast<std::size_t>(line)];
  return row + ",";
}

// The same as a JSON object; `file` is JSON text.
std::string Object(const std::string& file) {
  std::string object = "{\"file\": " + file;
  for (std::size_t line = 0; line < 28; ++line)
    object += ", \"" + Columns()[line] + "\": \"" + Cells()[line] + "\"";
  return object + "}";
}

std::string Csv(const Lines& rows) {
  std::string csv = kHeader + "\r\n";
  for (const auto& row : rows) csv += row + "\r\n";
  return csv;
}

std::string Expand(std::string text, const TempDirectory& dir) {
  for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir.path());
  return text;
}

struct Stamp {
  ino_t inode;
  long long mtime;
  mode_t mode;
  bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return {status.st_ino, status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec, status.st_mode};
}

// ---------------------------------------------------------------------------
// export: one line of Sample() replaced (line < 0: extra lines added)

struct ExportCase {
  const char* name;
  int line;
  std::string stored;  // Windows-1252
  std::string cell;    // the CSV cell expected
  Lines extra = {};
};

void PrintTo(const ExportCase& row, std::ostream* os) { *os << row.name; }

std::string AllHighBytes() {
  std::string bytes;
  for (int byte = 0x80; byte <= 0xFF; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

class ExportEdges : public testing::TestWithParam<ExportCase> {};

TEST_P(ExportEdges, CellIsTheLineAsStoredAndComesBackByteForByte) {
  const ExportCase& row = GetParam();
  TempDirectory dir;
  Lines lines = row.line < 0 ? Sample() : With(Sample(), row.line, row.stored);
  lines.insert(lines.end(), row.extra.begin(), row.extra.end());
  WriteBytes(dir / "f.txt", Join(lines));

  const ToolResult csv = RunTool(dir, {"export", "f.txt"});
  const std::string expected =
      row.line < 0 ? Row("f.txt") + row.cell : Row("f.txt", With(Cells(), row.line, row.cell));
  EXPECT_EQ(csv.out, Csv({expected}));
  EXPECT_EQ(csv.status, 0);

  const ToolResult json = RunTool(dir, {"export", "--format", "json", "f.txt"});
  const QJsonObject object =
      QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array().at(0).toObject();
  for (int line = 0; line < 28; ++line) {
    EXPECT_EQ(
        object[QString::fromStdString(Columns()[static_cast<std::size_t>(line)])].toString().toStdString(),
        Utf8Of(lines[static_cast<std::size_t>(line)]));
  }
  const QJsonArray extra = object["extra"].toArray();
  ASSERT_EQ(static_cast<std::size_t>(extra.size()), row.extra.size());
  for (std::size_t i = 0; i < row.extra.size(); ++i) {
    EXPECT_EQ(extra.at(static_cast<qsizetype>(i)).toString().toStdString(), Utf8Of(row.extra[i]));
  }

  WriteBytes(dir / "t.csv", csv.out);
  WriteBytes(dir / "t.json", json.out);
  EXPECT_EQ(RunTool(dir, {"import", "--into", "c", "t.csv"}).out, "f.txt: written\n");
  EXPECT_EQ(RunTool(dir, {"import", "--into", "j", "t.json"}).out, "f.txt: written\n");
  EXPECT_EQ(ReadBytes(dir / "c/f.txt"), Join(lines));
  EXPECT_EQ(ReadBytes(dir / "j/f.txt"), Join(lines));
}

const ExportCase kExportCases[] = {
    {"every_high_byte_incl_the_unassigned", 17, AllHighBytes(), Utf8Of(AllHighBytes())},
    {"unassigned_bytes_as_c1_controls", 18, "\x81\x8D\x8F\x90\x9D",
     "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    {"controls_and_tab_unquoted", 21, "\t\x01\x1F\x7F", "\t\x01\x1F\x7F"},
    {"spaces_kept_unquoted", 22, "  77 kg ", "  77 kg "},
    {"comma_quoted", 24, "Per\xFA, Lima", "\"Per\xC3\xBA, Lima\""},
    {"quotes_doubled", 18, "\"El\" Pepe", "\"\"\"El\"\" Pepe\""},
    {"game_plan_selecting_nothing", 19, "0", "0"},
    {"weight_class_selecting_nothing", 20, "-2", "-2"},
    {"empty_text_line", 25, "", ""},
    {"extra_joined_with_lf", -1, "", "\"a,b\n\n\"\"c\"\"\"", {"a,b", "", "\"c\""}},
    {"extra_one_empty_line", -1, "", "\"\"", {""}},
    {"extra_two_empty_lines", -1, "", "\"\n\"", {"", ""}},
    {"extra_high_bytes", -1, "", "\xE2\x82\xAC\xC2\x81 \xC3\xBF", {"\x80\x81 \xFF"}},
};

INSTANTIATE_TEST_SUITE_P(Lines, ExportEdges, testing::ValuesIn(kExportCases),
                         [](const testing::TestParamInfo<ExportCase>& info) { return info.param.name; });

TEST(ExportEdges, UnreadableFilesAreNamedAndTheOthersExported) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "empty.txt", "");
  WriteBytes(dir / "nul.txt", Join(Cut(Sample(), 27)) + std::string(1, '\0') + "1\r\n");
  std::filesystem::create_directory(dir / "folder");
  WriteBytes(dir / "folder/in.txt", Join(Sample()));
  const ToolResult r = RunTool(dir, {"export", "missing.txt", "a.txt", "folder", "empty.txt", "nul.txt"});
  // The NUL cuts nul.txt to 27 lines, which load: the missing line is empty.
  EXPECT_EQ(r.out, Csv({Row("a.txt"), Row("folder/in.txt"), Row("nul.txt", With(Cells(), 27, ""))}));
  EXPECT_EQ(r.err, Expand("missing.txt: Cannot open file \"{dir}missing.txt\". No such file or directory\n"
                          "empty.txt: List index out of bounds (0)\n",
                          dir));
  EXPECT_EQ(r.status, 1);
}

// ---------------------------------------------------------------------------
// import into a folder "out" that holds a.txt (Sample()), a link to it, a
// link to the missing new.txt, and a folder

struct ImportCase {
  const char* name;
  std::string table;  // its file name
  std::string bytes;  // "{dir}" stands for the test's folder, here and in err
  std::string err;    // empty: the table is taken and out/a.txt then holds `written`
  Lines written = {};
  bool outside = false;  // run with --allow-outside
};

void PrintTo(const ImportCase& row, std::ostream* os) { *os << row.name; }

class ImportEdges : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportEdges, RefusesBeforeWritingAndTheDryRunSaysTheSame) {
  const ImportCase& row = GetParam();
  TempDirectory dir;
  std::filesystem::create_directories(dir / "out/folder");
  WriteBytes(dir / "out/a.txt", Join(Sample()));
  std::filesystem::create_symlink("a.txt", dir / "out/link.txt");
  std::filesystem::create_symlink("new.txt", dir / "out/dangling.txt");
  const Lines entries = TempDirectory::EntriesOf(dir / "out");
  WriteBytes(dir / row.table, Expand(row.bytes, dir));

  std::vector<std::string> args = {"import", "--dry-run", "--into", "out", row.table};
  if (row.outside) args.insert(args.begin() + 1, "--allow-outside");
  const ToolResult dry = RunTool(dir, args);
  args.erase(std::find(args.begin(), args.end(), "--dry-run"));
  const ToolResult r = RunTool(dir, args);
  EXPECT_EQ(r.err, Expand(row.err, dir));
  EXPECT_EQ(dry.err, r.err);
  EXPECT_EQ(r.status, row.err.empty() ? 0 : 1);
  EXPECT_EQ(dry.status, r.status);
  if (row.err.empty()) {
    EXPECT_EQ(ReadBytes(dir / "out/a.txt"), Join(row.written));
  } else {
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(dry.out, "");
    EXPECT_EQ(ReadBytes(dir / "out/a.txt"), Join(Sample()));
  }
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "out"), entries);
  EXPECT_TRUE(std::filesystem::is_empty(dir / "out/folder"));
}

const ImportCase kImportCases[] = {
    {"same_file_through_a_symbolic_link",
     "t.csv",
     Csv({Row("link.txt"), Row("a.txt")}),
     "t.csv:2: file: names the same file as row 1\n",
     {},
     true},
    {"same_file_absolute_and_relative",
     "t.csv",
     Csv({Row("{dir}out/a.txt"), Row("folder/../a.txt")}),
     "t.csv:2: file: names the same file as row 1\n",
     {},
     true},
    {"a_dangling_link_is_no_file",
     "t.csv",
     Csv({Row("dangling.txt"), Row("new.txt")}),
     "t.csv:1: file: Cannot create file \"{dir}out/dangling.txt\". A symbolic link to nothing\n",
     {},
     true},
    {"same_new_file_in_a_new_folder", "t.csv", Csv({Row("n/x.txt"), Row("n//./x.txt")}),
     "t.csv:2: file: names the same file as row 1\n"},
    {"a_file_where_an_earlier_row_needs_a_folder", "t.csv", Csv({Row("y/a.txt"), Row("y")}),
     "t.csv:2: file: Cannot create file \"{dir}out/y\". Is a directory\n"},
    {"a_folder_where_an_earlier_row_writes_a_file", "t.csv", Csv({Row("x"), Row("x/z/a.txt")}),
     "t.csv:2: file: Cannot create file \"{dir}out/x/z/a.txt\". Not a directory\n"},
    {"a_dangling_link_on_the_way", "t.csv", Csv({Row("dangling.txt/x.txt")}),
     "t.csv:1: file: goes through the symbolic link \"dangling.txt\", which could lead out of the base "
     "folder "
     "\"{dir}out\" (choose another base folder with --into DIR, or pass --allow-outside)\n"},
    {"a_name_that_is_a_folder", "t.csv", Csv({Row("sub/")}),
     "t.csv:1: file: Cannot create file \"{dir}out/sub/\". Is a directory\n"},
    {"a_name_ending_in_dot_dot",
     "t.csv",
     Csv({Row("sub/..")}),
     "t.csv:1: file: Cannot create file \"{dir}out/\". Is a directory\n",
     {},
     true},
    {"every_bad_row_named_counting_blank_rows", "t.csv",
     kHeader + "\n\n" + Row("b.txt", With(Cells(), 0, "x")) + "\n,,,\n" + Row("c.txt") + "\n" +
         Row("d.txt", With(Cells(), 18, "\"P\nP\"")) + "\n",
     "t.csv:2: punches: 'x' is not a valid integer value\n"
     "t.csv:5: common_name: holds a line break (LF)\n"},
    {"integer_syntax_the_editor_refuses", "t.csv",
     Csv({Row("a.txt",
              With(With(With(With(With(With(Cells(), 0, "7 "), 1, "\t7"), 2, "+-1"), 3, "$100000000"), 4,
                        "2147483648"),
                   23, "0x"))}),
     "t.csv:1: punches: '7 ' is not a valid integer value\n"
     "t.csv:1: kicks: '\t7' is not a valid integer value\n"
     "t.csv:1: strength: '+-1' is not a valid integer value\n"
     "t.csv:1: clinch: '$100000000' is not a valid integer value\n"
     "t.csv:1: agility: '2147483648' is not a valid integer value\n"
     "t.csv:1: ground_game: '0x' is not a valid integer value\n"},
    {"characters_without_a_byte", "t.csv",
     Csv({Row("a.txt", With(With(Cells(), 17, "\xC2\x80"), 18, "\xF0\x9F\x98\x80"))}),
     "t.csv:1: full_name: '\\u0080' (U+0080) has no Windows-1252 byte\n"
     "t.csv:1: common_name: '\xF0\x9F\x98\x80' (U+1F600) has no Windows-1252 byte\n"},
    {"nul_in_a_cell_and_cr_in_extra", "t.csv",
     Csv({Row("a.txt", With(Cells(), 26, "1" + std::string(1, '\0') + "2")) + "\"x\ny\rz\""}),
     "t.csv:1: sherdog_id: holds a NUL character\nt.csv:1: extra: line 29: holds a line break (CR)\n"},
    {"text_after_a_closing_quote", "t.csv", Csv({Row("a.txt", With(Cells(), 18, "\"Pe\"pe"))}),
     "t.csv:1: common_name: text after a closing quote\n"},
    {"empty_file_cell", "t.csv", Csv({Row("")}), "t.csv:1: file: is empty\n"},
    {"json_file_not_a_string_and_the_same_file", "t.json",
     "[" + Object("null") + ", " + Object("\"a.txt\"") + ", " + Object("\"./a.txt\"") + "]",
     "t.json:1: file: is not a JSON string\nt.json:3: file: names the same file as row 2\n"},
    {"changed_cells_the_editor_would_not_keep", "t.csv",
     Csv({Row("a.txt", With(With(With(With(Cells(), 0, "25"), 19, "0"), 20, "9"), 26, ""))}),
     "t.csv:1: punches: '25' is outside 1..20: the editor would make it 20\n"
     "t.csv:1: game_plan: '0' selects no game plan: the editor saves no fighter without one\n"
     "t.csv:1: weight_class: '9' selects no weight class: the editor saves no fighter without one\n"
     "t.csv:1: sherdog_id: is empty: the editor saves no fighter without it\n"},
    {"c1_controls_and_item_texts_taken", "t.csv",
     Csv({Row("a.txt", With(With(Cells(), 19, "KO"), 17, "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"))}), "",
     With(With(Sample(), 19, "2"), 17, "\x81\x8D\x8F\x90\x9D")},
    {"through_a_symbolic_link", "t.csv", Csv({Row("link.txt", With(Cells(), 18, "Bo"))}), "",
     With(Sample(), 18, "Bo"), true},
};

INSTANTIATE_TEST_SUITE_P(Tables, ImportEdges, testing::ValuesIn(kImportCases),
                         [](const testing::TestParamInfo<ImportCase>& info) { return info.param.name; });

TEST(ImportEdges, OneChangedCellRewritesOneLineOfOneFileAndLeavesTheRestAlone) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "r");
  Lines files;
  for (int i = 0; i < 12; ++i) {
    files.push_back("r/" + std::to_string(i) + ".txt");
    Lines lines = With(Sample(), 17, "\x80" + std::to_string(i));
    if (i % 3 == 0) lines.push_back(i % 2 ? "" : "kept");
    WriteBytes(dir / files.back(), Join(lines));
  }
  ::chmod((dir / "r/5.txt").c_str(), 0600);
  std::vector<std::string> args = {"export", "--format", "json"};
  args.insert(args.end(), files.begin(), files.end());
  const std::string json = RunTool(dir, args).out;
  std::vector<Stamp> before;
  for (const auto& file : files) before.push_back(StampOf(dir / file));

  const std::string from = "\"weight\": \"77 kg\"";
  const std::size_t at = json.find(from, json.find("r/5.txt"));
  ASSERT_NE(at, std::string::npos);
  WriteBytes(dir / "t.json", std::string(json).replace(at, from.size(), "\"weight\": \"78 kg\""));
  const ToolResult r = RunTool(dir, {"import", "t.json"});
  EXPECT_EQ(r.status, 0);
  std::string out;
  for (std::size_t i = 0; i < files.size(); ++i) out += files[i] + (i == 5 ? ": written\n" : ": unchanged\n");
  EXPECT_EQ(r.out, out);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i == 5) continue;
    EXPECT_EQ(StampOf(dir / files[i]), before[i]) << files[i];
  }
  EXPECT_EQ(ReadBytes(dir / "r/5.txt"),
            Join(With(With(Sample(), 17, "\x80" + std::string("5")), 22, "78 kg")));
  EXPECT_EQ(StampOf(dir / "r/5.txt").mode, before[5].mode);
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "r").size(), files.size());
}

// Files written while it lives can grow to `bytes` only, so that a save
// fails half-way as on a full disk.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  void (*handler_)(int);
  rlimit old_{};
};

TEST(ImportEdges, AFailedSaveLeavesTheOldFileAndNoTemporary) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "b.txt", Join(Sample()));
  const std::string big(3000, 'x');
  WriteBytes(dir / "t.csv", Csv({Row("a.txt", With(Cells(), 18, "Bo")), Row("b.txt") + big}));
  ToolResult r;
  ToolResult set;
  {
    const FileSizeLimit limit(2048);
    r = RunTool(dir, {"import", "t.csv"});
    set = RunTool(dir, {"set", "b.txt", "extra=" + big});
  }
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "b.txt: Stream write error\nt.csv: no file was changed\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(set.err, "b.txt: Stream write error\n");
  EXPECT_EQ(set.status, 1);
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(Sample()));
  EXPECT_EQ(ReadBytes(dir / "b.txt"), Join(Sample()));
  EXPECT_EQ(dir.Entries(), (Lines{"a.txt", "b.txt", "t.csv"}));
}

// ---------------------------------------------------------------------------
// set, on a file with LF line ends, " 7", "$1" and one extra line

struct SetCase {
  const char* name;
  std::vector<std::string> changes;
  std::string err;  // empty: the lines then hold `code` on `line`
  int line = 0;
  std::string code = " 7";
  bool unchanged = false;  // the line holds that code already, however written: the file stays as it is
};

void PrintTo(const SetCase& row, std::ostream* os) { *os << row.name; }

class SetEdges : public testing::TestWithParam<SetCase> {};

TEST_P(SetEdges, TakesCodesOrItemTextsAndChangesNothingElse) {
  const SetCase& row = GetParam();
  TempDirectory dir;
  const Lines lines = With(With(Sample(), 0, " 7"), 19, "$1");
  WriteBytes(dir / "f.txt", Join(lines, "\n") + "kept\n");
  std::vector<std::string> args = {"set", "f.txt"};
  args.insert(args.end(), row.changes.begin(), row.changes.end());
  const ToolResult r = RunTool(dir, args);
  EXPECT_EQ(r.err, row.err);
  EXPECT_EQ(r.status, row.err.empty() ? 0 : 1);
  EXPECT_EQ(r.out, !row.err.empty() ? "" : row.unchanged ? "f.txt: unchanged\n" : "f.txt: written\n");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), row.err.empty() && !row.unchanged
                                          ? Join(With(lines, row.line, row.code)) + "kept\r\n"
                                          : Join(lines, "\n") + "kept\n");
  EXPECT_EQ(dir.Entries(), Lines{"f.txt"});
}

const SetCase kSetCases[] = {
    {"submission_as_the_file_writes_it", {"game_plan=Submission"}, "", 19, "$1", true},
    {"ko", {"game_plan=KO"}, "", 19, "2"},
    {"gnp", {"game_plan=GnP"}, "", 19, "3"},
    {"featherweight", {"weight_class=Featherweight: Max Max 145 lb / 66 kg"}, "", 20, "-1"},
    {"lightweight_as_the_file_holds_it", {"weight_class=Lightweight: Max 155 lb / 70 kg"}, "", 20, "0", true},
    {"punches_as_the_number_the_file_holds", {"punches=7"}, "", 0, " 7", true},
    {"welterweight", {"weight_class=Welterweight: Max 170 lb / 77 kg"}, "", 20, "1"},
    {"middleweight", {"weight_class=Middleweight: Max 185 lb / 84 kg"}, "", 20, "2"},
    {"light_heavyweight", {"weight_class=Light Heavyweight: Max 205 lb / 93 kg"}, "", 20, "3"},
    {"heavyweight", {"weight_class=Heavyweight: Max 265 lb / 120 kg"}, "", 20, "4"},
    {"code_as_written", {"game_plan=+03"}, "", 19, "+03"},
    {"equals_sign_in_a_value", {"full_name=a=b"}, "", 17, "a=b"},
    {"featherweight_with_max_once", {"weight_class=Featherweight: Max 145 lb / 66 kg"}, "", 20, "-1"},
    {"part_before_the_colon", {"weight_class=Welterweight"}, "", 20, "1"},
    {"item_text_in_other_case_and_spaced", {"game_plan= gnp "}, "", 19, "3"},
    {"part_before_the_colon_in_other_case", {"weight_class=LIGHT HEAVYWEIGHT"}, "", 20, "3"},
    {"weight_class_naming_no_item",
     {"weight_class=Welter"},
     "f.txt: weight_class: 'Welter' is no weight class: write its code (-1 to 4) or one of Featherweight, "
     "Lightweight, Welterweight, Middleweight, Light Heavyweight, Heavyweight\n"},
    {"game_plan_naming_no_item",
     {"game_plan=Boxing"},
     "f.txt: game_plan: 'Boxing' is no game plan: write its code (1 to 3) or one of Submission, KO, GnP\n"},
    {"value_not_utf8", {"full_name=Jos\xE9"}, "f.txt: full_name: is not UTF-8 text\n"},
};

INSTANTIATE_TEST_SUITE_P(Changes, SetEdges, testing::ValuesIn(kSetCases),
                         [](const testing::TestParamInfo<SetCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrak::test
