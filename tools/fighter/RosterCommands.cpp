// export, import and set: a roster in a table and back, with the editor's
// load rules and its atomic save.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "record/TextFile.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/CsvTable.h"
#include "tools/fighter/JsonTable.h"
#include "tools/fighter/LoadedFighter.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Roster.h"

namespace ostrak::fighter {

namespace {

// A table is read whole; far more than any roster needs.
constexpr std::size_t kMaxTableBytes = std::size_t{1} << 30;

void Report(std::FILE* stream, std::string_view name, std::string_view message) {
  Print(stream, TerminalSafe(name) + ": " + TerminalSafe(message) + "\n");
}

void ReportProblem(const std::string& table, const TableProblem& problem) {
  std::string where = table;
  if (problem.row > 0) where += ":" + IntToStr(problem.row);
  Report(stderr, where, problem.column.empty() ? problem.message : problem.column + ": " + problem.message);
}

bool EndsWithJson(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  return name.ends_with(".json");
}

std::string PathUnder(const std::string& folder, const std::string& file) {
  if (folder.empty() || file.front() == '/') return file;
  return folder.back() == '/' ? folder + file : folder + "/" + file;
}

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

struct Target {
  const RosterRow* row;
  std::string path;
  std::string bytes;
  bool changed;
};

// The checks that need the file system: no two rows name one file, and each
// complete row's file can be written when it changes, also after the rows
// before it have been written (made its name a folder, or put a file where
// it needs a folder).
std::vector<Target> CheckTargets(const std::vector<RosterRow>& rows, const std::string& into,
                                 std::vector<TableProblem>& problems) {
  std::vector<Target> targets;
  std::map<std::string, int> rowOfFile;
  std::set<std::string> madeFolders;  // by the rows so far
  for (const RosterRow& row : rows) {
    Target target{&row, PathUnder(into, row.file), row.complete ? row.lines.Text() : "", true};
    const auto fail = [&](std::string message) {
      problems.push_back({row.number, kFileColumn, std::move(message)});
    };
    const std::filesystem::path full(FullPathName(target.path));
    const auto [known, added] = rowOfFile.emplace(PlaceKey(full), row.number);
    const bool nameIsAFolder = madeFolders.contains(known->first);
    const std::vector<std::string> folders = MissingFolders(full);
    const bool fileOnTheWay = std::any_of(folders.begin(), folders.end(),
                                          [&](const std::string& key) { return rowOfFile.contains(key); });
    madeFolders.insert(folders.begin(), folders.end());
    if (!added) {
      fail("names the same file as row " + IntToStr(known->second));
    } else if (!row.complete) {
      continue;
    } else if (target.bytes.size() > kMaxInputFileBytes) {
      fail("would be larger than the " + IntToStr(kMaxInputFileBytes >> 20) + " MiB the editor loads");
    } else {
      target.changed = !FileHolds(target.path, target.bytes);
      int problem = target.changed ? WriteProblem(target.path) : 0;
      if (problem == 0 && nameIsAFolder) problem = EISDIR;
      if (problem == 0 && fileOnTheWay) problem = ENOTDIR;
      if (problem != 0) fail(CannotCreateFile(target.path, problem).message());
    }
    targets.push_back(std::move(target));
  }
  return targets;
}

void MakeFolders(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw CannotCreateFile(path, error.value());
}

// What `set` writes into a line: for the two lists an item's text stands for its code.
std::string CodeOfItem(int line, const std::string& value) {
  const auto codeOf = [&](const auto& items, int (*code)(int)) -> std::optional<std::string> {
    const auto item = std::find(items.begin(), items.end(), value);
    if (item == items.end()) return std::nullopt;
    return IntToStr(code(static_cast<int>(item - items.begin())));
  };
  std::optional<std::string> code;
  if (line == LineOf(FighterField::GamePlan)) code = codeOf(kGamePlanItems, GamePlanCodeFromIndex);
  if (line == LineOf(FighterField::WeightClass)) code = codeOf(kWeightClassItems, WeightClassCodeFromIndex);
  return code.value_or(value);
}

}  // namespace

int RunExport(const std::vector<std::string>& files, TableFormat format) {
  std::string out;
  if (format == TableFormat::Csv) AppendCsvHeader(out);
  if (format == TableFormat::Json) out += "[";
  int status = 0;
  bool first = true;
  for (const std::string& file : files) {
    TStringList lines;
    try {
      lines.LoadFromFile(file);
    } catch (const Error&) {
      // Named below, in the check's words.
    }
    if (lines.Count() < kFighterLineCount || !LoadProblems(lines).empty()) {
      // Only a file that fails is loaded again, the way check loads it, for its message.
      LoadedFighter loaded = LoadLikeTheEditor(file);
      if (const auto& failure = loaded.failure ? loaded.failure : loaded.saveFailure) {
        Report(stderr, file, *failure);
        status = 1;
        continue;
      }
      lines = std::move(loaded.fileLines);
    }
    if (format == TableFormat::Csv) {
      AppendCsvRow(out, file, lines);
    } else {
      out += first ? "\n  " : ",\n  ";
      AppendJsonRow(out, file, lines);
    }
    first = false;
    if (out.size() >= 65536) {
      Print(stdout, out);
      out.clear();
    }
  }
  if (format == TableFormat::Json) out += first ? "]\n" : "\n]\n";
  Print(stdout, out);
  return status;
}

int RunImport(const std::string& tablePath, const std::string& into, ImportMode mode) {
  Table table;
  try {
    const std::string bytes = ReadWholeFile(tablePath, kMaxTableBytes);
    table = EndsWithJson(tablePath) ? ReadJsonTable(bytes) : ReadCsvTable(bytes);
  } catch (const Error& failure) {
    Report(stderr, tablePath, failure.message());
    return 1;
  } catch (const TableProblem& problem) {
    ReportProblem(tablePath, problem);
    return 1;
  }

  RosterReading reading = ReadRoster(table);
  const std::vector<Target> targets = CheckTargets(reading.rows, into, reading.problems);
  if (!reading.problems.empty()) {
    // The file checks came last; they belong first in their row.
    const auto order = [](const TableProblem& p) { return std::pair(p.row, p.column != kFileColumn); };
    std::stable_sort(reading.problems.begin(), reading.problems.end(),
                     [&](const TableProblem& a, const TableProblem& b) { return order(a) < order(b); });
    for (const TableProblem& problem : reading.problems) ReportProblem(tablePath, problem);
    return 1;
  }

  for (const Target& target : targets) {
    const std::string& name = target.row->file;
    if (!target.changed) {
      Report(stdout, name, "unchanged");
      continue;
    }
    if (mode == ImportMode::DryRun) {
      Report(stdout, name, "would write");
      continue;
    }
    try {
      MakeFolders(target.path);
      WriteTextFileAtomically(target.path, target.bytes);
    } catch (const Error& failure) {
      Report(stderr, name, failure.message());
      return 1;
    }
    Report(stdout, name, "written");
  }
  return 0;
}

int RunSet(const std::string& file, const std::vector<Assignment>& assignments) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(file);
  } catch (const Error& failure) {
    Report(stderr, file, failure.message());
    return 1;
  }
  TStringList read;
  read.SetText(bytes);
  if (read.Count() < kFighterLineCount) {
    Report(stderr, file, ListError::IndexOutOfBounds(read.Count()).message());
    return 1;
  }

  // The file's own row with the assigned cells in place, read as import reads a row.
  std::vector<TableValue> values(kFighterLineCount + 1);
  for (int line = 0; line < kFighterLineCount; ++line) {
    values[static_cast<std::size_t>(line)] = {
        TableValue::Kind::Text, {Utf8FromFileText(read.Get(line))}, false};
  }
  values.back().kind = TableValue::Kind::TextList;
  for (int line = kFighterLineCount; line < read.Count(); ++line) {
    values.back().texts.push_back(Utf8FromFileText(read.Get(line)));
  }
  for (const Assignment& assignment : assignments) {
    const std::optional<int> line = LineOfColumn(assignment.column);
    TableValue& value = line ? values[static_cast<std::size_t>(*line)] : values.back();
    value = {TableValue::Kind::Text, {line ? CodeOfItem(*line, assignment.value) : assignment.value}, false};
  }
  LineCells cells{};
  for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = &values[i];

  std::vector<TableProblem> problems;
  const TStringList result = LinesOfRow(0, cells, problems);
  if (!problems.empty()) {
    for (const TableProblem& problem : problems)
      Report(stderr, file, problem.column + ": " + problem.message);
    return 1;
  }

  const std::string text = result.Text();
  if (text == bytes) {
    Report(stdout, file, "unchanged");
    return 0;
  }
  try {
    WriteTextFileAtomically(file, text);
  } catch (const Error& failure) {
    Report(stderr, file, failure.message());
    return 1;
  }
  Report(stdout, file, "written");
  return 0;
}

}  // namespace ostrak::fighter
