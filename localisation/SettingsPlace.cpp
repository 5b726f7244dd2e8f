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
  if (folder == ProgramFolder::Portable) return {shipped, ""};
  return {configHome + kUserFolderName + kSettingsFileName, shipped};
}

std::string SeedSettings(const SettingsPlace& place) {
  struct stat status {};
  if (place.seed.empty() || ::lstat(place.path.c_str(), &status) == 0) return place.path;
  const std::string bytes = ReadWholeFile(place.seed);
  try {
    MakeSettingsFolder(place);
    WriteTextFileAtomically(place.path, bytes);
  } catch (const FileCreateError&) {
    return place.seed;
  } catch (const WriteError&) {
    return place.seed;
  }
  return place.path;
}

void MakeSettingsFolder(const SettingsPlace& place) {
  if (place.seed.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(place.path).parent_path(), error);
  if (error) throw CannotCreateFile(place.path, error.value());
}

}  // namespace ostrak
