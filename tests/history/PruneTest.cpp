// Pruning keeps 90 days and each file's newest 50 versions, never a pending
// set, and leaves every kept version readable when what it was made
// against goes.

#include "HistoryFixture.h"

namespace ostrak::test {
namespace {

using history::ChangeSetId;

TEST(Prune, KeepsNinetyDaysAndTheNewestFiftyVersionsOfEachFileAndTheirBytes) {
  StoreFolder folder;
  const auto store = folder.Open();
  const auto today = folder.now;
  const std::string a = folder.File("a.txt"), b = folder.File("b.txt"), c = folder.File("c.txt");
  std::vector<ChangeSetId> versions;  // of a.txt, a day apart, the last five within 90 days
  folder.now = today - std::chrono::days(200);
  const ChangeSetId lonely = store->Begin("Save", {{b, std::nullopt, Fighter(1)}});
  store->MarkDone(lonely);
  history::Content before;
  for (int i = 0; i < 60; ++i) {
    folder.now = today - std::chrono::days(i < 55 ? 150 - i : 60 - i);
    std::vector<history::FileChange> files = {{a, before, Fighter(1 + i % 20, std::to_string(i))}};
    if (i == 2) files.push_back({c, std::nullopt, Fighter(2)});  // c.txt's only version
    versions.push_back(store->Begin("Save", files));
    store->MarkDone(versions.back());
    before = files[0].after;
  }

  const history::PruneReport report = store->Prune(today);
  EXPECT_EQ(report.sets, 9u);  // a.txt's 1st, 2nd, 4th to 10th
  EXPECT_GE(report.rewritten, 1u);
  std::vector<ChangeSetId> kept;
  for (const auto& set : store->History({"/"})) kept.push_back(set.id);
  std::vector<ChangeSetId> expected(versions.rbegin(), versions.rend() - 10);
  expected.push_back(versions[2]);
  expected.push_back(lonely);
  EXPECT_EQ(kept, expected);
  for (int i = 10; i < 60; ++i) {
    EXPECT_EQ(store->Get(versions[i])->files[0].after, Fighter(1 + i % 20, std::to_string(i))) << i;
  }
  EXPECT_EQ(store->Get(lonely)->files[0].after, Fighter(1));
  EXPECT_EQ(store->Prune(today).sets, 0u);
}

TEST(Prune, APendingSetAndItsBytesSurviveWhateverTheirAge) {
  StoreFolder folder;
  const auto store = folder.Open();
  const auto today = folder.now;
  folder.now = today - std::chrono::days(400);
  const ChangeSetId pending = store->Begin("Save", {{folder.File("a.txt"), Fighter(1), Fighter(2)}});
  EXPECT_EQ(store->Prune(today).contents, 0u);
  store->MarkDone(pending);
  EXPECT_EQ(store->Get(pending)->files[0].before, Fighter(1));
}

TEST(Prune, RunsAtOpenOnceADay) {
  StoreFolder folder;
  struct Step {
    std::chrono::hours later;
    bool runs;
  };
  for (const Step step : {Step{0h, true}, Step{23h, false}, Step{2h, true}, Step{1h, false}}) {
    folder.now += step.later;
    EXPECT_EQ(folder.OpenResult(history::Maintenance::WhenDue).pruned.has_value(), step.runs)
        << step.later.count();
  }
  EXPECT_FALSE(folder.OpenResult(history::Maintenance::Never).pruned);
}

}  // namespace
}  // namespace ostrak::test
