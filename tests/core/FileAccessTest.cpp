#include "core/FileAccess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "support/FailureMessage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::TempDirectory;

using test::MessageOf;

TEST(FileAccess, FullPathNameExpandsAndFoldsLexically) {
  const std::string current = std::filesystem::current_path().string();
  struct Row {
    const char* name;
    std::string full;
  };
  const Row rows[] = {
      {"/opt/editor//Fondo6.jpg", "/opt/editor/Fondo6.jpg"},
      {"/opt/./editor/../Fondo6.jpg", "/opt/Fondo6.jpg"},
      {"Fighters/Ana.txt", current + "/Fighters/Ana.txt"},
      {"../x.txt", std::filesystem::current_path().parent_path().string() + "/x.txt"},
  };
  for (const Row& row : rows) EXPECT_EQ(FullPathName(row.name), row.full) << row.name;
}

TEST(FileAccess, FileErrorsQuoteTheFullPath) {
  EXPECT_EQ(CannotOpenFile("/nowhere/a.txt", ENOENT).message(),
            "Cannot open file \"/nowhere/a.txt\". No such file or directory");
  EXPECT_EQ(CannotCreateFile("/nowhere/a.txt", ENOENT).message(),
            "Cannot create file \"/nowhere/a.txt\". No such file or directory");
}

TEST(FileAccess, ReadsEveryByteUnchanged) {
  TempDirectory folder;
  const std::string bytes("a\r\nb\0\xE9\xFF\rz", 9);
  EXPECT_EQ(ReadWholeFile(folder.File("bytes.bin", bytes)), bytes);
  EXPECT_EQ(ReadWholeFile(folder.File("empty.bin", "")), "");
}

TEST(FileAccess, UnreadableInputFailsWithTheOpenError) {
  TempDirectory folder;
  const std::string missing = folder / "missing.jpg";
  EXPECT_EQ(MessageOf<FileOpenError>([&] { ReadWholeFile(missing); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  const std::string directory = folder / "sub";
  std::filesystem::create_directory(directory);
  EXPECT_EQ(MessageOf<FileOpenError>([&] { ReadWholeFile(directory); }),
            "Cannot open file \"" + directory + "\". Is a directory");
}

TEST(FileAccess, ContentOverTheLimitIsRefused) {
  TempDirectory folder;
  const std::string path = folder.File("ten.bin", "0123456789");
  EXPECT_EQ(ReadWholeFile(path, 10), "0123456789");
  EXPECT_EQ(MessageOf<FileOpenError>([&] { ReadWholeFile(path, 9); }),
            "Cannot open file \"" + path + "\". File too large");
}

TEST(FileAccess, AnEndlessDeviceIsCutAtTheLimit) {
  EXPECT_EQ(MessageOf<FileOpenError>([] { ReadWholeFile("/dev/zero", 100000); }),
            "Cannot open file \"/dev/zero\". File too large");
}

TEST(FileAccess, AFifoWithoutWriterDoesNotBlock) {
  TempDirectory folder;
  const std::string fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(fifo), "");
}

}  // namespace
}  // namespace ostrak
