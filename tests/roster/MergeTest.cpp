// Two files of one fighter made one: what the merge offers field by field,
// what it writes for each choice, and what it refuses.

#include "roster/Merge.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::MergeSide;

// KEEP changed long ago, OTHER just now: OTHER is the one changed last.
void MakeOlder(const std::string& path) {
  const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(ViewMerge, MarksTheFieldsThatDifferAndOffersTheFileChangedLast) {
  TempDirectory dir;
  WriteBytes(dir / "keep.txt", Join(Sample()));
  Lines other = With(With(Sample(), 0, "3"), 21, "190 cm");
  other = With(other, 27, "x");
  other.push_back("note");
  WriteBytes(dir / "other.txt", Join(other));
  MakeOlder(dir / "keep.txt");
  const roster::MergeView view = roster::ViewMerge(dir / "keep.txt", dir / "other.txt");
  ASSERT_FALSE(view.refusal);
  EXPECT_EQ(view.changedLast, MergeSide::Other);
  std::string differing;
  for (const roster::MergeField& field : view.fields) {
    if (field.differs) {
      differing += field.column + ":" + field.keep + ">" + field.other +
                   (field.side == MergeSide::Other ? " other\n" : " keep\n");
    }
  }
  // Line 27 and the lines after it stay KEEP's unless asked: the editor never shows them.
  EXPECT_EQ(differing,
            "punches:12>3 other\nheight:180 cm>190 cm other\nline_27:1>x keep\nextra:>note keep\n");
  EXPECT_EQ(view.fields.size(), 29u);
}

TEST(PlanMerge, WritesKeepWithTheChosenColumnsAndRemovesOther) {
  Lines other = With(With(Sample(), 0, "3"), 21, "190 cm");
  other.push_back("note");
  const struct {
    const char* name;
    std::vector<std::string> fromOther;
    Lines written;
  } rows[] = {
      {"nothing taken", {}, Sample()},
      {"one line", {"height"}, With(Sample(), 21, "190 cm")},
      {"two lines and extra", {"punches", "extra", "height"}, other},
      {"a column that is the same on both sides", {"kicks"}, Sample()},
  };
  for (const auto& row : rows) {
    TempDirectory dir;
    WriteBytes(dir / "keep.txt", Join(Sample(), "\n"));
    WriteBytes(dir / "other.txt", Join(other));
    roster::MergePlan merge = roster::PlanMerge(dir / "keep.txt", dir / "other.txt", row.fromOther);
    ASSERT_FALSE(merge.refusal) << row.name << ": " << merge.refusal->message;
    EXPECT_EQ(merge.label, "Merge " + dir / "other.txt" + " into " + dir / "keep.txt") << row.name;
    ASSERT_EQ(Problems(merge.plan), "") << row.name;
    ASSERT_TRUE(roster::Commit(merge.plan).ok()) << row.name;
    EXPECT_EQ(TreeOf(dir.path()), (Tree{{"keep.txt", Join(row.written)}})) << row.name;
  }
}

TEST(PlanMerge, TakesOtherFromAnotherFolder) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "a");
  std::filesystem::create_directories(dir / "b");
  WriteBytes(dir / "a/keep.txt", Join(Sample()));
  WriteBytes(dir / "b/other.txt", Join(With(Sample(), 1, "2")));
  roster::MergePlan merge = roster::PlanMerge(dir / "a/keep.txt", dir / "b/other.txt", {"kicks"});
  ASSERT_FALSE(merge.refusal);
  ASSERT_TRUE(roster::Commit(merge.plan).ok());
  EXPECT_EQ(TreeOf(dir.path()), (Tree{{"a", "/"}, {"a/keep.txt", Join(With(Sample(), 1, "2"))}, {"b", "/"}}));
}

TEST(PlanMerge, RefusesOneFileUnderTwoNamesAndAFileThatDoesNotLoad) {
  TempDirectory dir;
  WriteBytes(dir / "keep.txt", Join(Sample()));
  WriteBytes(dir / "bad.txt", Join(With(Sample(), 5, "abc")));
  WriteBytes(dir / "nul.txt", Join(Sample()) + std::string("\0tail", 5));
  ASSERT_EQ(::link((dir / "keep.txt").c_str(), (dir / "linked.txt").c_str()), 0);
  std::filesystem::create_directory_symlink(dir.path(), dir / "via");
  const struct {
    const char* name;
    std::string keep;
    std::string other;
    std::vector<std::string> fromOther;
    std::string file;
    std::string message;
  } rows[] = {
      {"itself",
       dir / "keep.txt",
       dir / "keep.txt",
       {},
       dir / "keep.txt",
       "is the same file as " + dir / "keep.txt" + ": there is nothing to merge"},
      {"through a folder link",
       dir / "keep.txt",
       dir / "via/keep.txt",
       {},
       dir / "via/keep.txt",
       "is the same file as " + dir / "keep.txt" + ": there is nothing to merge"},
      {"a hard link",
       dir / "keep.txt",
       dir / "linked.txt",
       {},
       dir / "linked.txt",
       "is the same file as " + dir / "keep.txt" + ": there is nothing to merge"},
      {"other does not load",
       dir / "keep.txt",
       dir / "bad.txt",
       {},
       dir / "bad.txt",
       "'abc' is not a valid integer value"},
      {"keep is missing",
       dir / "gone.txt",
       dir / "keep.txt",
       {},
       dir / "gone.txt",
       "Cannot open file \"" + dir / "gone.txt" + "\". No such file or directory"},
      {"keep holds what its lines cannot",
       dir / "nul.txt",
       dir / "keep.txt",
       {},
       dir / "nul.txt",
       "holds a NUL byte (byte " + std::to_string(Join(Sample()).size()) +
           "), where the editor stops reading: what follows it would be lost"},
      {"a column that is none",
       dir / "keep.txt",
       dir / "bad.txt",
       {"nickname"},
       "",
       "unknown column 'nickname'"},
  };
  for (const auto& row : rows) {
    const roster::MergePlan merge = roster::PlanMerge(row.keep, row.other, row.fromOther);
    ASSERT_TRUE(merge.refusal) << row.name;
    EXPECT_EQ(merge.refusal->file, row.file) << row.name;
    EXPECT_EQ(merge.refusal->message, row.message) << row.name;
  }
  EXPECT_EQ(ReadBytes(dir / "keep.txt"), Join(Sample()));
}

}  // namespace
}  // namespace ostrak::test
