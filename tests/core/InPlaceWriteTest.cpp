// A file written over itself keeps its identity and ends with exactly the new
// bytes, or, put back, exactly the old ones at their old length.

#include "core/InPlaceWrite.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "core/FileDescriptor.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

struct Sizes {
  const char* name;
  std::size_t old;
  std::size_t fresh;
};

void PrintTo(const Sizes& row, std::ostream* os) { *os << row.name; }

class InPlace : public ::testing::TestWithParam<Sizes> {};

TEST_P(InPlace, WritesTheNewBytesOrPutsTheOldOnesBack) {
  const std::string old(GetParam().old, 'o');
  const std::string fresh(GetParam().fresh, 'n');
  for (const bool putBack : {false, true}) {
    TempDirectory dir;
    WriteBytes(dir / "f", old);
    struct stat before {};
    ASSERT_EQ(::stat((dir / "f").c_str(), &before), 0);
    const FileDescriptor file(::open((dir / "f").c_str(), O_WRONLY | O_CLOEXEC));
    InPlaceWrite write(file.get(), old);
    ASSERT_EQ(write.Reserve(fresh.size()), 0);
    struct stat reserved {};
    ASSERT_EQ(::fstat(file.get(), &reserved), 0);
    EXPECT_EQ(reserved.st_size, before.st_size) << "reserving changes no byte";
    if (putBack) {
      ASSERT_EQ(write.Overwrite(fresh), 0);  // a failure after this: the cut, say
      ASSERT_EQ(write.PutBack(), 0);
    } else {
      ASSERT_EQ(WriteOver(write, fresh).error, 0);
    }
    EXPECT_EQ(ReadBytes(dir / "f"), putBack ? old : fresh);
    struct stat after {};
    ASSERT_EQ(::stat((dir / "f").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
  }
}

const Sizes kSizes[] = {
    {"shorter", 9000, 100}, {"longer", 100, 9000},    {"as_long", 500, 500},
    {"to_nothing", 300, 0}, {"from_nothing", 0, 300},
};

INSTANTIATE_TEST_SUITE_P(Table, InPlace, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak
