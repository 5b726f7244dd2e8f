// A commit recorded through the journal: the set is in the store before any
// file changes, so that a writer killed at any point is settled at the next
// open from what its files hold; a history that cannot be used never stops
// the write, and says why once.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "RecordedFixture.h"
#include "support/RunInChild.h"

namespace ostrak::test {
namespace {

using history::SettleOutcome;

enum class KillAt { Never, AfterBegin, BeforeDone };

// Passes each call on until the writer is killed at `at`: the process ends
// there, with no word to the store.
class KilledJournal : public roster::CommitJournal {
public:
  KilledJournal(roster::CommitJournal& inner, KillAt at) : inner_(inner), at_(at) {}
  void Begin(const roster::JournalFiles& files) override {
    inner_.Begin(files);
    if (at_ == KillAt::AfterBegin) ::_exit(0);
  }
  void Done() override {
    if (at_ == KillAt::BeforeDone) ::_exit(0);
    inner_.Done();
  }
  void Abandoned() override { inner_.Abandoned(); }

private:
  roster::CommitJournal& inner_;
  KillAt at_;
};

struct KillCase {
  const char* name;
  KillAt at;
  std::optional<SettleOutcome> settled;  // at the next open
  bool filesChanged;
  std::size_t setsListed;
};

const KillCase kKillCases[] = {
    {"not_killed", KillAt::Never, std::nullopt, true, 1},
    {"killed_once_the_set_was_recorded", KillAt::AfterBegin, SettleOutcome::Dropped, false, 0},
    {"killed_before_the_set_was_marked_done", KillAt::BeforeDone, SettleOutcome::Done, true, 1},
};

void PrintTo(const KillCase& c, std::ostream* os) { *os << c.name; }

class KilledCommit : public ::testing::TestWithParam<KillCase> {};

// a.txt replaced, b.txt created, c.txt removed.
TEST_P(KilledCommit, IsSettledFromItsFilesAtTheNextOpen) {
  const KillCase& row = GetParam();
  RecordedFolder folder;
  const std::string a0 = Fighter(3), a1 = Fighter(4), b1 = Fighter(6), c0 = Fighter(5);
  Put(folder.File("a.txt"), a0);
  Put(folder.File("c.txt"), c0);
  const std::string said = RunInChild([&] {
    recorded::WriterHistory kept = folder.Open();
    const auto journal = kept.JournalFor("Import roster.csv");
    KilledJournal killed(*journal, row.at);
    const std::string failure =
        folder.Commit({{"a.txt", a1}, {"b.txt", b1}, {"c.txt", std::nullopt}}, &killed);
    return failure.empty() && journal->Problem().empty() && journal->Recorded() ? ""
                                                                                : "not recorded: " + failure;
  });
  ASSERT_EQ(said, "");

  // As every writer does: what the engine had in flight is put back first.
  roster::RecoverInterrupted({folder.files()});
  recorded::WriterHistory next = folder.Open();
  ASSERT_TRUE(next.store()) << next.Unavailable();
  const std::vector<history::Settled>& settled = next.opened().settled;
  ASSERT_EQ(settled.size(), row.settled ? 1u : 0u);
  if (row.settled) {
    EXPECT_EQ(settled[0].outcome, *row.settled);
  }
  EXPECT_EQ(Held(folder.File("a.txt")), row.filesChanged ? a1 : a0);
  EXPECT_EQ(Held(folder.File("b.txt")), row.filesChanged ? history::Content(b1) : std::nullopt);
  EXPECT_EQ(Held(folder.File("c.txt")), row.filesChanged ? std::nullopt : history::Content(c0));

  const auto sets = next.store()->History({folder.files()});
  ASSERT_EQ(sets.size(), row.setsListed);
  if (sets.empty()) return;
  const std::optional<history::ChangeSet> set = next.store()->Get(sets[0].id);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->summary.command, "Import roster.csv");
  ASSERT_EQ(set->files.size(), 3u);
  EXPECT_EQ(set->files[0].path, folder.File("a.txt"));
  EXPECT_EQ(set->files[0].before, a0);
  EXPECT_EQ(set->files[0].after, a1);
  EXPECT_EQ(set->files[1].before, std::nullopt);
  EXPECT_EQ(set->files[1].after, b1);
  EXPECT_EQ(set->files[2].before, c0);
  EXPECT_EQ(set->files[2].after, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Steps, KilledCommit, ::testing::ValuesIn(kKillCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoreJournal, AnAbandonedCommitLeavesNoSet) {
  RecordedFolder folder;
  recorded::WriterHistory kept = folder.Open();
  const auto journal = kept.JournalFor("Save");
  const std::string path = folder.File("a.txt");
  const std::vector<roster::JournalFile> files{{path, std::nullopt, std::string_view("new")}};
  journal->Begin(roster::JournalFiles(files));
  journal->Abandoned();
  EXPECT_EQ(journal->Recorded(), std::nullopt);
  EXPECT_TRUE(kept.store()->History({folder.files()}).empty());
  EXPECT_TRUE(kept.store()->Settle().empty());
}

struct NoHistoryCase {
  const char* name;
  history::HistoryUse use;
  void (*prepare)(const RecordedFolder&);
  history::OpenStatus status;
  const char* problem;  // what the journal says; DATA stands for the store's folder
};

const NoHistoryCase kNoHistoryCases[] = {
    {"turned_off_by_the_writer", history::HistoryUse::Off, [](const RecordedFolder&) {},
     history::OpenStatus::TurnedOff, ""},
    {"the_stores_folder_is_a_file", history::HistoryUse::On,
     [](const RecordedFolder& f) { Put(f.dir / "data", "not a folder"); }, history::OpenStatus::Unavailable,
     "this change has no history: cannot create the folder \"DATA\": Not a directory"},
};

void PrintTo(const NoHistoryCase& c, std::ostream* os) { *os << c.name; }

class WithoutHistory : public ::testing::TestWithParam<NoHistoryCase> {};

TEST_P(WithoutHistory, TheWriteGoesOnAndSaysWhyOnce) {
  const NoHistoryCase& row = GetParam();
  RecordedFolder folder;
  row.prepare(folder);
  recorded::WriterHistory kept = folder.Open(row.use);
  EXPECT_EQ(kept.status(), row.status);
  EXPECT_EQ(kept.store(), nullptr);
  const auto journal = kept.JournalFor("Save");
  EXPECT_EQ(folder.Commit({{"a.txt", Fighter(7)}}, journal.get()), "");
  EXPECT_EQ(Held(folder.File("a.txt")), Fighter(7));
  std::string problem = row.problem;
  if (const std::size_t at = problem.find("DATA"); at != std::string::npos)
    problem.replace(at, 4, folder.dir / "data");
  EXPECT_EQ(journal->Problem(), problem);
  EXPECT_EQ(journal->Recorded(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Places, WithoutHistory, ::testing::ValuesIn(kNoHistoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::test
