#pragma once

// A roster read whole, as the commands that look at many fighters at once
// read it (a comparison, a search for duplicates): the fighter files under a
// folder, files named one by one, or the rows of a table, each fighter as the
// bytes of its file. Nothing is checked against the editor's load here.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "roster/Folders.h"
#include "roster/Table.h"

namespace ostrak::roster {

enum class RosterKind { Folder, Table };

struct RosterFighter {
  std::string name;  // the path under the folder ('/' between parts), as named, or the row's file cell
  std::string path;  // where the file was read; empty for a row
  int row = 0;       // the table's row, from 1 after the header; 0 for a file
  // The file's bytes, or the row's lines as an import would write them
  // (CR LF after each); empty when it could not be read.
  std::string bytes;
  std::optional<FileIdentity> identity;  // the file's, so that two names of one file are one fighter
  std::optional<std::string> failure;    // why the file could not be read
};

struct RosterContents {
  RosterKind kind = RosterKind::Folder;
  std::vector<RosterFighter> fighters;  // in name order for a folder, in row order for a table
  // A table's refusals (row 0: the table as a whole), by row, each leaving
  // its row out; a folder's subfolders that could not be read (row 0, the
  // message naming the folder).
  std::vector<TableProblem> problems;
  std::vector<std::string> notes;  // how a table was read (Windows-1252 when it is not UTF-8)
};

// A folder when `path` is one, else a table (JSON when its name ends in
// .json, CSV in any dialect an import reads otherwise). A table's every
// line column must be there, extra may be left out (no lines after line 27).
RosterContents ReadRoster(const std::string& path);

// Files and folders as arguments name them: a file as it is named, a folder
// as its fighter files, each named by the folder as given, a '/' and its path
// under it ("Fighters/a.txt").
RosterContents ReadFighterFiles(const std::vector<std::string>& paths);

// The same, each fighter handed to `each` as it is read and not kept, so that
// a command that needs a few lines of each never holds the whole roster;
// `problems` as RosterContents::problems.
void ForEachFighterFile(const std::vector<std::string>& paths,
                        const std::function<void(RosterFighter&&)>& each,
                        std::vector<TableProblem>& problems);

}  // namespace ostrak::roster
