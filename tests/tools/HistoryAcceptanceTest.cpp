// history, undo, redo and restore checked from the outside, with the writes
// that make the change sets: the lines each prints, and the exit statuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "FighterLines.h"
#include "ToolRunner.h"

namespace ostrak::test {
namespace {

// The tool with a history of the test's own.
class HistoryTool : public ::testing::Test {
protected:
  ToolResult Run(std::vector<std::string> args) {
    return RunTool(dir, std::move(args),
                   {{"XDG_DATA_HOME", home / "data/"}, {"XDG_CONFIG_HOME", home / "config/"}});
  }
  // `history --format csv` without its time column, which the clock decides.
  std::string Listed() {
    const ToolResult r = Run({"history", "--format", "csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
      const std::size_t first = line.find(',');
      text += line.substr(0, first) + line.substr(line.find(',', first + 1)) + "\n";
    }
    return text;
  }

  TempDirectory dir;
  TempDirectory home;
};

TEST_F(HistoryTool, EveryWriteIsASetAndEachIsTakenBackInTurn) {
  dir.File("a.txt", Join(Sample()));
  dir.File("t.csv",
           "file,punches,kicks,strength,clinch,agility,dodge,motivation,takedowns,takedown_defence,"
           "ground_and_pound,submission,submission_defence,stamina,fortitude,pace,aggressivity,ko_resistance,"
           "full_name,common_name,game_plan,weight_class,height,weight,ground_game,nationality,date_of_birth,"
           "sherdog_id,line_27\r\nb.txt,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,Ann Lee,Ann,2,0,170,60,3,Peru,"
           "01/01/1990,123,1\r\n");
  ASSERT_EQ(Run({"import", "t.csv"}).status, 0);
  ToolResult r = Run({"set", "a.txt", "punches=9", "weight_class=Welterweight"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Listed(),
            "id,command,files,undone,undone_by\n"
            "2,\"Set punches, weight_class for 1 fighter\",1,no,\n"
            "1,Import t.csv,1,no,\n");

  r = Run({"history", "--show", "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\na.txt: changed\n  punches: \"12\" -> \"9\"\n  weight_class: \"0\" -> \"1\"\n"
                       "  ratings: ground "),
            std::string::npos)
      << r.out;

  r = Run({"undo", "--dry-run"});
  EXPECT_EQ(r.out, "a.txt: would restore\n");
  r = Run({"undo"});
  EXPECT_EQ(r.out, "a.txt: restored\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(Sample()));
  r = Run({"undo"});
  EXPECT_EQ(r.out, "b.txt: removed\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "b.txt"));
  r = Run({"redo"});
  EXPECT_EQ(r.out, "b.txt: recreated\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "b.txt"));

  dir.File("a.txt", "edited by hand\r\n");
  r = Run({"restore", "a.txt", "2"});
  EXPECT_EQ(r.out, "a.txt: changed outside, kept in history as 6\na.txt: restored\n");
  EXPECT_EQ(r.status, 0) << r.err;
  r = Run({"restore", "--before", "a.txt", "2"});
  EXPECT_EQ(r.out, "a.txt: restored\n");
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(Sample()));
  r = Run({"restore", "a.txt", "6"});
  EXPECT_EQ(r.out, "a.txt: restored\n");
  EXPECT_EQ(ReadBytes(dir / "a.txt"), "edited by hand\r\n");
  EXPECT_EQ(Listed(),
            "id,command,files,undone,undone_by\n"
            "9,Restore,1,no,\n"
            "8,Restore,1,no,\n"
            "7,Restore,1,no,\n"
            "6,Changed outside,1,no,\n"
            "5,Redo 4,1,no,\n"
            "4,Undo 1,1,yes,5\n"
            "3,Undo 2,1,no,\n"
            "2,\"Set punches, weight_class for 1 fighter\",1,yes,3\n"
            "1,Import t.csv,1,yes,4\n");
}

struct StatusCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  const char* err;
};

const StatusCase kStatusCases[] = {
    {"nothing_to_undo", {"undo"}, 1, "undo: nothing to undo under \".\"\n"},
    {"nothing_to_redo_in_a_folder", {"redo", "sub"}, 1, "redo: nothing to redo under \"sub\"\n"},
    {"an_unknown_set", {"history", "--show", "7"}, 1, "history: change set 7 is not in the history\n"},
    {"restore_to_an_unknown_set",
     {"restore", "a.txt", "7"},
     1,
     "restore: change set 7 is not in the history\n"},
    {"an_id_that_is_no_number",
     {"restore", "a.txt", "x7"},
     2,
     "ostrak-fighter: 'x7' is no change set ID (a number from 1)\nTry 'ostrak-fighter --help'.\n"},
    {"undo_of_two_paths",
     {"undo", "a", "b"},
     2,
     "ostrak-fighter: undo takes one PATH at most\nTry 'ostrak-fighter --help'.\n"},
    {"no_history_on_a_reader",
     {"history", "--no-history"},
     2,
     "ostrak-fighter: unknown option '--no-history' for history\nTry 'ostrak-fighter --help'.\n"},
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class HistoryToolStatus : public HistoryTool, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(HistoryToolStatus, SaysWhyAndExits) {
  const StatusCase& row = GetParam();
  std::filesystem::create_directory(dir / "sub");
  const ToolResult r = Run(row.args);
  EXPECT_EQ(r.status, row.status);
  EXPECT_EQ(r.err, row.err);
  EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HistoryToolStatus, ::testing::ValuesIn(kStatusCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryTool, NoHistoryAndTheUsersSettingLeaveTheWriteUnrecorded) {
  dir.File("a.txt", Join(Sample()));
  ToolResult r = Run({"set", "--no-history", "a.txt", "punches=9"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Listed(), "id,command,files,undone,undone_by\n");

  std::filesystem::create_directories(home / "config/ostrak-editor");
  WriteBytes(home / "config/ostrak-editor/history.ini", "history=off\n");
  r = Run({"set", "a.txt", "punches=8"});
  EXPECT_EQ(r.out, "a.txt: written\n");
  EXPECT_EQ(r.err, "");
  r = Run({"undo"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "undo: the history is turned off (history=off in \"" +
                       home / "config/ostrak-editor/history.ini" + "\")\n");
}

TEST_F(HistoryTool, AStoreThatCannotBeOpenedNeverStopsAWrite) {
  dir.File("a.txt", Join(Sample()));
  WriteBytes(home / "data", "a file where the folder goes");
  const ToolResult r = Run({"set", "a.txt", "punches=9"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a.txt: written\n");
  EXPECT_EQ(r.err, "a.txt: this change has no history: cannot create the folder \"" + home / "data" +
                       "\": Not a directory\n");
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(With(Sample(), 0, "9")));
}

}  // namespace
}  // namespace ostrak::test
