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

// One file's bytes, with what tells its names apart from another file's.
RosterFighter ReadFighter(std::string name, std::string path) {
  RosterFighter fighter{std::move(name), std::move(path), 0, {}, {}, {}};
  // Non-blocking only for the open, so that a pipe named by hand cannot hang us.
  const FileDescriptor file(::open(fighter.path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat status {};
  int error = file.get() < 0 || ::fstat(file.get(), &status) != 0 ? errno : 0;
  if (!error && S_ISDIR(status.st_mode)) error = EISDIR;
  if (!error && !S_ISREG(status.st_mode)) error = EINVAL;
  if (!error && static_cast<unsigned long long>(status.st_size) > kMaxInputFileBytes) error = EFBIG;
  if (!error) error = ReadAllOf(file.get(), fighter.bytes);
  if (error) {
    fighter.bytes.clear();
    fighter.failure = CannotOpenFile(fighter.path, error).message();
  } else {
    fighter.identity = IdentityOf(status);
  }
  return fighter;
}

void ReadFolder(const std::string& folder, const std::string& prefix, RosterContents& contents) {
  FolderFighters found = FightersInFolder(folder);
  for (std::string& unread : found.unread) contents.problems.push_back({0, {}, "not read: " + unread});
  const std::string under = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  for (const std::string& file : found.files)
    contents.fighters.push_back(ReadFighter(prefix + file, under + file));
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
    ReadFolder(path, "", contents);
  } else {
    ReadTable(path, contents);
  }
  return contents;
}

RosterContents ReadFighterFiles(const std::vector<std::string>& paths) {
  RosterContents contents;
  for (const std::string& path : paths) {
    if (IsFolder(path)) {
      ReadFolder(path, path.empty() || path.back() == '/' ? path : path + '/', contents);
    } else {
      contents.fighters.push_back(ReadFighter(path, path));
    }
  }
  return contents;
}

}  // namespace ostrak::roster
