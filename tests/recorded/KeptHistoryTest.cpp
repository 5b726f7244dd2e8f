// The history a long-lived writer keeps open: each write recorded in the
// store at the user's place as it is at that write.

#include "recorded/KeptHistory.h"

#include <filesystem>

#include "RecordedFixture.h"

namespace ostrak::test {
namespace {

using Change = void (*)(const RecordedFolder&);

struct KeptCase {
  const char* name;
  Change beforeFirst, between;
  bool firstRecorded, secondRecorded;
  std::size_t setsInStore;  // at the place, after both writes
};

void Nothing(const RecordedFolder&) {}
void SetAside(const RecordedFolder& f) {
  for (const char* end : {"", "-wal", "-shm"})
    std::filesystem::rename(f.place().store + end, f.place().store + ".aside" + end);
}

const KeptCase kKeptCases[] = {
    {"nothing_between", Nothing, Nothing, true, true, 2},
    {"the_folder_became_usable", [](const RecordedFolder& f) { Put(f.dir / "data", "not a folder"); },
     [](const RecordedFolder& f) { std::filesystem::remove(f.dir / "data"); }, false, true, 1},
    {"the_store_was_set_aside", Nothing, SetAside, true, true, 1},
    {"history_turned_off", Nothing, [](const RecordedFolder& f) { Put(f.place().setting, "history=off\n"); },
     true, false, 1},
};

void PrintTo(const KeptCase& c, std::ostream* os) { *os << c.name; }

class KeptStore : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptStore, RecordsEachWriteWhereTheUsersStoreIsThen) {
  const KeptCase& row = GetParam();
  RecordedFolder folder;
  recorded::KeptHistory kept([&folder] { return folder.place(); });
  row.beforeFirst(folder);
  bool recorded[2] = {};
  for (int write = 0; write < 2; ++write) {
    if (write == 1) row.between(folder);
    const auto journal = kept.Current().JournalFor("Save");
    ASSERT_EQ(folder.Commit({{"a.txt", Fighter(3 + write)}}, journal.get()), "");
    recorded[write] = journal->Recorded().has_value();
    kept.Written(*journal);
  }
  EXPECT_EQ(recorded[0], row.firstRecorded);
  EXPECT_EQ(recorded[1], row.secondRecorded);
  const history::OpenResult now = history::Store::Open(folder.place().store);
  ASSERT_TRUE(now.store) << now.reason;
  const auto sets = now.store->History({folder.files()});
  ASSERT_EQ(sets.size(), row.setsInStore);
  EXPECT_EQ(now.store->Get(sets[0].id)->files[0].after, row.secondRecorded ? Fighter(4) : Fighter(3));
}

INSTANTIATE_TEST_SUITE_P(Between, KeptStore, ::testing::ValuesIn(kKeptCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::test
