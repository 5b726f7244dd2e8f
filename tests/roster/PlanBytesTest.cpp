// The bytes a plan keeps for its files: read back exactly wherever they
// lie, in memory or spilled; a spill that cannot be made fails the plan
// and touches no file.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/PlanBytes.h"
#include "support/RunInChild.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::detail::PlanBytes;
using roster::detail::SpillThreshold;

// `count` files of sizes that vary, some empty, some past a write piece.
std::vector<std::string> Files(std::size_t count) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = i % 7 == 3 ? 0 : i % 11 == 5 ? (std::size_t{1} << 20) + 17 : 100 + i * 13 % 300;
    std::string bytes(size, '\0');
    for (std::size_t b = 0; b < size; ++b) bytes[b] = static_cast<char>((i * 31 + b) % 251);
    files.push_back(std::move(bytes));
  }
  return files;
}

struct HeldCase {
  const char* name;
  std::size_t threshold;
  std::size_t files;
  bool spilled;
};

const HeldCase kHeldCases[] = {
    {"a_few_files_stay_in_memory", std::size_t{4} << 20, 3, false},
    {"every_byte_spilled_from_the_first", 0, 40, true},
    {"spilled_part_way_the_rest_in_memory_after_it", 5000, 40, true},
};

void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.name; }

class HeldBytes : public ::testing::TestWithParam<HeldCase> {};

TEST_P(HeldBytes, ReadBackEveryFileExactly) {
  const HeldCase& row = GetParam();
  const SpillThreshold threshold(row.threshold);
  PlanBytes bytes;
  const std::vector<std::string> files = Files(row.files);
  std::vector<roster::HeldBytes> held;
  for (const std::string& file : files) held.push_back(bytes.Add(file));
  EXPECT_EQ(bytes.spilled(), row.spilled);
  // Backwards, so that no read leans on the one before.
  for (std::size_t i = files.size(); i-- > 0;) EXPECT_EQ(bytes.Read(held[i]), files[i]) << "file " << i;
}

INSTANTIATE_TEST_SUITE_P(Plans, HeldBytes, ::testing::ValuesIn(kHeldCases),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Planned { Import, Writes };

struct SpillCase {
  const char* name;
  Planned planned;
  const char* folder;  // TMPDIR under the test's directory
  bool fileSizeLimited;
  const char* error;
};

const SpillCase kSpillCases[] = {
    {"import_with_no_temporary_folder", Planned::Import, "gone", false, "No such file or directory"},
    {"whole_files_with_no_temporary_folder", Planned::Writes, "gone", false, "No such file or directory"},
    {"import_whose_temporary_folder_is_a_file", Planned::Import, "table.csv", false, "Not a directory"},
    {"import_whose_temporary_folder_is_full", Planned::Import, "tmp", true, "File too large"},
};

void PrintTo(const SpillCase& c, std::ostream* os) { *os << c.name; }

class FailedSpill : public ::testing::TestWithParam<SpillCase> {};

TEST_P(FailedSpill, IsAProblemOfThePlanAndTouchesNoFile) {
  const SpillCase& row = GetParam();
  TempDirectory dir;
  std::filesystem::create_directories(dir / "tmp");
  std::filesystem::create_directories(dir / "base");
  WriteBytes(dir / "base/kept.txt", "not a fighter");
  std::string table = kHeader;
  std::vector<roster::FileWrite> writes;
  for (int i = 0; i < 30; ++i) {
    const std::string name = "new" + std::to_string(i) + ".txt";
    table += Row(name, std::to_string(i % 20 + 1));
    writes.push_back({name, std::string(100, 'x')});
  }
  WriteBytes(dir / "table.csv", table);
  const Tree before = TreeOf(dir / "base");

  // TMPDIR and the file size limit are the child's alone.
  const std::string report = RunInChild([&] {
    ::setenv("TMPDIR", (dir / row.folder).c_str(), 1);
    const SpillThreshold threshold(0);
    rlimit was{};
    ::getrlimit(RLIMIT_FSIZE, &was);
    if (row.fileSizeLimited) {
      std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG
      const rlimit limit{100, was.rlim_max};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    roster::RosterPlan plan = row.planned == Planned::Import
                                  ? roster::PlanImport(dir / "table.csv", {dir / "base"})
                                  : roster::PlanWrites(writes, {dir / "base"});
    ::setrlimit(RLIMIT_FSIZE, &was);
    if (plan.Problems().empty()) return std::string("planned");
    return std::to_string(plan.Problems().front().row) + ": " + plan.Problems().front().message +
           (roster::Commit(plan).ok() ? ", committed" : "");
  });
  EXPECT_EQ(report,
            "0: cannot keep the planned files' bytes in \"" + (dir / row.folder) + "\": " + row.error);
  EXPECT_EQ(TreeOf(dir / "base"), before);
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "tmp"), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Folders, FailedSpill, ::testing::ValuesIn(kSpillCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak::test
