// A roster folder's walk: what it lists, what it leaves out and says so,
// and that a folder is handed to the caller before a single entry is read.

#include "roster/FolderListing.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::SkippedFolder;
using roster::SkipReason;

std::vector<std::string> Names(const roster::FolderListing& listing) {
  std::vector<std::string> names;
  for (const auto& [name, stamp] : listing.files) names.push_back(name);
  return names;
}

// "d/d/…/" `levels` folders deep.
std::string Nested(int levels) {
  std::string path;
  for (int i = 0; i < levels; ++i) path += "d/";
  return path;
}

// A file on every level from the top down to the limit: the walk reads these.
std::vector<std::string> FilesDownToTheLimit() {
  std::vector<std::string> files;
  for (int level = 0; level <= roster::kMaxFolderDepth; ++level) files.push_back(Nested(level) + "f.txt");
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ListFighterFiles, SaysWhichFoldersItDidNotReadAndWhy) {
  const std::string deepest = Nested(roster::kMaxFolderDepth + 2);
  const struct {
    const char* name;
    std::function<void(const TempDirectory&)> make;
    std::string listed;  // the folder listed, under the temporary one
    std::vector<std::string> files;
    std::vector<SkippedFolder> skipped;
    std::vector<std::string> messages;
  } rows[] = {
      {"a folder past the depth limit",
       [&](const TempDirectory& dir) {
         std::filesystem::create_directories(dir / ("r/" + deepest));
         for (int level = 0; level <= roster::kMaxFolderDepth + 2; ++level)
           WriteBytes(dir / ("r/" + Nested(level) + "f.txt"), "1");
       },
       "r/",
       FilesDownToTheLimit(),
       {{Nested(roster::kMaxFolderDepth + 1), SkipReason::TooDeep, 0}},
       {"not read: it lies more than 32 folders deep"}},
      {"the roster folder gone",
       [](const TempDirectory&) {},
       "gone/",
       {},
       {{"", SkipReason::Unreadable, ENOENT}},
       {"not read: No such file or directory"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const TempDirectory dir;
    row.make(dir);
    const roster::FolderListing listing = roster::ListFighterFiles(dir / row.listed);
    EXPECT_EQ(Names(listing), row.files);
    EXPECT_EQ(listing.skipped, row.skipped);
    std::vector<std::string> messages;
    for (const SkippedFolder& skipped : listing.skipped) messages.push_back(skipped.Message());
    EXPECT_EQ(messages, row.messages);
  }
}

// What is made in a folder once the caller has it (a watch set up there)
// is listed: the caller is first.
TEST(ListFighterFiles, HandsEachFolderOverBeforeReadingIt) {
  const TempDirectory dir;
  std::filesystem::create_directories(dir / "r/sub");
  std::vector<std::string> entered;
  roster::ListingOptions options;
  options.entering = [&](int folder, const std::string& under) {
    entered.push_back(under);
    const int made = ::openat(folder, "made-while-entering.txt", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(made, 0);
    ::close(made);
  };
  const roster::FolderListing listing = roster::ListFighterFiles(dir / "r/", options);
  EXPECT_EQ(entered, (std::vector<std::string>{"", "sub/"}));
  EXPECT_EQ(Names(listing),
            (std::vector<std::string>{"made-while-entering.txt", "sub/made-while-entering.txt"}));
}

}  // namespace
}  // namespace ostrak::test
