// Changes taken back through the engine: every file gets the bytes the
// history holds for it (a created file removed, a removed one recreated),
// all in one commit that is itself a change set; a file another program
// changed is kept in the history before it is overwritten.

#include <filesystem>

#include "RecordedFixture.h"
#include "recorded/TakeBack.h"

namespace ostrak::test {
namespace {

using recorded::Outcome;

const std::string A0 = Fighter(3), A1 = Fighter(4), B1 = Fighter(6), C0 = Fighter(5);

// Change set 1 replaced a.txt, created b.txt and removed c.txt.
class TakeBack : public ::testing::Test {
protected:
  void SetUp() override {
    Put(folder.File("a.txt"), A0);
    Put(folder.File("c.txt"), C0);
    const auto journal = kept.JournalFor("Import roster.csv");
    ASSERT_EQ(folder.Commit({{"a.txt", A1}, {"b.txt", B1}, {"c.txt", std::nullopt}}, journal.get()), "");
    ASSERT_EQ(journal->Recorded(), history::ChangeSetId{1});
  }

  std::vector<Outcome> Outcomes(const recorded::TakeBackPlan& plan) {
    std::vector<Outcome> outcomes;
    for (const recorded::TakenBackFile& file : plan.files) outcomes.push_back(file.outcome);
    return outcomes;
  }
  std::vector<history::Content> Disk() {
    return {Held(folder.File("a.txt")), Held(folder.File("b.txt")), Held(folder.File("c.txt"))};
  }
  recorded::TakeBackResult Commit(recorded::TakeBackPlan& plan) {
    EXPECT_FALSE(plan.Refused()) << plan.refusal;
    recorded::TakeBackResult result = recorded::CommitTakeBack(plan, kept);
    EXPECT_TRUE(result.commit.ok()) << result.commit.failure->message;
    EXPECT_EQ(result.problem, "");
    return result;
  }

  RecordedFolder folder;
  recorded::WriterHistory kept = folder.Open();
};

TEST_F(TakeBack, UndoThenRedoEachMakeASetAndPutEveryFileBack) {
  recorded::TakeBackPlan undo = recorded::PlanUndo(*kept.store(), folder.files());
  EXPECT_EQ(undo.words, "Undo 1");
  EXPECT_EQ(Outcomes(undo), (std::vector{Outcome::Restored, Outcome::Removed, Outcome::Recreated}));
  EXPECT_EQ(Disk(), (std::vector<history::Content>{A1, B1, std::nullopt})) << "planning writes nothing";
  const recorded::TakeBackResult undone = Commit(undo);
  EXPECT_EQ(Disk(), (std::vector<history::Content>{A0, std::nullopt, C0}));
  ASSERT_EQ(undone.recorded, history::ChangeSetId{2});
  EXPECT_EQ(kept.store()->Get(1)->summary.revertedBy, history::ChangeSetId{2});
  EXPECT_FALSE(recorded::PlanUndo(*kept.store(), folder.files()).refusal.empty());

  recorded::TakeBackPlan redo = recorded::PlanRedo(*kept.store(), folder.files());
  EXPECT_EQ(redo.words, "Redo 2");
  EXPECT_EQ(Outcomes(redo), (std::vector{Outcome::Restored, Outcome::Recreated, Outcome::Removed}));
  Commit(redo);
  EXPECT_EQ(Disk(), (std::vector<history::Content>{A1, B1, std::nullopt}));
  EXPECT_EQ(kept.store()->Get(2)->summary.revertedBy, history::ChangeSetId{3});
}

struct RestoreCase {
  const char* name;
  const char* file;
  recorded::RestorePoint point;
  history::Content bytes;
  Outcome outcome;
};

const RestoreCase kRestoreCases[] = {
    {"replaced_file_before", "a.txt", recorded::RestorePoint::Before, A0, Outcome::Restored},
    {"replaced_file_after", "a.txt", recorded::RestorePoint::After, A1, Outcome::Unchanged},
    {"created_file_before", "b.txt", recorded::RestorePoint::Before, std::nullopt, Outcome::Removed},
    {"removed_file_before", "c.txt", recorded::RestorePoint::Before, C0, Outcome::Recreated},
};

void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }

class Restore : public TakeBack, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(Restore, GivesTheFileItsBytesAtThatPoint) {
  const RestoreCase& row = GetParam();
  recorded::TakeBackPlan plan = recorded::PlanRestore(*kept.store(), folder.File(row.file), 1, row.point);
  EXPECT_EQ(plan.words, "Restore");
  EXPECT_EQ(Outcomes(plan), std::vector{row.outcome});
  const recorded::TakeBackResult result = Commit(plan);
  EXPECT_EQ(Held(folder.File(row.file)), row.bytes);
  EXPECT_EQ(result.recorded.has_value(), row.outcome != Outcome::Unchanged);
}

INSTANTIATE_TEST_SUITE_P(Points, Restore, ::testing::ValuesIn(kRestoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TakeBack, AFileChangedOutsideIsKeptBeforeItIsOverwritten) {
  Put(folder.File("a.txt"), std::string("edited elsewhere\r\n"));
  recorded::TakeBackPlan undo = recorded::PlanUndo(*kept.store(), folder.files());
  ASSERT_TRUE(undo.files[0].changedOutside);
  EXPECT_FALSE(undo.files[1].changedOutside);
  const recorded::TakeBackResult result = Commit(undo);
  ASSERT_EQ(undo.files[0].keptAs, history::ChangeSetId{2});
  EXPECT_EQ(result.recorded, history::ChangeSetId{3});
  EXPECT_EQ(Held(folder.File("a.txt")), A0);
  const std::optional<history::ChangeSet> outside = kept.store()->Get(2);
  ASSERT_TRUE(outside);
  EXPECT_EQ(outside->summary.command, "Changed outside");
  EXPECT_EQ(outside->files[0].after, std::string("edited elsewhere\r\n"));

  recorded::TakeBackPlan back =
      recorded::PlanRestore(*kept.store(), folder.File("a.txt"), 2, recorded::RestorePoint::After);
  Commit(back);
  EXPECT_EQ(Held(folder.File("a.txt")), std::string("edited elsewhere\r\n"));
}

// The undo is still recorded when every file is already as it would make
// it, so that the next undo reaches the set before.
TEST_F(TakeBack, AnUndoThatChangesNoFileStillTakesTheSetBack) {
  Put(folder.File("a.txt"), A0);
  Put(folder.File("b.txt"), std::nullopt);
  Put(folder.File("c.txt"), C0);
  recorded::TakeBackPlan undo = recorded::PlanUndo(*kept.store(), folder.files());
  EXPECT_EQ(Outcomes(undo), (std::vector{Outcome::Unchanged, Outcome::Unchanged, Outcome::Unchanged}));
  const recorded::TakeBackResult result = Commit(undo);
  ASSERT_TRUE(result.recorded);
  EXPECT_EQ(kept.store()->Get(1)->summary.revertedBy, result.recorded);
}

TEST_F(TakeBack, ASetWithFilesBeyondThePathIsNotUndoneFromIt) {
  std::filesystem::create_directories(folder.File("sub"));
  const recorded::TakeBackPlan undo = recorded::PlanUndo(*kept.store(), folder.File("sub"));
  EXPECT_EQ(undo.refusal, "nothing to undo under \"" + folder.File("sub") + "\"");
  const recorded::TakeBackPlan one = recorded::PlanUndo(*kept.store(), folder.File("a.txt"));
  EXPECT_EQ(one.refusal, "change set 1 (Import roster.csv) also changed files outside \"" +
                             folder.File("a.txt") + "\": " + folder.File("b.txt") + ", " +
                             folder.File("c.txt") + "; undo it from a folder that holds them all");
}

// A link put on the way since the set was made is refused, not followed.
TEST_F(TakeBack, StaysConfinedToTheFolderOfItsFiles) {
  TempDirectory elsewhere;
  const auto journal = kept.JournalFor("Save");
  ASSERT_EQ(folder.Commit({{"a.txt", A0}, {"deep/d.txt", A0}}, journal.get()), "");
  std::filesystem::remove_all(folder.File("deep"));
  WriteBytes(elsewhere / "d.txt", A0);
  std::filesystem::create_directory_symlink(elsewhere.path(), folder.File("deep"));
  recorded::TakeBackPlan undo = recorded::PlanUndo(*kept.store(), folder.files());
  ASSERT_EQ(undo.words, "Undo 2");
  ASSERT_EQ(undo.plan.Problems().size(), 1u);
  EXPECT_EQ(undo.plan.Problems()[0].kind, roster::ProblemKind::Outside);
  EXPECT_FALSE(recorded::CommitTakeBack(undo, kept).commit.ok());
  EXPECT_EQ(Held(elsewhere / "d.txt"), A0);
  EXPECT_EQ(Held(folder.File("a.txt")), A0);
}

}  // namespace
}  // namespace ostrak::test
