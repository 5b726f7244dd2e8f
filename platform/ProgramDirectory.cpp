#include "platform/ProgramDirectory.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace ostrak {

std::string ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  std::string directory = exe.parent_path().string();
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

bool IsWritableDirectory(const std::string& directory) {
  return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

bool IsInstalledProgramDirectory(const std::string& directory) {
  const std::string installed = "/" OSTRAK_PROGRAM_DIR "/";
  return directory.size() >= installed.size() &&
         directory.compare(directory.size() - installed.size(), installed.size(), installed) == 0;
}

}  // namespace ostrak
