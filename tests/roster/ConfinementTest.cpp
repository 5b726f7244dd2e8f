// Tables from someone else: a row may name any file, and only a file inside
// the base folder, reached through no link, that is a regular file and not the
// table itself, may be written; one place named twice is found however it is
// spelt.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RosterTables.h"
#include "core/FileDescriptor.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// base/ holds a.txt, a link to it, a FIFO, a link "lnk" to ../other/sub and
// the table; other/ lies beside it.
class Confinement : public testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "other/sub");
    std::filesystem::create_directories(dir / "base");
    WriteBytes(dir / "base/a.txt", Join(Sample()));
    std::filesystem::create_symlink("a.txt", dir / "base/flink");
    std::filesystem::create_symlink("../other/sub", dir / "base/lnk");
    ASSERT_EQ(::mkfifo((dir / "base/fifo").c_str(), 0644), 0);
  }

  roster::RosterPlan Plan(const std::string& rows, bool allowOutside = false) {
    WriteBytes(dir / "base/t.csv", kHeader + rows);
    return roster::PlanImport(dir / "base/t.csv", {dir / "base", allowOutside});
  }

  TempDirectory dir;
};

TEST_F(Confinement, RefusesEveryRowThatLeavesTheBaseFolderOrIsNoRegularFile) {
  const std::string base = "\"" + dir / "base\"";
  const struct {
    std::string file;
    std::string problem;
  } rows[] = {
      {"../escape.txt", "leaves the base folder " + base + " through \"..\""},
      {"sub/../../x.txt", "leaves the base folder " + base + " through \"..\""},
      {dir / "escape.txt", "is an absolute name, outside the base folder " + base},
      {"lnk/x.txt",
       "goes through the symbolic link \"lnk\", which could lead out of the base folder " + base},
      {"flink", "is a symbolic link, which could lead out of the base folder " + base},
      {"fifo", "Cannot create file \"" + dir / "base/fifo\". Not a regular file (a named pipe)"},
      {"t.csv", "is the table itself, which an import never replaces"},
  };
  // A FIFO with a writer and bytes waiting: a check that read it would take them.
  const FileDescriptor fifo(::open((dir / "base/fifo").c_str(), O_RDWR | O_NONBLOCK));
  ASSERT_EQ(::write(fifo.get(), "kept", 4), 4);
  for (const auto& row : rows) {
    roster::RosterPlan plan = Plan(Row(row.file));
    EXPECT_EQ(Problems(plan), "1: file: " + row.problem + "\n") << row.file;
    const bool outside = row.problem.find("base folder") != std::string::npos;
    EXPECT_EQ(plan.Problems().at(0).kind,
              outside ? roster::ProblemKind::Outside : roster::ProblemKind::Other);
    EXPECT_FALSE(roster::Commit(plan).ok());
  }
  char waiting[8] = {};
  EXPECT_EQ(::read(fifo.get(), waiting, sizeof waiting), 4);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"base", "other"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir / "other/sub"));
}

TEST_F(Confinement, LeavingAllowedFollowsNamesAndLinksAndStillFindsOneFileNamedTwice) {
  // lnk/.. is other/, not base/: only the resolved place tells the two rows apart or not.
  roster::RosterPlan twice = Plan(Row("lnk/../x.txt") + Row("../other/x.txt"), true);
  EXPECT_EQ(Problems(twice), "2: file: names the same file as row 1\n");
  EXPECT_EQ(Problems(Plan(Row("/dev/null"), true)),
            "1: file: Cannot create file \"/dev/null\". Not a regular file (a device)\n");

  roster::RosterPlan plan = Plan(Row("../escape.txt") + Row("flink", "3"), true);
  ASSERT_EQ(Problems(plan), "");
  ASSERT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(dir / "escape.txt"), Join(Sample()));
  EXPECT_EQ(ReadBytes(dir / "base/a.txt"), Join(With(Sample(), 0, "3")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "base/flink"));
}

}  // namespace
}  // namespace ostrak::test
