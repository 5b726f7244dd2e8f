// A writer killed between recording its change set and marking it done: the
// next open settles the set from what the files hold, and touches none.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "HistoryFixture.h"
#include "support/FailureMessage.h"

namespace ostrak::test {
namespace {

using history::Content;
using history::SettleOutcome;

// a.txt is replaced, b.txt created, c.txt removed: the commit changes them
// in this order, and a kill may come between any two.
struct KillCase {
  const char* name;
  Content a, b, c;  // what each file holds when the next open comes
  SettleOutcome outcome;
  std::size_t filesKept;  // in the settled set
  const char* note;
  std::size_t strays;  // files holding neither side, handed back with their record
};

const std::string A0 = Fighter(3), A1 = Fighter(4), C0 = Fighter(5), B1 = Fighter(6);

const KillCase kKillCases[] = {
    {"before_any_file_changed", A0, std::nullopt, C0, SettleOutcome::Dropped, 0, "", 0},
    {"after_the_first_file", A1, std::nullopt, C0, SettleOutcome::Partial, 1,
     "cut short: 1 of 3 files were changed; kept as they were: FILES/b.txt, FILES/c.txt", 0},
    {"after_the_created_file", A1, B1, C0, SettleOutcome::Partial, 2,
     "cut short: 2 of 3 files were changed; kept as they were: FILES/c.txt", 0},
    {"after_every_file", A1, B1, std::nullopt, SettleOutcome::Done, 3, "", 0},
    {"one_file_changed_by_another_program", std::string("edited"), B1, std::nullopt, SettleOutcome::Partial,
     2, "cut short: 2 of 3 files were changed; kept as they were: FILES/a.txt", 1},
    {"every_file_changed_by_others", std::string("x"), std::string("y"), std::string("z"),
     SettleOutcome::Dropped, 0, "", 3},
    {"the_created_file_is_a_folder", A1, std::nullopt, std::nullopt, SettleOutcome::Partial, 2,
     "cut short: 2 of 3 files were changed; kept as they were: FILES/b.txt", 1},
};

void PrintTo(const KillCase& c, std::ostream* os) { *os << c.name; }

class KilledWriter : public ::testing::TestWithParam<KillCase> {};

TEST_P(KilledWriter, IsSettledFromWhatTheFilesHoldAndNoFileIsTouched) {
  const KillCase& row = GetParam();
  StoreFolder folder;
  Put(folder.File("a.txt"), A0);
  Put(folder.File("c.txt"), C0);
  const history::ChangeSetId id = BeginAndDie(folder, "Import roster.csv",
                                              {{folder.File("a.txt"), A0, A1},
                                               {folder.File("b.txt"), std::nullopt, B1},
                                               {folder.File("c.txt"), C0, std::nullopt}});
  Put(folder.File("a.txt"), row.a);
  Put(folder.File("b.txt"), row.b);
  Put(folder.File("c.txt"), row.c);
  if (std::string(row.name) == "the_created_file_is_a_folder")
    std::filesystem::create_directory(folder.File("b.txt"));

  const history::OpenResult opened = folder.OpenResult();
  ASSERT_EQ(opened.status, history::OpenStatus::Opened) << opened.reason;
  ASSERT_EQ(opened.settled.size(), 1u);
  std::string note = row.note;
  for (std::size_t at; (at = note.find("FILES/")) != std::string::npos;) note.replace(at, 6, folder.File(""));
  EXPECT_EQ(opened.settled[0].id, id);
  EXPECT_EQ(opened.settled[0].outcome, row.outcome);
  EXPECT_EQ(opened.settled[0].note, note);
  ASSERT_EQ(opened.settled[0].strays.size(), row.strays);
  if (row.strays) {
    const history::FileChange& stray = opened.settled[0].strays[0];
    EXPECT_EQ(stray.path, folder.File(row.strays == 1 && row.a == A1 ? "b.txt" : "a.txt"));
    EXPECT_EQ(stray.after, row.strays == 1 && row.a == A1 ? B1 : A1);
  }

  const std::optional<history::ChangeSet> set = opened.store->Get(id);
  EXPECT_EQ(set.has_value(), row.filesKept > 0);
  if (set) {
    EXPECT_EQ(set->files.size(), row.filesKept);
    EXPECT_EQ(set->summary.files, row.filesKept);
    EXPECT_EQ(set->summary.note, note);
    for (const history::FileChange& file : set->files) EXPECT_EQ(Held(file.path), file.after) << file.path;
  }
  EXPECT_EQ(opened.store->History({folder.File("")}).size(), row.filesKept > 0 ? 1u : 0u);
  EXPECT_EQ(Held(folder.File("a.txt")), row.a);
  if (std::string(row.name) != "the_created_file_is_a_folder") {
    EXPECT_EQ(Held(folder.File("b.txt")), row.b);
  }
  EXPECT_EQ(Held(folder.File("c.txt")), row.c);
  // Settled once: the next open finds nothing left.
  EXPECT_TRUE(folder.OpenResult().settled.empty());
}

INSTANTIATE_TEST_SUITE_P(Steps, KilledWriter, ::testing::ValuesIn(kKillCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KilledWriter, AFileThatCannotBeReadLeavesTheSetPendingUntilItCanBe) {
  StoreFolder folder;
  const std::string looped = folder.File("loop/a.txt");
  std::filesystem::create_directories(folder.File(""));
  std::filesystem::create_directory_symlink("loop", folder.File("loop"));  // a link to itself: ELOOP
  const history::ChangeSetId id = BeginAndDie(folder, "Save", {{looped, A0, A1}});

  history::OpenResult opened = folder.OpenResult();
  ASSERT_EQ(opened.settled.size(), 1u);
  EXPECT_EQ(opened.settled[0].outcome, SettleOutcome::Deferred);
  EXPECT_EQ(opened.settled[0].note, "cannot read \"" + looped + "\": Too many levels of symbolic links");
  EXPECT_FALSE(opened.store->Get(id));
  opened.store.reset();

  std::filesystem::remove(folder.File("loop"));
  Put(looped, A1);
  opened = folder.OpenResult();
  ASSERT_EQ(opened.settled.size(), 1u);
  EXPECT_EQ(opened.settled[0].outcome, SettleOutcome::Done);
  EXPECT_TRUE(opened.store->Get(id));
}

TEST(LiveWriter, ItsPendingSetIsLeftAloneByAnotherStoreAndMarkedDoneByItself) {
  StoreFolder folder;
  const auto writer = folder.Open();
  const history::ChangeSetId id = writer->Begin("Save", {{folder.File("a.txt"), A0, A1}});
  // The file still holds its "before": a settle would drop the set.
  Put(folder.File("a.txt"), A0);
  const history::OpenResult other = folder.OpenResult();
  EXPECT_TRUE(other.settled.empty());
  EXPECT_FALSE(other.store->Get(id));  // pending sets are nobody's history yet
  writer->MarkDone(id);
  ASSERT_TRUE(other.store->Get(id));
  EXPECT_EQ(other.store->Get(id)->summary.command, "Save");
  EXPECT_EQ(MessageOf<history::StoreError>([&] { writer->MarkDone(id); }),
            "change set " + std::to_string(id) + " is not waiting to be marked done");
}

TEST(LiveWriter, ADroppedSetLeavesNoTraceInTheHistory) {
  StoreFolder folder;
  const auto store = folder.Open();
  const history::ChangeSetId id = store->Begin("Save", {{folder.File("a.txt"), A0, A1}});
  store->Drop(id);
  EXPECT_FALSE(store->Get(id));
  EXPECT_FALSE(store->LastRecorded(folder.File("a.txt")));
  EXPECT_EQ(store->Prune(folder.now).contents, 2u);  // A0 and A1: nothing needs them
}

}  // namespace
}  // namespace ostrak::test
