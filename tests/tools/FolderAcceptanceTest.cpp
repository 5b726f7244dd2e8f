// Folders as arguments of check, ratings, export and set, read as the roster
// window reads them, and set changing many files in one commit.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FighterLines.h"
#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// F/a.txt, F/b.TXT and F/sub/c.txt are fighters; a note, a pipe and a link
// to a folder outside are kept out.
void MakeRoster(const TempDirectory& dir) {
  std::filesystem::create_directories(dir / "F/sub");
  std::filesystem::create_directories(dir / "elsewhere");
  WriteBytes(dir / "F/a.txt", Join(Sample()));
  WriteBytes(dir / "F/b.TXT", Join(With(Sample(), 0, "20")));
  WriteBytes(dir / "F/sub/c.txt", Join(With(Sample(), 0, "x")));
  WriteBytes(dir / "F/notes.md", "not a fighter");
  WriteBytes(dir / "elsewhere/d.txt", Join(Sample()));
  std::filesystem::create_directory_symlink(dir / "elsewhere", dir / "F/linked");
  ASSERT_EQ(::mkfifo((dir / "F/pipe.txt").c_str(), 0600), 0);
}

TEST(FolderAcceptance, EveryCommandReadsAFolderAsTheWindowDoes) {
  const std::string failure = "'x' is not a valid integer value";
  const struct {
    std::vector<std::string> args;
    std::string out;
    int status;
  } cases[] = {
      {{"check", "F"}, "F/a.txt: ok\nF/b.TXT: ok\nF/sub/c.txt: " + failure + "\n", 1},
      {{"check", "F/sub/", "F/a.txt"}, "F/sub/c.txt: " + failure + "\nF/a.txt: ok\n", 1},
      {{"ratings", "--format", "csv", "F"},
       "file,ground,striking,defense,fitness,mental,overall,error\n"
       "F/a.txt,28,47,67,65,87,58,\nF/b.TXT,28,60,67,65,87,61,\nF/sub/c.txt,,,,,,," +
           failure + "\n",
       1},
      {{"set", "--dry-run", "F/sub", "F/a.txt", "kicks+=1"}, "", 1},
      {{"set", "--dry-run", "F/a.txt", "F/b.TXT", "F/a.txt", "kicks+=1"},
       "F/a.txt: would change kicks 9 -> 10\nF/b.TXT: would change kicks 9 -> 10\n",
       0},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.args[0] + " " + test.args.back());
    TempDirectory dir;
    MakeRoster(dir);
    const ToolResult r = RunTool(dir, test.args);
    EXPECT_EQ(r.out, test.out);
    EXPECT_EQ(r.err, test.args[0] == "set" && test.status == 1 ? "F/sub/c.txt: " + failure + "\n" : "");
    EXPECT_EQ(r.status, test.status);
  }
}

TEST(FolderAcceptance, AnEmptyNameIsNoFolder) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"check", ""}, std::vector<std::string>{"set", "", "kicks=3"}}) {
    SCOPED_TRACE(args[0]);
    TempDirectory dir;
    MakeRoster(dir);
    const ToolResult r = RunTool(dir, args);
    EXPECT_EQ(r.out.find("a.txt"), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find("a.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(ReadBytes(dir / "F/a.txt"), Join(Sample()));
  }
}

TEST(FolderAcceptance, ExportOfAFolderIsTheExportOfItsFilesNamedOneByOne) {
  TempDirectory dir;
  MakeRoster(dir);
  const ToolResult folder = RunTool(dir, {"export", "F"});
  const ToolResult named = RunTool(dir, {"export", "F/a.txt", "F/b.TXT", "F/sub/c.txt"});
  EXPECT_EQ(folder.out, named.out);
  EXPECT_EQ(folder.err, named.err);
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.out.find("\r\nF/b.TXT,20,"), std::string::npos);
}

TEST(SetManyAcceptance, OneCommitForEveryFileOrNone) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "F/sub");
  WriteBytes(dir / "F/a.txt", Join(Sample()));
  WriteBytes(dir / "F/sub/b.txt", Join(With(Sample(), 20, "1")));
  WriteBytes(dir / "F/sub/c.txt", Join(With(Sample(), 17, "Jos\xE9 Jr.")));

  ToolResult r = RunTool(dir, {"set", "--dry-run", "F", "weight_class=Welterweight", "full_name/Jr./Junior"});
  EXPECT_EQ(r.out,
            "F/a.txt: would change weight_class 0 -> 1\n"
            "F/sub/b.txt: unchanged\n"
            "F/sub/c.txt: would change full_name \"Jos\xC3\xA9 Jr.\" -> \"Jos\xC3\xA9 Junior\", weight_class "
            "0 -> 1\n");
  EXPECT_EQ(r.status, 0);

  r = RunTool(dir, {"set", "F", "weight_class=Welterweight", "full_name/Jr./Junior", "punches-=15"});
  EXPECT_EQ(r.out, "F/a.txt: written\nF/sub/b.txt: written\nF/sub/c.txt: written\n");
  EXPECT_EQ(ReadBytes(dir / "F/sub/b.txt"), Join(With(With(Sample(), 0, "1"), 20, "1")));
  EXPECT_EQ(r.status, 0);
  const Lines a = With(With(Sample(), 0, "1"), 20, "1");
  EXPECT_EQ(ReadBytes(dir / "F/a.txt"), Join(a));
  EXPECT_EQ(ReadBytes(dir / "F/sub/c.txt"), Join(With(a, 17, "Jos\xE9 Junior")));

  // One file refuses: none is written, and every refusal names its file.
  WriteBytes(dir / "F/sub/d.txt", Join(With(Sample(), 2, "x")));
  r = RunTool(dir, {"set", "F", "weight_class=Heavyweight", "kicks=20"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "F/sub/d.txt: strength: 'x' is not a valid integer value\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ReadBytes(dir / "F/a.txt"), Join(a));

  // One file under two names is refused by the name it was given, never taken for another.
  r = RunTool(dir, {"set", "F/a.txt", "F//a.txt", "kicks=3"});
  EXPECT_EQ(r.err, "F//a.txt: is the same file as F/a.txt\n");
  EXPECT_EQ(r.status, 1);
}

TEST(CheckWarningsAcceptance, SaysWhatLooksWrongAfterOk) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "F");
  WriteBytes(dir / "F/a.txt", Join(Sample()));
  WriteBytes(dir / "F/w.txt", Join(With(With(Sample(), 16, "0"), 26, "")));
  WriteBytes(dir / "F/x.txt", Join(Cut(Sample(), 3)));
  ToolResult r = RunTool(dir, {"check", "--warnings", "F"});
  EXPECT_EQ(
      r.out,
      "F/a.txt: ok\n"
      "F/w.txt: ok; warning: ko_resistance is 0, outside 1..20: the editor shows 1; warning: sherdog_id is "
      "empty: the editor saves no fighter without it\n"
      "F/x.txt: List index out of bounds (3)\n");
  EXPECT_EQ(r.status, 1);
  r = RunTool(dir, {"check", "F/w.txt"});
  EXPECT_EQ(r.out, "F/w.txt: ok\n");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
}  // namespace ostrak::test
