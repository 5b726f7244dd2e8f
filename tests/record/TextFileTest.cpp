#include "record/TextFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "record/StringList.h"
#include "support/FailureMessage.h"
#include "support/RunInChild.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

// Runs the test body with another current directory and restores it.
class CurrentDirectory {
public:
  explicit CurrentDirectory(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~CurrentDirectory() { std::filesystem::current_path(previous_); }

private:
  std::filesystem::path previous_;
};

using test::MessageOf;

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0);
  return status.st_mode;
}

TEST(LoadFromFile, MissingFileKeepsTheListAndNamesTheFullPath) {
  TempDirectory dir;
  CurrentDirectory here(dir.path());
  TStringList list;
  list.Add("kept");
  const std::string message = MessageOf<FileOpenError>([&] { list.LoadFromFile("sub/../missing.txt"); });
  EXPECT_EQ(message, "Cannot open file \"" + std::filesystem::current_path().string() +
                         "/missing.txt\". No such file or directory");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Get(0), "kept");
}

TEST(LoadFromFile, DirectoryCannotBeOpened) {
  TempDirectory dir;
  TStringList list;
  const std::string folder = dir / "folder";
  std::filesystem::create_directory(folder);
  EXPECT_EQ(MessageOf<FileOpenError>([&] { list.LoadFromFile(folder); }),
            "Cannot open file \"" + folder + "\". Is a directory");
}

TEST(LoadFromFile, SixteenMebibytesLoadAndOneByteMoreIsRefused) {
  TempDirectory dir;
  std::string bytes(kMaxInputFileBytes, 'a');
  bytes[10] = '\n';
  WriteBytes(dir / "limit.txt", bytes);
  TStringList list;
  list.LoadFromFile(dir / "limit.txt");
  EXPECT_EQ(list.Count(), 2);

  bytes.push_back('a');
  WriteBytes(dir / "over.txt", bytes);
  EXPECT_EQ(MessageOf<FileOpenError>([&] { list.LoadFromFile(dir / "over.txt"); }),
            "Cannot open file \"" + dir / "over.txt" + "\". File too large");
  EXPECT_EQ(list.Count(), 2);
}

TEST(SaveToFile, WritesEveryLineWithCrLfAndReplacesTheFile) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", "a much longer previous content\n");
  TStringList list;
  list.Add("1");
  list.Add("");
  list.SaveToFile(dir / "f.txt");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "1\r\n\r\n");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.txt"});

  TStringList empty;
  empty.SaveToFile(dir / "f.txt");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "");
}

TEST(SaveToFile, KeepsThePermissionBitsOfTheReplacedFile) {
  TempDirectory dir;
  TStringList list;
  list.Add("x");
  for (const mode_t mode : {0640, 0604, 0755}) {
    WriteBytes(dir / "f.txt", "old");
    ASSERT_EQ(::chmod((dir / "f.txt").c_str(), mode), 0);
    list.SaveToFile(dir / "f.txt");
    EXPECT_EQ(ModeOf(dir / "f.txt") & 07777, mode);
  }
}

TEST(SaveToFile, ReplacesTheFinalTargetOfASymbolicLink) {
  TempDirectory dir;
  WriteBytes(dir / "target.txt", "old");
  std::filesystem::create_symlink("target.txt", dir / "link1");
  std::filesystem::create_symlink(dir / "link1", dir / "link2");
  TStringList list;
  list.Add("new");
  list.SaveToFile(dir / "link2");
  EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link1")));
  EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link2")));
  EXPECT_EQ(ReadBytes(dir / "target.txt"), "new\r\n");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"link1", "link2", "target.txt"}));
}

TEST(SaveToFile, DanglingLinkCreatesItsTarget) {
  TempDirectory dir;
  std::filesystem::create_symlink("made.txt", dir / "link");
  TStringList list;
  list.Add("x");
  list.SaveToFile(dir / "link");
  EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link")));
  EXPECT_EQ(ReadBytes(dir / "made.txt"), "x\r\n");
}

struct CreateFailureCase {
  const char* name;
  const char* target;  // inside the temporary directory
  const char* systemText;
};

void PrintTo(const CreateFailureCase& c, std::ostream* os) { *os << c.name; }

class SaveCreateFailure : public ::testing::TestWithParam<CreateFailureCase> {};

// The directory holds "folder/" (a directory), "plain" (a file) and "pipe" (a FIFO).
TEST_P(SaveCreateFailure, ReportsTheSystemReasonAndWritesNothing) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "folder");
  WriteBytes(dir / "plain", "plain");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  const auto before = dir.Entries();

  TStringList list;
  list.Add("x");
  const std::string target = dir / GetParam().target;
  EXPECT_EQ(MessageOf<FileCreateError>([&] { list.SaveToFile(target); }),
            "Cannot create file \"" + FullPathName(target) + "\". " + GetParam().systemText);
  EXPECT_EQ(dir.Entries(), before);
  EXPECT_EQ(ReadBytes(dir / "plain"), "plain");
  EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
}

const CreateFailureCase kCreateFailures[] = {
    {"missing_folder", "nowhere/f.txt", "No such file or directory"},
    {"target_is_a_directory", "folder", "Is a directory"},
    {"target_is_a_directory_with_slash", "folder/", "Is a directory"},
    {"folder_is_a_file", "plain/f.txt", "Not a directory"},
    {"target_is_a_pipe", "pipe", "Operation not supported"},
};

INSTANTIATE_TEST_SUITE_P(Table, SaveCreateFailure, ::testing::ValuesIn(kCreateFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveToFile, NameThatQtCannotCarryIsRefused) {
  TempDirectory dir;
  TStringList list;
  list.Add("x");
  const std::string target = dir / "Pu\xF1os.txt";  // Windows-1252, not UTF-8
  EXPECT_EQ(MessageOf<FileCreateError>([&] { list.SaveToFile(target); }),
            "Cannot create file \"" + target + "\". " + SystemErrorText(EILSEQ));
  EXPECT_TRUE(dir.Entries().empty());
}

ino_t InodeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0);
  return status.st_ino;
}

// A new file renamed over this one would leave its other name with the old bytes.
TEST(SaveToFile, AFileWithSeveralNamesIsWrittenInPlace) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", "a much longer previous content\r\n");
  std::filesystem::create_hard_link(dir / "f.txt", dir / "other name.txt");
  const ino_t inode = InodeOf(dir / "f.txt");
  TStringList list;
  list.Add("new");
  list.SaveToFile(dir / "f.txt");
  EXPECT_EQ(ReadBytes(dir / "other name.txt"), "new\r\n");
  EXPECT_EQ(InodeOf(dir / "f.txt"), inode);
}

// A folder that refuses new files holding a file the user may write. Root
// may create files anywhere, so its child saves as an unprivileged account.
TEST(SaveToFile, AWritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
  TempDirectory dir;
  const std::string folder = dir / "shared";
  const std::string file = folder + "/f.txt";
  std::filesystem::create_directory(folder);
  WriteBytes(file, "a much longer previous content\r\n");
  const ino_t inode = InodeOf(file);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  const std::string result = test::RunInChild([&] {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 &&
        (::chown(file.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      return std::string("cannot drop root");
    }
    TStringList list;
    list.Add("new");
    return MessageOf<Error>([&] { list.SaveToFile(file); });
  });
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(result, "(no failure)");
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  EXPECT_EQ(InodeOf(file), inode);
}

TEST(SaveToFile, RelativeNameIsWrittenInTheCurrentDirectory) {
  TempDirectory dir;
  CurrentDirectory here(dir.path());
  TStringList list;
  list.Add("x");
  list.SaveToFile("relative.txt");
  EXPECT_EQ(ReadBytes(dir / "relative.txt"), "x\r\n");
}

}  // namespace
}  // namespace ostrak
