// A plan large enough to keep its bytes in a temporary file commits as one
// held in memory: the same files written, the same change set recorded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordedFixture.h"
#include "roster/PlanBytes.h"

namespace ostrak::test {
namespace {

// A set's files under their names in the fighter folder, with their bytes.
std::string Described(const history::ChangeSet& set, const std::string& files) {
  std::string text = set.summary.command + "\n";
  for (const history::FileChange& file : set.files) {
    text += file.path.substr(files.size()) + " " + file.before.value_or("-") + " > " +
            file.after.value_or("-") + "\n";
  }
  return text;
}

struct Outcome {
  std::vector<history::Content> files;
  std::string recorded;
};

// a.txt replaced, c.txt removed, b.txt and 40 more created, in one commit.
Outcome CommitWithThreshold(std::size_t threshold) {
  const roster::detail::SpillThreshold spill(threshold);
  RecordedFolder folder;
  Put(folder.File("a.txt"), Fighter(3));
  Put(folder.File("c.txt"), Fighter(5));
  std::vector<roster::FileWrite> writes{
      {"a.txt", Fighter(4)}, {"b.txt", Fighter(6)}, {"c.txt", std::nullopt}};
  for (int i = 0; i < 40; ++i) writes.push_back({"new/" + std::to_string(i) + ".txt", Fighter(i % 20 + 1)});

  recorded::WriterHistory kept = folder.Open();
  const auto journal = kept.JournalFor("Import roster.csv");
  Outcome outcome;
  const std::string failure = folder.Commit(writes, journal.get());
  EXPECT_EQ(failure, "");
  EXPECT_EQ(journal->Problem(), "");
  for (const roster::FileWrite& write : writes) outcome.files.push_back(Held(folder.File(write.file)));
  const auto sets = kept.store()->History({folder.files()});
  if (sets.size() != 1) return outcome;
  outcome.recorded = Described(*kept.store()->Get(sets[0].id), folder.files());
  return outcome;
}

TEST(SpilledCommit, WritesAndRecordsWhatACommitInMemoryDoes) {
  const Outcome inMemory = CommitWithThreshold(std::size_t{64} << 20);
  const Outcome spilled = CommitWithThreshold(0);
  ASSERT_EQ(inMemory.files.size(), 43u);
  EXPECT_EQ(inMemory.files[0], Fighter(4));
  EXPECT_EQ(inMemory.files[2], std::nullopt);
  EXPECT_EQ(spilled.files, inMemory.files);
  EXPECT_NE(inMemory.recorded.find("a.txt " + Fighter(3) + " > " + Fighter(4)), std::string::npos);
  EXPECT_EQ(spilled.recorded, inMemory.recorded);
}

}  // namespace
}  // namespace ostrak::test
