#include "localisation/SettingsPlace.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "core/FileAccess.h"
#include "record/TextFile.h"

namespace ostrak {

namespace {
constexpr const char* kSettingsFileName = "Config.txt";
constexpr const char* kUserFolderName = "ostrak-editor/";
}  // namespace

SettingsPlace SettingsPlaceFor(const std::string& programDirectory, ProgramFolder folder,
                               const std::string& configHome) {
  const std::string shipped = programDirectory + kSettingsFileName;
  if (folder == ProgramFolder::Writable) return {shipped, ""};
  return {configHome + kUserFolderName + kSettingsFileName, shipped};
}

void SeedSettings(const SettingsPlace& place) {
  struct stat status {};
  if (place.seed.empty() || ::lstat(place.path.c_str(), &status) == 0) return;
  const std::string bytes = ReadWholeFile(place.seed);
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(place.path).parent_path(), error);
  if (error) throw CannotCreateFile(place.path, error.value());
  WriteTextFileAtomically(place.path, bytes);
}

}  // namespace ostrak
