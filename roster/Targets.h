#pragma once

// Where the rows of a table land in the file system, and whether they may.

#include <string>
#include <vector>

#include "roster/Roster.h"
#include "roster/RosterRows.h"

namespace ostrak::roster {

// `file` under `folder`, unless it is absolute or the folder is empty.
std::string PathUnder(const std::string& folder, const std::string& file);

// The checks that need the file system: no two rows name one file, and each
// complete row's file can be written when it changes, also after the rows
// before it have been written (made its name a folder, or put a file where
// it needs a folder). One planned file per row, refused when the row is
// incomplete or fails here.
std::vector<PlannedFile> CheckTargets(const std::vector<RosterRow>& rows, const std::string& base,
                                      std::vector<TableProblem>& problems);

// Makes the folders missing on the way to `path`; throws CannotCreateFile.
void MakeFolders(const std::string& path);

}  // namespace ostrak::roster
