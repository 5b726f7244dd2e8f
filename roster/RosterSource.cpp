#include "roster/RosterSource.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/FileDescriptor.h"
#include "roster/FolderFighters.h"
#include "roster/RosterRows.h"
#include "roster/TableRows.h"
#include "roster/TableSource.h"

namespace ostrak::roster {

namespace {

// What an open file holds: its bytes, or why they cannot be read.
int ReadOpen(int file, const struct stat& status, std::string& bytes) {
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (!S_ISREG(status.st_mode)) return EINVAL;
  if (static_cast<unsigned long long>(status.st_size) > kMaxInputFileBytes) return EFBIG;
  return ReadAllOf(file, bytes);
}

// Opens a file or folder by name; -1 with errno set.
int OpenPath(const std::string& path) {
  // Non-blocking only for the open, so that a pipe named by hand cannot hang us.
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

// One file's bytes, with what tells its names apart from another file's.
RosterFighter ReadFighter(std::string name, std::string path, const FileDescriptor& file) {
  RosterFighter fighter{std::move(name), std::move(path), 0, {}, {}, {}};
  struct stat status {};
  int error = file.get() < 0 || ::fstat(file.get(), &status) != 0 ? errno : 0;
  if (!error) error = ReadOpen(file.get(), status, fighter.bytes);
  if (error) {
    fighter.bytes.clear();
    fighter.failure = CannotOpenFile(fighter.path, error).message();
  } else {
    fighter.identity = IdentityOf(status);
  }
  return fighter;
}

void ReadFolder(const std::string& folder, const std::string& prefix,
                const std::function<void(RosterFighter&&)>& each, std::vector<TableProblem>& problems) {
  FolderFighters found = FightersInFolder(folder);
  for (std::string& unread : found.unread) problems.push_back({0, {}, std::move(unread)});
  const std::string under = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  for (const std::string& file : found.files) {
    const std::string path = under + file;
    each(ReadFighter(prefix + file, path, FileDescriptor(OpenPath(path))));
  }
}

void ReadTable(const std::string& path, RosterContents& contents) {
  contents.kind = RosterKind::Table;
  try {
    TableSource source(path);
    if (source.encoding() == TableEncoding::Windows1252)
      contents.notes.push_back("is not UTF-8: read as Windows-1252");
    try {
      ReadTableRows(
          source, SyntaxOfName(path),
          [&](int number, const RowCells& cells) {
            const std::size_t before = contents.problems.size();
            if (const auto problem = FileCellProblem(*cells[0])) {
              contents.problems.push_back({number, ColumnName(0), *problem});
            }
            const TStringList lines = LinesAsGiven(number, cells, contents.problems);
            if (contents.problems.size() > before) return;
            contents.fighters.push_back({cells[0]->texts.front(), {}, number, lines.Text(), {}, {}});
          },
          contents.problems);
    } catch (const TableProblem& problem) {
      contents.problems.push_back(problem);
    }
  } catch (const Error& failure) {
    contents.problems.push_back({0, {}, failure.message()});
  }
}

}  // namespace

RosterContents ReadRoster(const std::string& path) {
  RosterContents contents;
  if (IsFolder(path)) {
    ReadFolder(
        path, "", [&](RosterFighter&& fighter) { contents.fighters.push_back(std::move(fighter)); },
        contents.problems);
  } else {
    ReadTable(path, contents);
  }
  return contents;
}

void ForEachFighterFile(const std::vector<std::string>& paths,
                        const std::function<void(RosterFighter&&)>& each,
                        std::vector<TableProblem>& problems) {
  for (const std::string& path : paths) {
    bool folder = false;
    {
      // Opened once, for what it is and, for a file, its bytes.
      const FileDescriptor file(OpenPath(path));
      struct stat status {};
      folder = file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISDIR(status.st_mode);
      if (!folder) each(ReadFighter(path, path, file));
    }
    if (folder) ReadFolder(path, path.empty() || path.back() == '/' ? path : path + '/', each, problems);
  }
}

RosterContents ReadFighterFiles(const std::vector<std::string>& paths) {
  RosterContents contents;
  ForEachFighterFile(
      paths, [&](RosterFighter&& fighter) { contents.fighters.push_back(std::move(fighter)); },
      contents.problems);
  return contents;
}

}  // namespace ostrak::roster
