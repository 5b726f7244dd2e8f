#include "support/TempDirectory.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ostrak::test {

TempDirectory::TempDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/ostrak-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  // Canonical, so that it reads the same as the current directory does after
  // a chdir into it (TMPDIR may end in '/' or pass through a link).
  path_ = std::filesystem::canonical(pattern).string() + "/";
  std::error_code unknown;
  startDirectory_ = std::filesystem::current_path(unknown).string();
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  const std::string current = std::filesystem::current_path(ignored).string() + "/";
  if (!startDirectory_.empty() && current.starts_with(path_)) {
    std::filesystem::current_path(startDirectory_, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDirectory::File(const std::string& name, const std::string& bytes) const {
  const std::string file = path_ + name;
  WriteBytes(file, bytes);
  return file;
}

std::vector<std::string> TempDirectory::EntriesOf(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace ostrak::test
