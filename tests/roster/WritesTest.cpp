// Whole-file writes as undo, restore and the editor's save make them: what a
// plan says of each file, a commit that fails or is killed at any step of a
// replace, a write over a file with two names, a removal and a creation, and
// what the commit tells its journal.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "RosterTables.h"
#include "roster/Transaction.h"
#include "support/RunInChild.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::Action;
using roster::CommitStep;

ino_t InodeOf(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

TEST(PlanWrites, SaysWhatEachFileBecomesWithItsBytesBeforeAndItsCanonicalPath) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "base");
  std::filesystem::create_directory_symlink(dir / "base", dir / "via");
  WriteBytes(dir / "base/same.txt", "same");
  WriteBytes(dir / "base/old.txt", "old");
  WriteBytes(dir / "base/gone.txt", "gone");
  const std::string real = std::filesystem::canonical(dir.path()).string() + "/base/";
  const struct {
    roster::FileWrite write;
    Action action;
    std::optional<std::string> before;
  } rows[] = {
      {{"same.txt", "same"}, Action::Unchanged, std::nullopt},
      {{"old.txt", "new"}, Action::Replace, "old"},
      {{"gone.txt", std::nullopt}, Action::Remove, "gone"},
      {{"absent.txt", std::nullopt}, Action::Unchanged, std::nullopt},
      {{"sub/new.txt", "fresh"}, Action::Create, std::nullopt},
  };
  std::vector<roster::FileWrite> writes;
  for (const auto& row : rows) writes.push_back(row.write);
  // Reached through a link to the base folder: the canonical paths name the folder itself.
  roster::RosterPlan plan = roster::PlanWrites(writes, {dir / "via"});
  ASSERT_EQ(Problems(plan), "");
  ASSERT_EQ(plan.Files().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const roster::PlannedFile& file = plan.Files()[i];
    EXPECT_EQ(file.row, static_cast<int>(i) + 1);
    EXPECT_EQ(file.action, rows[i].action) << file.file;
    EXPECT_EQ(plan.BeforeOf(file), rows[i].before) << file.file;
    EXPECT_EQ(file.canonicalPath(), real + rows[i].write.file) << file.file;
    EXPECT_EQ(file.path(), dir / "via/" + rows[i].write.file);
  }
  EXPECT_EQ(plan.ChangeCount(), 3u);
  ASSERT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(TreeOf(dir / "base"),
            (Tree{{"/old.txt", "new"}, {"/same.txt", "same"}, {"/sub", "/"}, {"/sub/new.txt", "fresh"}}));
}

TEST(PlanWrites, NamesEachFileByItsOwnPlaceHoweverItsNameIsSpelled) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "base");
  std::filesystem::create_directories(dir / "other");
  WriteBytes(dir / "base/c.txt", "c");
  WriteBytes(dir / "other/target.txt", "t");
  std::filesystem::create_symlink("../other/target.txt", dir / "base/link.txt");
  std::filesystem::create_symlink("../other/made.txt", dir / "base/dangling.txt");
  const std::string real = std::filesystem::canonical(dir.path()).string();
  const struct {
    std::string file;
    std::string canonical;  // under `real`
  } rows[] = {
      {"a//b.txt", "/base/a/b.txt"},           {"./c.txt", "/base/c.txt"},
      {"link.txt", "/other/target.txt"},       {"dangling.txt", "/other/made.txt"},
      {dir / "base/abs.txt", "/base/abs.txt"},
  };
  std::vector<roster::FileWrite> writes;
  for (const auto& row : rows) writes.push_back({row.file, "new " + row.file});
  roster::RosterPlan plan = roster::PlanWrites(writes, {dir / "base", true});
  ASSERT_EQ(Problems(plan), "");
  ASSERT_EQ(plan.Files().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(plan.Files()[i].canonicalPath(), real + rows[i].canonical) << rows[i].file;
  ASSERT_TRUE(roster::Commit(plan).ok());
  for (const auto& row : rows) EXPECT_EQ(ReadBytes(real + row.canonical), "new " + row.file) << row.file;
}

TEST(PlanWrites, HoldsEachFolderOnceHoweverTheFilesTakeTurnsAmongThem) {
  TempDirectory dir;
  constexpr int kFolders = 100;  // more than any handful kept of recent ones
  std::vector<roster::FileWrite> writes;
  for (int i = 0; i < 2 * kFolders; ++i)
    writes.push_back({"d" + std::to_string(i % kFolders) + "/f" + std::to_string(i) + ".txt", "x"});
  const roster::RosterPlan plan = roster::PlanWrites(writes, {dir.path()});
  ASSERT_EQ(Problems(plan), "");
  const std::string real = std::filesystem::canonical(dir.path()).string();
  for (int i = 0; i < kFolders; ++i) {
    const roster::PlannedFile& first = plan.Files()[static_cast<std::size_t>(i)];
    const roster::PlannedFile& again = plan.Files()[static_cast<std::size_t>(i + kFolders)];
    EXPECT_EQ(first.folder, again.folder) << again.file;
    EXPECT_EQ(again.canonicalPath(), real + "/" + again.file);
  }
}

TEST(PlanWrites, RefusesWhatCannotBeWrittenAsGiven) {
  TempDirectory dir;
  std::filesystem::create_directories(dir / "base/sub");
  const std::string base = dir / "base";
  const roster::RosterOptions refuse{base, false, roster::MissingFolders::Refuse};
  const struct {
    const char* name;
    std::vector<roster::FileWrite> writes;
    roster::RosterOptions options;
    std::string problems;
  } rows[] = {
      {"one file twice", {{"a.txt", "x"}, {"./a.txt", "y"}}, {base}, "2: names the same file as row 1\n"},
      {"a missing folder, not to be made",
       {{"nowhere/a.txt", "x"}},
       refuse,
       "1: Cannot create file \"" + base + "/nowhere/a.txt\". No such file or directory\n"},
      {"no name", {{"", "x"}}, {base}, "1: Cannot create file \"" + base + "\". No such file or directory\n"},
  };
  for (const auto& row : rows) {
    roster::RosterPlan plan = roster::PlanWrites(row.writes, row.options);
    EXPECT_EQ(Problems(plan), row.problems) << row.name;
    EXPECT_FALSE(roster::Commit(plan).ok()) << row.name;
  }
  EXPECT_EQ(TreeOf(base), (Tree{{"/sub", "/"}}));
}

// A file replaced, one with a second name written over itself (shorter, so
// that a kill after its bytes leaves new bytes and an old tail), one removed
// and one created in a new folder.
struct Mixed {
  Mixed() {
    std::filesystem::create_directory(base);
    WriteBytes(base + "/replaced.txt", "old r\r\n");
    WriteBytes(base + "/linked.txt", "old l, a longer line\r\n");
    std::filesystem::create_hard_link(base + "/linked.txt", base + "/other.txt");
    WriteBytes(base + "/removed.txt", "old x\r\n");
    before = TreeOf(base);
    inode = InodeOf(base + "/linked.txt");
  }
  roster::RosterPlan Plan() const {
    return roster::PlanWrites({{"replaced.txt", "new r\r\n"},
                               {"linked.txt", "new l\r\n"},
                               {"removed.txt", std::nullopt},
                               {"new/created.txt", "new c\r\n"}},
                              {base});
  }
  TempDirectory dir;
  std::string base = dir / "base";
  Tree before;
  ino_t inode = 0;
};

TEST(WritesCommit, AFailureOrAKillAtAnyStepLeavesEveryFileAsItWasOnceTheNextRunHasPutThemBack) {
  std::vector<CommitStep> steps;
  {
    Mixed mixed;
    roster::RosterPlan plan = mixed.Plan();
    ASSERT_EQ(Problems(plan), "");
    ASSERT_TRUE(roster::CommitWithFaults(plan, {}, [&](CommitStep step, const std::string&) {
                  steps.push_back(step);
                  return 0;
                }).ok());
    EXPECT_EQ(TreeOf(mixed.base), (Tree{{"/linked.txt", "new l\r\n"},
                                        {"/new", "/"},
                                        {"/new/created.txt", "new c\r\n"},
                                        {"/other.txt", "new l\r\n"},
                                        {"/replaced.txt", "new r\r\n"}}));
    EXPECT_EQ(InodeOf(mixed.base + "/linked.txt"), mixed.inode);
  }
  using S = CommitStep;
  ASSERT_EQ(steps,
            (std::vector<CommitStep>{S::Create,     S::Write,  S::Sync,       S::Keep,  // replaced
                                     S::Create,     S::Keep,   S::Reserve,              // linked
                                     S::Keep,                                           // removed
                                     S::MakeFolder, S::Create, S::Write,      S::Sync,  // created
                                     S::Note,       S::Rename, S::Overwrite,  S::Cut,        S::Flush,
                                     S::Remove,     S::Rename, S::SyncFolder, S::SyncFolder, S::Done}));
  for (std::size_t failing = 0; failing < steps.size(); ++failing) {
    for (const int fault : {EIO, roster::kKilled}) {
      Mixed mixed;
      roster::RosterPlan plan = mixed.Plan();
      std::size_t step = 0;
      const roster::CommitResult result = roster::CommitWithFaults(
          plan, {}, [&](CommitStep, const std::string&) { return step++ == failing ? fault : 0; });
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.written, 0u);
      EXPECT_EQ(result.intact, fault != roster::kKilled) << "step " << failing;
      if (fault != roster::kKilled) {
        EXPECT_EQ(TreeOf(mixed.base), mixed.before) << "step " << failing;
      }
      const std::vector<std::string> said = roster::RecoverInterrupted({mixed.base});
      EXPECT_EQ(said.empty(), fault != roster::kKilled) << "step " << failing;
      EXPECT_EQ(TreeOf(mixed.base), mixed.before) << "step " << failing << " fault " << fault;
      EXPECT_EQ(InodeOf(mixed.base + "/linked.txt"), mixed.inode) << "step " << failing;
    }
  }
}

TEST(WritesCommit, AFileWhoseOldBytesCannotBePutBackAtOnceIsPutBackByTheNextRun) {
  Mixed mixed;
  roster::RosterPlan plan = mixed.Plan();
  const roster::CommitResult result =
      roster::CommitWithFaults(plan, {}, [](CommitStep step, const std::string&) {
        return step == CommitStep::Cut || step == CommitStep::PutBack ? EIO : 0;
      });
  ASSERT_FALSE(result.ok());
  EXPECT_FALSE(result.intact);
  EXPECT_EQ(result.failure->message,
            "Stream write error; not every file could be put back yet: the next run puts them back");
  EXPECT_EQ(ReadBytes(mixed.base + "/other.txt"), "new l\r\na longer line\r\n");
  EXPECT_EQ(roster::RecoverInterrupted({mixed.base}).front(),
            "linked.txt: put back as it was before an interrupted commit");
  EXPECT_EQ(TreeOf(mixed.base), mixed.before);
}

TEST(WritesCommit, RecoveryLeavesAFileChangedByAnotherProgramSinceTheKill) {
  Mixed mixed;
  roster::RosterPlan plan = mixed.Plan();
  ASSERT_FALSE(roster::CommitWithFaults(plan, {}, [](CommitStep step, const std::string&) {
                 return step == CommitStep::Flush ? roster::kKilled : 0;
               }).ok());
  WriteBytes(mixed.base + "/other.txt", "typed since\r\n");  // the same file, by its other name
  const std::vector<std::string> said = roster::RecoverInterrupted({mixed.base});
  EXPECT_NE(
      std::find(said.begin(), said.end(), "linked.txt: left as it is: changed since an interrupted commit"),
      said.end());
  EXPECT_EQ(ReadBytes(mixed.base + "/linked.txt"), "typed since\r\n");
  EXPECT_EQ(ReadBytes(mixed.base + "/replaced.txt"), "old r\r\n");
}

// Root may create files anywhere: the folder that refuses them is tried as
// the user nobody, in a child, on nobody's own file in a folder of root's.
TEST(WritesCommit, InAFolderThatRefusesNewFilesAFileIsWrittenOverItselfWithNoFileOfOurs) {
  TempDirectory dir;
  const std::string folder = dir / "shared";
  const std::string file = folder + "/f.txt";
  std::filesystem::create_directory(folder);
  WriteBytes(file, "old, longer than the new\r\n");
  const ino_t inode = InodeOf(file);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  const std::string report = RunInChild([&] {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 &&
        (::chown(file.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      return std::string("cannot become nobody");
    }
    const struct {
      const char* bytes;
      std::vector<CommitStep> failing;
      int fault;
    } commits[] = {
        {"new\r\n", {}, 0},
        {"newer\r\n", {CommitStep::Cut}, EIO},
        {"newest\r\n", {CommitStep::Flush, CommitStep::PutBack}, EIO},
        {"last\r\n", {CommitStep::Flush}, roster::kKilled},
    };
    std::string said;
    for (const auto& row : commits) {
      roster::RosterPlan plan = roster::PlanWrites({{"f.txt", row.bytes}}, {folder});
      const roster::CommitResult result =
          roster::CommitWithFaults(plan, {}, [&](CommitStep step, const std::string&) {
            return std::find(row.failing.begin(), row.failing.end(), step) != row.failing.end() ? row.fault
                                                                                                : 0;
          });
      said += Problems(plan) + (result.ok() ? std::string("written") : result.failure->message);
      said += "|" + ReadBytes(file) + "|";
    }
    return said + std::to_string(roster::RecoverInterrupted({folder}).size());
  });
  ::chmod(folder.c_str(), 0755);
  if (report == "cannot become nobody") GTEST_SKIP() << report;
  // Killed there, the file is as the kill left it: only the journal's record could give it back.
  EXPECT_EQ(report, "written|new\r\n|Stream write error|new\r\n|Stream write error; the old bytes of \"" +
                        file + "\" could not be put back|newest\r\n|killed|last\r\n|0");
  EXPECT_EQ(ReadBytes(file), "last\r\n");
  EXPECT_EQ(InodeOf(file), inode);
  EXPECT_EQ(TempDirectory::EntriesOf(folder), std::vector<std::string>{"f.txt"});
}

class FakeJournal : public roster::CommitJournal {
public:
  explicit FakeJournal(bool throwsOnBegin) : throwsOnBegin_(throwsOnBegin) {}
  void Begin(const roster::JournalFiles& files) override {
    std::string line = "Begin";
    files.ForEach([&](const roster::JournalFile& file) {
      line += " " + std::filesystem::path(file.canonicalPath).filename().string() + ":" +
              std::string(file.before.value_or("-")) + ">" + std::string(file.after.value_or("-"));
    });
    calls.push_back(line);
    if (throwsOnBegin_) throw std::runtime_error("the store is full");
  }
  void Done() override { calls.push_back("Done"); }
  void Abandoned() override { calls.push_back("Abandoned"); }
  std::vector<std::string> calls;

private:
  bool throwsOnBegin_;
};

TEST(WritesCommit, TellsItsJournalBeforeTheFirstFileChangesAndHowItEnded) {
  const std::string begin =
      "Begin replaced.txt:old r\r\n>new r\r\n linked.txt:old l, a longer line\r\n>new l\r\n "
      "removed.txt:old x\r\n>- created.txt:->new c\r\n";
  const struct {
    const char* name;
    std::vector<std::pair<CommitStep, int>> faults;
    bool throwsOnBegin;
    std::vector<std::string> calls;
    bool ok;
  } rows[] = {
      {"written", {}, false, {begin, "Done"}, true},
      {"failed before any file changed", {{CommitStep::Reserve, ENOSPC}}, false, {}, false},
      {"failed and put back", {{CommitStep::Remove, EACCES}}, false, {begin, "Abandoned"}, false},
      {"failed and not put back",
       {{CommitStep::Cut, EIO}, {CommitStep::PutBack, EIO}},
       false,
       {begin},
       false},
      {"killed", {{CommitStep::SyncFolder, roster::kKilled}}, false, {begin}, false},
      {"a journal that throws", {}, true, {begin}, true},
  };
  for (const auto& row : rows) {
    Mixed mixed;
    roster::RosterPlan plan = mixed.Plan();
    FakeJournal journal(row.throwsOnBegin);
    const roster::CommitResult result = roster::CommitWithFaults(
        plan, {},
        [&](CommitStep step, const std::string&) {
          for (const auto& [failing, fault] : row.faults) {
            if (step == failing) return fault;
          }
          return 0;
        },
        &journal);
    EXPECT_EQ(result.ok(), row.ok) << row.name;
    EXPECT_EQ(journal.calls, row.calls) << row.name;
  }
}

}  // namespace
}  // namespace ostrak::test
