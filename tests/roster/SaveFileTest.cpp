// The editor's save through the engine: the messages it has always given,
// names leading where the system resolves them, no file of ours left behind,
// and a file with two names on a full disk kept whole.

#include "roster/SaveFile.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "core/Errors.h"
#include "core/FileAccess.h"
#include "roster/Transaction.h"
#include "support/RunInChild.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

namespace fs = std::filesystem;

std::string Save(const std::string& path, const std::string& bytes) {
  try {
    roster::SaveFighterFile(path, bytes);
    return "saved";
  } catch (const FileCreateError& failure) {
    return "create: " + failure.message();
  } catch (const WriteError& failure) {
    return "write: " + failure.message();
  }
}

TEST(SaveFighterFile, GivesTheEditorsMessagesAndLeadsWhereTheSystemResolvesNames) {
  const struct {
    const char* name;
    const char* target;
    std::function<void(const TempDirectory&)> setUp;
    std::string said;  // "{dir}" for the folder
    Tree tree;         // afterwards, no file of ours in it
  } rows[] = {
      {"a new file", "f.txt", [](const TempDirectory&) {}, "saved", {{"/f.txt", "new"}}},
      {"over a file",
       "f.txt",
       [](const TempDirectory& d) { WriteBytes(d / "f.txt", "old"); },
       "saved",
       {{"/f.txt", "new"}}},
      {"a missing folder",
       "nowhere/f.txt",
       [](const TempDirectory&) {},
       "create: Cannot create file \"{dir}nowhere/f.txt\". No such file or directory",
       {}},
      {"a folder",
       "sub",
       [](const TempDirectory& d) { fs::create_directory(d / "sub"); },
       "create: Cannot create file \"{dir}sub\". Is a directory",
       {{"/sub", "/"}}},
      {"a named pipe",
       "pipe",
       [](const TempDirectory& d) { ::mkfifo((d / "pipe").c_str(), 0600); },
       "create: Cannot create file \"{dir}pipe\". Operation not supported",
       {}},
      {"a link to a file",
       "link",
       [](const TempDirectory& d) {
         WriteBytes(d / "real.txt", "old");
         fs::create_symlink("real.txt", d / "link");
       },
       "saved",
       {{"/link", "new"}, {"/real.txt", "new"}}},
      {"a link to nothing",
       "link",
       [](const TempDirectory& d) {
         fs::create_directory(d / "sub");
         fs::create_symlink("sub/made.txt", d / "link");
       },
       "saved",
       {{"/link", "new"}, {"/sub", "/"}, {"/sub/made.txt", "new"}}},
      {"a file with two names",
       "f.txt",
       [](const TempDirectory& d) {
         WriteBytes(d / "f.txt", "old, longer");
         fs::create_hard_link(d / "f.txt", d / "g.txt");
       },
       "saved",
       {{"/f.txt", "new"}, {"/g.txt", "new"}}},
  };
  for (const auto& row : rows) {
    TempDirectory dir;
    row.setUp(dir);
    std::string said = row.said;
    if (const std::size_t at = said.find("{dir}"); at != std::string::npos) said.replace(at, 5, dir.path());
    EXPECT_EQ(Save(dir / row.target, "new"), said) << row.name;
    Tree tree = TreeOf(dir.path().substr(0, dir.path().size() - 1));
    std::erase_if(tree, [](const auto& file) { return file.first == "/pipe"; });
    EXPECT_EQ(tree, row.tree) << row.name;
  }
}

TEST(SaveFighterFile, KeepsALinkAndTheIdentityOfAFileWithTwoNames) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", "old");
  fs::create_hard_link(dir / "f.txt", dir / "g.txt");
  fs::create_symlink("f.txt", dir / "link");
  struct stat before {};
  ASSERT_EQ(::stat((dir / "f.txt").c_str(), &before), 0);
  ASSERT_EQ(Save(dir / "link", "new"), "saved");
  struct stat after {};
  ASSERT_EQ(::stat((dir / "g.txt").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
}

TEST(SaveFighterFile, PutsBackWhatAnInterruptedSaveLeftInItsFolderFirst) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", "old a");
  roster::RosterPlan plan = roster::PlanWrites({{"a.txt", "new a"}}, {dir.path(), true});
  ASSERT_FALSE(roster::CommitWithFaults(plan, {}, [](roster::CommitStep step, const std::string&) {
                 return step == roster::CommitStep::SyncFolder ? roster::kKilled : 0;
               }).ok());
  EXPECT_EQ(Save(dir / "b.txt", "new b"), "saved");
  EXPECT_EQ(TreeOf(dir.path().substr(0, dir.path().size() - 1)),
            (Tree{{"/a.txt", "old a"}, {"/b.txt", "new b"}}));
}

// A tmpfs of its own, where the machine lets us mount one (root).
class SmallFileSystem {
public:
  SmallFileSystem() : mounted_(::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=64k") == 0) {}
  ~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  std::string operator/(const std::string& name) const { return dir_ / name; }
  // Takes every free block, in a file of its own.
  void Fill(const std::string& name) const {
    std::ofstream filler(dir_ / name, std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }

private:
  TempDirectory dir_;
  bool mounted_;
};

// A fighter that loads, two blocks less two bytes: its name made longer
// needs a third block.
Lines TwoBlockFighter() {
  Lines lines = With(Sample(), 17, "Ana");
  while (Join(lines).size() + 200 <= 8190) lines.push_back(std::string(98, 'x'));
  lines.push_back(std::string(8190 - Join(lines).size() - 2, 'y'));
  return lines;
}

const std::string kOld = Join(TwoBlockFighter());
const std::string kLonger = Join(With(TwoBlockFighter(), 17, "Ana Maria Longname"));

TEST(SaveFighterFile, AFileWithTwoNamesOnAFullDiskKeepsItsOldBytesUnderBoth) {
  const SmallFileSystem disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root): the full disk is not tried";
  ASSERT_EQ(kOld.size(), 8190u);
  WriteBytes(disk / "f.txt", kOld);
  fs::create_hard_link(disk / "f.txt", disk / "g.txt");
  disk.Fill("filler");
  EXPECT_EQ(Save(disk / "f.txt", kLonger), "write: Stream write error");
  for (const char* name : {"f.txt", "g.txt"}) {
    EXPECT_EQ(ReadBytes(disk / name), kOld) << name;
    EXPECT_EQ(roster::CheckFighterFile(disk / name).Message(), "ok") << name;
  }
  EXPECT_EQ(TempDirectory::EntriesOf(disk / ""), (std::vector<std::string>{"f.txt", "filler", "g.txt"}));
}

// Where no copy can be kept, the room the longer file needs is the last
// check: taken after the plan, the commit refuses before its first byte.
TEST(SaveFighterFile, RoomTakenAfterThePlanIsRefusedBeforeTheFirstByteIsWritten) {
  const SmallFileSystem disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root): the full disk is not tried";
  fs::create_directory(disk / "shared");
  fs::create_directory(disk / "spare");
  WriteBytes(disk / "shared/f.txt", kOld);
  ::chmod((disk / "spare").c_str(), 0777);
  ::chmod((disk / "shared/f.txt").c_str(), 0666);
  ::chmod((disk / "shared").c_str(), 0555);
  const std::string report = RunInChild([&] {
    if (::chown((disk / "shared/f.txt").c_str(), 65534, 65534) != 0 || ::setgid(65534) != 0 ||
        ::setuid(65534) != 0) {
      return std::string("cannot become nobody");
    }
    roster::RosterPlan plan = roster::PlanWrites({{"f.txt", kLonger}}, {disk / "shared"});
    if (!plan.Problems().empty()) return Problems(plan);
    disk.Fill("spare/filler");
    bool overwritten = false;
    const roster::CommitResult result =
        roster::CommitWithFaults(plan, {}, [&](roster::CommitStep step, const std::string&) {
          overwritten = overwritten || step == roster::CommitStep::Overwrite;
          return 0;
        });
    return (result.ok() ? std::string("written") : result.failure->message) +
           (overwritten ? ", having written over it" : "");
  });
  if (report == "cannot become nobody") GTEST_SKIP() << report;
  EXPECT_EQ(report, "Stream write error");
  EXPECT_EQ(ReadBytes(disk / "shared/f.txt"), kOld);
  EXPECT_EQ(TempDirectory::EntriesOf(disk / "shared"), std::vector<std::string>{"f.txt"});
}

}  // namespace
}  // namespace ostrak::test
