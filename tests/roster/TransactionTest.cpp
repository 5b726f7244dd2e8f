// The commit as all or nothing: a failure at any step, or a kill, leaves
// every file old or new and, once the next run has put things back, every
// file old and no file of ours behind; a folder the user cannot write and a
// full file system are found before anything is written.

#include <grp.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/Transaction.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// Three files replaced (one in a folder), two created (one in a new folder).
struct Roster {
  Roster() {
    std::filesystem::create_directories(dir / "base/sub");
    for (const char* file : {"a.txt", "b.txt", "sub/c.txt"}) WriteBytes(dir / "base/" + file, Join(Sample()));
    WriteBytes(dir / "t.csv", kHeader + Row("a.txt", "1") + Row("b.txt", "2") + Row("sub/c.txt", "3") +
                                  Row("d.txt", "4") + Row("new/e.txt", "5"));
    before = TreeOf(dir / "base");
  }
  roster::RosterPlan Plan() const { return roster::PlanImport(dir / "t.csv", {dir / "base"}); }
  // Each file but ours (temporaries, manifest: checked gone after the next run) is an old or a new one,
  // whole.
  bool EachFileOldOrNew() const {
    std::vector<std::string> whole = {"/", Join(Sample())};
    for (int punches = 1; punches <= 5; ++punches)
      whole.push_back(Join(With(Sample(), 0, std::to_string(punches))));
    const Tree now = TreeOf(dir / "base");
    return std::all_of(now.begin(), now.end(), [&](const auto& file) {
      return file.first.find("/.ostrak-") != std::string::npos ||
             std::find(whole.begin(), whole.end(), file.second) != whole.end();
    });
  }
  TempDirectory dir;
  Tree before;
};

TEST(Transaction, AFailureOrAKillAtAnyStepLeavesEveryFileOldOrNewAndTheNextRunPutsThemBack) {
  std::vector<roster::CommitStep> steps;
  {
    Roster roster;
    roster::RosterPlan plan = roster.Plan();
    ASSERT_TRUE(roster::CommitWithFaults(plan, {}, [&](roster::CommitStep step, const std::string&) {
                  steps.push_back(step);
                  return 0;
                }).ok());
  }
  ASSERT_EQ(steps.size(),
            29u);  // 1 folder, 5 x (create, write, sync), 3 kept, note, 5 renames, 3 folder syncs, done
  for (std::size_t failing = 0; failing < steps.size(); ++failing) {
    for (const int fault : {EIO, roster::kKilled}) {
      Roster roster;
      roster::RosterPlan plan = roster.Plan();
      std::size_t step = 0;
      const roster::CommitResult result = roster::CommitWithFaults(
          plan, {}, [&](roster::CommitStep, const std::string&) { return step++ == failing ? fault : 0; });
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.written, 0u);
      EXPECT_TRUE(roster.EachFileOldOrNew()) << "step " << failing;
      const std::vector<std::string> said = roster::RecoverInterrupted({roster.dir / "base"});
      EXPECT_EQ(said.empty(), fault != roster::kKilled) << "step " << failing;  // a failure undoes itself
      EXPECT_EQ(TreeOf(roster.dir / "base"), roster.before) << "step " << failing << " fault " << fault;
    }
  }
}

TEST(Transaction, AFolderTheUserCannotWriteIsFoundBeforeAnyWrite) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "base/ro");
  WriteBytes(dir / "base/a.txt", Join(Sample()));
  WriteBytes(dir / "base/ro/b.txt", Join(Sample()));
  WriteBytes(dir / "t.csv", kHeader + Row("a.txt", "3") + Row("ro/b.txt", "3"));
  ::chmod(dir.path().c_str(), 0755);
  ::chmod((dir / "base").c_str(), 0777);
  ::chmod((dir / "base/a.txt").c_str(), 0666);
  ::chmod((dir / "base/ro/b.txt").c_str(), 0666);  // the file may be written, its folder not
  ::chmod((dir / "base/ro").c_str(), 0555);
  if (::geteuid() == 0) {  // the user's own files, in a folder of root's
    ::chown((dir / "base/a.txt").c_str(), 65534, 65534);
    ::chown((dir / "base/ro/b.txt").c_str(), 65534, 65534);
  }
  const auto run = [&] {
    roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir / "base"});
    return Problems(plan) + (roster::Commit(plan).ok() ? "committed" : "not committed");
  };
  const std::string expected =
      "2: file: Cannot create file \"" + dir / "base/ro/b.txt\". Permission denied\nnot committed";
  if (::geteuid() != 0) {
    EXPECT_EQ(run(), expected);
  } else {
    // Root writes anywhere: the check runs as an ordinary user, in a child.
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(out[0]);
      std::string said = "cannot become nobody";
      if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) said = run();
      ::write(out[1], said.data(), said.size());
      ::_exit(0);
    }
    ::close(out[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t count; (count = ::read(out[0], buffer, sizeof buffer)) > 0;)
      said.append(buffer, static_cast<std::size_t>(count));
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    if (said == "cannot become nobody") GTEST_SKIP() << "cannot run as the user nobody here";
    EXPECT_EQ(said, expected);
  }
  EXPECT_EQ(ReadBytes(dir / "base/a.txt"), Join(Sample()));
}

// A 100 KiB file system of its own, where the machine lets us mount one.
class SmallFileSystem {
public:
  SmallFileSystem() : mounted_(::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=100k") == 0) {}
  ~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  std::string operator/(const std::string& name) const { return dir_ / name; }

private:
  TempDirectory dir_;
  bool mounted_;
};

TEST(Transaction, AFullFileSystemIsFoundBeforeAnyWriteOrUndoesWhatWasWritten) {
  const SmallFileSystem disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root): the full disk is not tried";
  std::string rows;
  for (int i = 0; i < 40; ++i) rows += Row("f" + std::to_string(i) + ".txt");
  WriteBytes(disk / "t.csv", kHeader + rows);
  roster::RosterPlan plan = roster::PlanImport(disk / "t.csv", {disk / "r"});
  ASSERT_EQ(plan.Problems().size(), 1u);
  // 40 files, the folder they go in and the note of the commit: a block each.
  const std::string expected =
      "not enough room: the new files need 168 KiB on the file system of \"" + disk / "";
  EXPECT_EQ(plan.Problems()[0].message.substr(0, expected.size()), expected);

  // The room taken after the check: the commit meets the full disk and undoes itself.
  std::filesystem::create_directory(disk / "r");
  WriteBytes(disk / "r/a.txt", Join(Sample()));
  WriteBytes(disk / "t.csv", kHeader + Row("a.txt", "5") + Row("b.txt"));
  plan = roster::PlanImport(disk / "t.csv", {disk / "r"});
  ASSERT_EQ(Problems(plan), "");
  WriteBytes(disk / "filler", std::string(90 * 1024, 'x'));
  const roster::CommitResult result = roster::Commit(plan);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->message, "Stream write error");
  EXPECT_EQ(ReadBytes(disk / "r/a.txt"), Join(Sample()));
  EXPECT_EQ(TempDirectory::EntriesOf(disk / "r"), std::vector<std::string>{"a.txt"});
}

TEST(Transaction, TheRoomCheckCountsTheNoteOfTheFilesInFlightToo) {
  const SmallFileSystem disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root): the full disk is not tried";
  std::filesystem::create_directory(disk / "r");
  WriteBytes(disk / "r/k.txt", Join(Sample()));
  WriteBytes(disk / "t.csv", kHeader + Row("k.txt", "5"));
  // One block left: enough for the new k.txt, not for it and the commit's note.
  struct statvfs space {};
  ASSERT_EQ(::statvfs((disk / "r").c_str(), &space), 0);
  WriteBytes(disk / "filler", std::string((space.f_bavail - 1) * space.f_frsize, 'x'));
  ASSERT_EQ(::statvfs((disk / "r").c_str(), &space), 0);
  ASSERT_EQ(space.f_bavail, 1u);

  roster::RosterPlan plan = roster::PlanImport(disk / "t.csv", {disk / "r"});
  EXPECT_EQ(Problems(plan), "0: not enough room: the new files need 8 KiB on the file system of \"" +
                                disk / "r/\", which has 4 KiB free\n");
  EXPECT_FALSE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(disk / "r/k.txt"), Join(Sample()));
  EXPECT_EQ(TempDirectory::EntriesOf(disk / "r"), std::vector<std::string>{"k.txt"});
}

// The id of a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(Transaction, AProbeLeftByAProcessThatIsGoneIsSweptByTheNextPlan) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "base/sub");
  std::filesystem::create_directories(dir / "base/same");
  WriteBytes(dir / "base/same/c.txt", Join(Sample()));
  WriteBytes(dir / "t.csv", kHeader + Row("a.txt") + Row("sub/b.txt") + Row("same/c.txt"));
  std::stringstream gone;
  gone << std::hex << EndedProcess();
  const std::vector<std::string> swept = {".ostrak-" + gone.str() + "-5eed-probe",
                                          ".ostrak-" + gone.str() + "-5eed-probed"};
  // Another process's probe, and names that are no probe of ours, are left alone.
  const std::vector<std::string> kept = {".ostrak-1-5eed-probe", ".ostrak-notes",
                                         ".ostrak-" + gone.str() + "-5eed-probe.txt"};
  // In the base folder, a folder a file is written in, and one whose file no cell changes.
  for (const std::string& folder : {dir / "base/", dir / "base/sub/", dir / "base/same/"}) {
    for (const std::string& name : kept) WriteBytes(folder + name, "");
    WriteBytes(folder + swept[0], "");
    std::filesystem::create_directory(folder + swept[1]);
  }
  const roster::RosterPlan plan = roster::PlanImport(dir / "t.csv", {dir / "base"});
  ASSERT_EQ(Problems(plan), "");
  std::vector<std::string> left = kept;
  std::sort(left.begin(), left.end());
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "base/sub"), left);
  left.push_back("same");
  left.push_back("sub");
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "base"), left);
  left.pop_back();
  left.back() = "c.txt";
  std::sort(left.begin(), left.end());
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "base/same"), left);
}

// One file alone, replaced, created or removed: its note is flushed only
// after the rename, and a failure or a kill at any step still leaves the file
// old or new, whole, and the next run puts it back as it was.
struct AloneCase {
  const char* name;
  roster::FileWrite write;
  std::vector<roster::CommitStep> steps;
};

class TransactionAlone : public ::testing::TestWithParam<AloneCase> {};

TEST_P(TransactionAlone, AFailureOrAKillAtAnyStepLeavesTheFileWholeAndTheNextRunPutsItBack) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "base");
  WriteBytes(dir / "base/a.txt", "old a");
  const Tree before = TreeOf(dir / "base");
  const auto commit = [&](const roster::FaultHook& fault) {
    roster::RosterPlan plan = roster::PlanWrites({GetParam().write}, {dir / "base"});
    return roster::CommitWithFaults(plan, {}, fault).ok();
  };
  std::vector<roster::CommitStep> steps;
  ASSERT_FALSE(commit([&](roster::CommitStep step, const std::string&) {
    steps.push_back(step);
    return steps.size() == GetParam().steps.size() ? EIO : 0;  // the last step fails: nothing is written
  }));
  ASSERT_EQ(steps, GetParam().steps);
  for (std::size_t failing = 0; failing < steps.size(); ++failing) {
    for (const int fault : {EIO, roster::kKilled}) {
      std::size_t step = 0;
      ASSERT_FALSE(
          commit([&](roster::CommitStep, const std::string&) { return step++ == failing ? fault : 0; }));
      const std::string file = GetParam().write.file;
      const bool exists = std::filesystem::exists(dir / "base/" + file);
      EXPECT_TRUE(!exists || ReadBytes(dir / "base/" + file) == "old a" ||
                  ReadBytes(dir / "base/" + file) == GetParam().write.bytes)
          << "step " << failing;
      roster::RecoverInterrupted({dir / "base"});
      EXPECT_EQ(TreeOf(dir / "base"), before) << "step " << failing << " fault " << fault;
    }
  }
}

using S = roster::CommitStep;
INSTANTIATE_TEST_SUITE_P(
    Files, TransactionAlone,
    ::testing::Values(
        AloneCase{"Replaced",
                  {"a.txt", "new a"},
                  {S::Create, S::Write, S::Sync, S::Keep, S::Rename, S::SyncFolder, S::Done}},
        AloneCase{
            "Created", {"b.txt", "new b"}, {S::Create, S::Write, S::Sync, S::Rename, S::SyncFolder, S::Done}},
        AloneCase{"Removed", {"a.txt", std::nullopt}, {S::Keep, S::Remove, S::SyncFolder, S::Done}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::test
