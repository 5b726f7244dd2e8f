// Contents kept once each and compressed against the version before: every
// version reads back byte for byte, a one-line change costs tens of bytes,
// and no chain of versions grows without bound.

#include <random>

#include "HistoryFixture.h"
#include "history/Contents.h"

namespace ostrak::test {
namespace {

struct ContentCase {
  const char* name;
  std::vector<std::string> versions;  // of one file, saved in turn
};

std::string Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

std::vector<std::string> Punches(int count) {
  std::vector<std::string> versions;
  for (int i = 0; i < count; ++i) versions.push_back(Fighter(1 + i % 20, "Name " + std::to_string(i / 20)));
  return versions;
}

const ContentCase kContentCases[] = {
    {"one_field_changed_seventy_times", Punches(70)},
    {"empty_and_back", {Fighter(3), "", Fighter(3), ""}},
    {"bytes_of_every_kind", {std::string("a\0b\r\n\xFF", 6), std::string("a\0c\r\n\xFF", 6), Noise(300, 1)}},
    {"a_large_file_of_noise", {Noise(1 << 20, 2), Noise(1 << 20, 3)}},
};

void PrintTo(const ContentCase& c, std::ostream* os) { *os << c.name; }

class Versions : public ::testing::TestWithParam<ContentCase> {};

TEST_P(Versions, ReadBackByteForByteFromAStoreOpenedAgain) {
  StoreFolder folder;
  const std::string path = folder.File("a.txt");
  const std::vector<std::string>& versions = GetParam().versions;
  std::vector<history::ChangeSetId> ids;
  {
    const auto store = folder.Open();
    history::Content before;
    for (const std::string& version : versions) {
      ids.push_back(store->Begin("Save", {{path, before, version}}));
      store->MarkDone(ids.back());
      before = version;
    }
  }
  const auto store = folder.Open();
  for (std::size_t i = 0; i < versions.size(); ++i) {
    const auto set = store->Get(ids[i]);
    ASSERT_TRUE(set);
    ASSERT_EQ(set->files.size(), 1u);
    EXPECT_EQ(set->files[0].before, i ? history::Content(versions[i - 1]) : std::nullopt) << i;
    EXPECT_EQ(set->files[0].after, versions[i]) << i;
  }
  // The chain is cut: no content needs more than a bounded number of frames.
  EXPECT_LE(Peek(folder.store(), "SELECT max(depth) FROM content"), history::detail::kMaxDepth);
  if (versions.size() > history::detail::kMaxDepth + 1u) {
    EXPECT_GE(Peek(folder.store(), "SELECT count(*) FROM content WHERE depth = 0"), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Contents, Versions, ::testing::ValuesIn(kContentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Contents, AVersionThatDiffersInOneLineCostsTensOfBytes) {
  StoreFolder folder;
  const auto store = folder.Open();
  store->MarkDone(store->Begin("Save", {{folder.File("a.txt"), Fighter(3), Fighter(4)}}));
  EXPECT_LT(Peek(folder.store(), "SELECT length(frame) FROM content WHERE depth = 1"), 40);
  EXPECT_GT(Peek(folder.store(), "SELECT length(frame) FROM content WHERE depth = 0"), 60);
}

TEST(Contents, EqualContentsAreKeptOnceWhateverTheFilesAndSets) {
  StoreFolder folder;
  const auto store = folder.Open();
  store->MarkDone(store->Begin("Import roster.csv", {{folder.File("a.txt"), std::nullopt, Fighter(3)},
                                                     {folder.File("b.txt"), std::nullopt, Fighter(3)}}));
  store->MarkDone(store->Begin("Save", {{folder.File("a.txt"), Fighter(3), Fighter(4)}}));
  store->MarkDone(store->Begin("Undo 2", {{folder.File("a.txt"), Fighter(4), Fighter(3)}}));
  EXPECT_EQ(Peek(folder.store(), "SELECT count(*) FROM content"), 2);
  EXPECT_EQ(store->LastRecorded(folder.File("a.txt"))->content, Fighter(3));
}

// A set whose feed fails half-way is rolled back whole; the contents it
// stored first must not be read back for the ids the next set is given.
TEST(Contents, ASetRolledBackLeavesNoContentToReadForTheNextSet) {
  StoreFolder folder;
  const auto store = folder.Open();
  const std::string a = folder.File("a.txt");
  const std::string b = folder.File("b.txt");
  int passes = 0;  // the store reads the feed more than once: fail on its last
  EXPECT_ANY_THROW(store->Begin("Import t.csv", [&](const auto& take) {
    take(history::FileChange{a, std::nullopt, Fighter(7, "Rolled back")});
    if (++passes > 1) throw std::runtime_error("the spill cannot be read");
    take(history::FileChange{b, std::nullopt, Fighter(8, "Never stored")});
  }));
  const history::ChangeSetId id = store->Begin("Import t.csv", {{b, std::nullopt, Fighter(9, "Kept")}});
  store->MarkDone(id);
  const auto set = store->Get(id);
  ASSERT_TRUE(set);
  ASSERT_EQ(set->files.size(), 1u);
  EXPECT_EQ(set->files[0].after, Fighter(9, "Kept"));
  EXPECT_EQ(store->LastRecorded(b)->content, Fighter(9, "Kept"));
}

}  // namespace
}  // namespace ostrak::test
