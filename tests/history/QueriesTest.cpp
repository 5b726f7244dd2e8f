// What the history answers: the sets under a folder, what an undo or a redo
// would take back, and a file's bytes at a point of the history.

#include "HistoryFixture.h"
#include "support/FailureMessage.h"

namespace ostrak::test {
namespace {

using history::ChangeSetId;
using history::Reversal;
using history::SetKind;

class Queries : public ::testing::Test {
protected:
  ChangeSetId Done(const std::string& command, const std::vector<history::FileChange>& files,
                   std::optional<Reversal> reversal = {}) {
    const ChangeSetId id = store->Begin(command, files, reversal);
    store->MarkDone(id);
    folder.now += 1min;
    return id;
  }
  std::string P(const std::string& name) const { return folder.File(name); }
  std::vector<ChangeSetId> Ids(const std::vector<std::string>& paths) const {
    std::vector<ChangeSetId> ids;
    for (const auto& set : store->History(paths)) ids.push_back(set.id);
    return ids;
  }

  StoreFolder folder;
  std::unique_ptr<history::Store> store = folder.Open();
};

TEST_F(Queries, HistoryTakesFilesAndFoldersWithASlashBoundaryNewestFirst) {
  const ChangeSetId a = Done("Save", {{P("ab/x.txt"), std::nullopt, "1"}});
  const ChangeSetId b = Done("Save", {{P("a/x.txt"), std::nullopt, "2"}});
  const ChangeSetId both =
      Done("Import roster.csv", {{P("a/y.txt"), std::nullopt, "3"}, {P("ab/y.txt"), "", "4"}});
  EXPECT_EQ(Ids({P("a")}), (std::vector{both, b}));
  EXPECT_EQ(Ids({P("a/")}), (std::vector{both, b}));
  EXPECT_EQ(Ids({P("a/x.txt")}), (std::vector{b}));
  EXPECT_EQ(Ids({P("a/x")}), (std::vector<ChangeSetId>{}));
  EXPECT_EQ(Ids({P("a/x.txt"), P("ab/x.txt")}), (std::vector{b, a}));
  EXPECT_EQ(Ids({"/"}), (std::vector{both, b, a}));
  const history::ChangeSetSummary summary = store->History({P("a")})[0];
  EXPECT_EQ(summary.time, "2024-05-01T12:02:00Z");
  EXPECT_EQ(summary.command, "Import roster.csv");
  EXPECT_EQ(summary.files, 2u);
  EXPECT_FALSE(summary.undone());
}

TEST_F(Queries, UndoAndRedoWalkTheStackAndAreRecordedOnce) {
  const ChangeSetId s1 = Done("Save", {{P("a.txt"), "0", "1"}});
  const ChangeSetId s2 = Done("Save", {{P("a.txt"), "1", "2"}});
  EXPECT_EQ(store->NewestUndoable(P(""))->set.id, s2);
  EXPECT_FALSE(store->NewestRedoable(P("")));
  const ChangeSetId u2 = Done("Undo 2", {{P("a.txt"), "2", "1"}}, Reversal{SetKind::Undo, s2});
  EXPECT_EQ(
      MessageOf<history::StoreError>([&] {
        store->Begin("Undo 2", {{P("a.txt"), "1", "1"}}, Reversal{SetKind::Undo, s2});
      }),
      "change set " + std::to_string(s2) + " is already taken back by change set " + std::to_string(u2));
  EXPECT_EQ(MessageOf<history::StoreError>([&] {
              store->Begin("Redo", {{P("a.txt"), "1", "2"}}, Reversal{SetKind::Redo, s1});
            }),
            "change set " + std::to_string(s1) + " is no undo to redo");
  EXPECT_TRUE(store->Get(s2)->summary.undone());
  EXPECT_EQ(store->NewestUndoable(P(""))->set.id, s1);  // an undo is not itself undone by undo
  const ChangeSetId u1 = Done("Undo 1", {{P("a.txt"), "1", "0"}}, Reversal{SetKind::Undo, s1});
  EXPECT_FALSE(store->NewestUndoable(P("")));
  EXPECT_EQ(store->NewestRedoable(P(""))->set.id, u1);
  const ChangeSetId r1 = Done("Redo", {{P("a.txt"), "0", "1"}}, Reversal{SetKind::Redo, u1});
  EXPECT_EQ(store->NewestRedoable(P(""))->set.id, u2);
  EXPECT_EQ(store->NewestUndoable(P(""))->set.id, r1);  // a redo is undone like a change
  EXPECT_EQ(store->Get(u1)->summary.revertedBy, r1);
}

TEST_F(Queries, ANewChangeToAnUndoneFileEndsItsRedo) {
  const ChangeSetId s1 = Done("Save", {{P("a.txt"), "0", "1"}});
  Done("Undo 1", {{P("a.txt"), "1", "0"}}, Reversal{SetKind::Undo, s1});
  Done("Save", {{P("b.txt"), "0", "1"}});
  EXPECT_TRUE(store->NewestRedoable(P("")));  // another file: the redo still fits
  Done("Save", {{P("a.txt"), "0", "5"}});
  EXPECT_FALSE(store->NewestRedoable(P("")));
}

TEST_F(Queries, AnUndoThatWouldReachBeyondThePathNamesWhatLiesOutsideInsteadOfSkippingIt) {
  Done("Save", {{P("heavy/x.txt"), "0", "1"}});
  const ChangeSetId import =
      Done("Import roster.csv", {{P("heavy/x.txt"), "1", "2"}, {P("light/y.txt"), std::nullopt, "3"}});
  const auto candidate = store->NewestUndoable(P("heavy"));
  ASSERT_TRUE(candidate);
  EXPECT_EQ(candidate->set.id, import);
  EXPECT_EQ(candidate->outside, std::vector<std::string>{P("light/y.txt")});
  EXPECT_TRUE(store->NewestUndoable(P(""))->outside.empty());
}

TEST_F(Queries, AFileAtAPointIsWhatTheSetRecordedOrWhatTheNewestEarlierOneLeft) {
  const ChangeSetId s1 = Done("Save", {{P("a.txt"), std::nullopt, "1"}});
  const ChangeSetId other = Done("Save", {{P("b.txt"), std::nullopt, "b"}});
  const ChangeSetId s3 = Done("Save", {{P("a.txt"), "1", std::nullopt}});
  struct Row {
    const char* name;
    std::optional<history::Version> found;
    std::optional<history::Version> expected;
  };
  const Row rows[] = {
      {"after_a_creation", store->VersionAfter(s1, P("a.txt")), history::Version{s1, "1"}},
      {"before_a_creation", store->VersionBefore(s1, P("a.txt")), history::Version{s1, std::nullopt}},
      {"after_a_set_of_another_file", store->VersionAfter(other, P("a.txt")), history::Version{s1, "1"}},
      {"before_a_set_of_another_file", store->VersionBefore(other, P("a.txt")), history::Version{s1, "1"}},
      {"after_a_removal", store->VersionAfter(s3, P("a.txt")), history::Version{s3, std::nullopt}},
      {"before_the_file_was_known", store->VersionAfter(s1, P("b.txt")), std::nullopt},
      {"a_set_that_does_not_exist", store->VersionAfter(s3 + 1, P("a.txt")), std::nullopt},
      {"last_recorded", store->LastRecorded(P("a.txt")), history::Version{s3, std::nullopt}},
  };
  for (const Row& row : rows) {
    ASSERT_EQ(row.found.has_value(), row.expected.has_value()) << row.name;
    if (row.found) {
      EXPECT_EQ(row.found->set, row.expected->set) << row.name;
      EXPECT_EQ(row.found->content, row.expected->content) << row.name;
    }
  }
}

TEST_F(Queries, AChangeMadeOutsideIsRecordedAgainstTheLastBytesAndIsNoUndoStep) {
  const ChangeSetId s1 = Done("Save", {{P("a.txt"), "0", "1"}});
  const ChangeSetId outside = store->RecordOutsideChange(P("a.txt"), "edited elsewhere");
  const auto set = store->Get(outside);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->summary.command, "Changed outside");
  EXPECT_EQ(set->summary.kind, SetKind::Outside);
  EXPECT_EQ(set->files[0].before, "1");
  EXPECT_EQ(set->files[0].after, "edited elsewhere");
  EXPECT_EQ(store->LastRecorded(P("a.txt"))->set, outside);
  EXPECT_EQ(store->NewestUndoable(P(""))->set.id, s1);
}

TEST_F(Queries, ABadChangeSetIsRefusedBeforeAnythingIsRecorded) {
  const std::pair<std::string, std::vector<history::FileChange>> rows[] = {
      {"a change set needs at least one file", {}},
      {"history: \"a.txt\" is not a canonical path", {{"a.txt", "0", "1"}}},
      {"history: a change set names \"" + P("a.txt/") + "\" twice",
       {{P("a.txt"), "0", "1"}, {P("a.txt/"), "1", "2"}}},
  };
  for (const auto& [message, files] : rows) {
    EXPECT_EQ(MessageOf<history::StoreError>([&] { store->Begin("Save", files); }), message);
  }
  EXPECT_TRUE(store->History({"/"}).empty());
}

TEST_F(Queries, TheDraftKeepsOneFormAndGoesWhenCleared) {
  EXPECT_FALSE(store->Draft());
  store->SaveDraft(Fighter(3));
  store->SaveDraft(Fighter(4));
  ASSERT_TRUE(store->Draft());
  EXPECT_EQ(store->Draft()->bytes, Fighter(4));
  EXPECT_EQ(store->Draft()->time, "2024-05-01T12:00:00Z");
  store->ClearDraft();
  EXPECT_FALSE(store->Draft());
}

}  // namespace
}  // namespace ostrak::test
