#include "roster/Targets.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "record/TextFile.h"

namespace ostrak::roster {

namespace {

// Why `path` cannot be written once the folders missing on its way are
// made: an error number for CannotCreateFile, or 0.
int WriteProblem(const std::string& path) {
  // A name that ends in a folder ("sub/", "sub/..") is no file, even once made.
  const std::filesystem::path name = std::filesystem::path(path).filename();
  if (name.empty() || name == "." || name == "..") return EISDIR;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  bool missing = false;
  for (struct stat status{}; !folder.empty(); folder = folder.parent_path(), missing = true) {
    if (::stat(folder.c_str(), &status) == 0) {
      if (!S_ISDIR(status.st_mode)) return ENOTDIR;
      break;
    }
    if (errno != ENOENT) return errno;
    // A dangling link cannot be made a folder.
    if (::lstat(folder.c_str(), &status) == 0) return EEXIST;
  }
  if (!missing) return CreateProblem(path);
  if (folder.empty()) folder = ".";
  return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

// The same key for every name of one place, whether it exists yet or not:
// the file or folder itself when it exists, where a dangling link points,
// else its folder's key and its name. `full` is absolute and normal.
std::string PlaceKey(const std::filesystem::path& full, int links = 0) {
  struct stat status {};
  if (::stat(full.c_str(), &status) == 0) return IntToStr(status.st_dev) + ":" + IntToStr(status.st_ino);
  if (links < 40 && ::lstat(full.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(full, error);
    if (!error) return PlaceKey((full.parent_path() / target).lexically_normal(), links + 1);
  }
  if (!full.has_relative_path()) return full.string();
  return PlaceKey(full.parent_path(), links) + "/" + full.filename().string();
}

// The keys of the folders that writing `full` would make.
std::vector<std::string> MissingFolders(const std::filesystem::path& full) {
  std::vector<std::string> keys;
  struct stat status {};
  for (std::filesystem::path folder = full.parent_path();
       folder.has_relative_path() && ::stat(folder.c_str(), &status) != 0; folder = folder.parent_path()) {
    keys.push_back(PlaceKey(folder));
  }
  return keys;
}

bool FileHolds(const std::string& path, const std::string& bytes) {
  try {
    return ReadWholeFile(path) == bytes;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace

std::string PathUnder(const std::string& folder, const std::string& file) {
  if (folder.empty() || file.empty() || file.front() == '/') return file;
  return folder.back() == '/' ? folder + file : folder + "/" + file;
}

std::vector<PlannedFile> CheckTargets(const std::vector<RosterRow>& rows, const std::string& base,
                                      std::vector<TableProblem>& problems) {
  std::vector<PlannedFile> files;
  std::map<std::string, int> rowOfFile;
  std::set<std::string> madeFolders;  // by the rows so far
  for (const RosterRow& row : rows) {
    PlannedFile planned{row.number, row.file, PathUnder(base, row.file), Action::Refused, {}};
    const auto fail = [&](std::string message) {
      problems.push_back({row.number, kFileColumn, std::move(message)});
    };
    const std::filesystem::path full(FullPathName(planned.path));
    const auto [known, added] = rowOfFile.emplace(PlaceKey(full), row.number);
    const bool nameIsAFolder = madeFolders.contains(known->first);
    const std::vector<std::string> folders = MissingFolders(full);
    const bool fileOnTheWay = std::any_of(folders.begin(), folders.end(),
                                          [&](const std::string& key) { return rowOfFile.contains(key); });
    madeFolders.insert(folders.begin(), folders.end());
    if (!added) {
      fail("names the same file as row " + IntToStr(known->second));
    } else if (row.complete) {
      std::string bytes = row.lines.Text();
      if (bytes.size() > kMaxInputFileBytes) {
        fail("would be larger than the " + IntToStr(kMaxInputFileBytes >> 20) + " MiB the editor loads");
      } else {
        const bool changed = !FileHolds(planned.path, bytes);
        int problem = changed ? WriteProblem(planned.path) : 0;
        if (problem == 0 && nameIsAFolder) problem = EISDIR;
        if (problem == 0 && fileOnTheWay) problem = ENOTDIR;
        if (problem != 0) {
          fail(CannotCreateFile(planned.path, problem).message());
        } else {
          std::error_code error;
          planned.action = !changed                                       ? Action::Unchanged
                           : std::filesystem::exists(planned.path, error) ? Action::Replace
                                                                          : Action::Create;
          planned.bytes = std::move(bytes);
        }
      }
    }
    files.push_back(std::move(planned));
  }
  return files;
}

void MakeFolders(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw CannotCreateFile(path, error.value());
}

}  // namespace ostrak::roster
