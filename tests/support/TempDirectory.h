#pragma once

// A fresh directory for one test, removed with everything in it at the end.
// A test that moved into it is moved back out first, so that the tests after
// it in the same process do not run in a deleted directory.

#include <string>
#include <vector>

namespace ostrak::test {

class TempDirectory {
public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  // Ends in '/'.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }
  // Writes `bytes` to the named file in the directory and returns its path.
  std::string File(const std::string& name, const std::string& bytes) const;

  // The names in the directory, sorted (for "no temporary file remains").
  std::vector<std::string> Entries() const { return EntriesOf(path_); }
  static std::vector<std::string> EntriesOf(const std::string& directory);

private:
  std::string path_;
  std::string startDirectory_;
};

// Whole-file helpers that bypass the code under test.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace ostrak::test
