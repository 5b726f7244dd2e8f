#pragma once

// The editor's save of one fighter file, through the roster engine like
// every write of one: a plan of the one whole file, its commit, and the file
// read back, in the editor's own two messages.

#include <string>

#include "roster/Roster.h"

namespace ostrak::roster {

// `path` holds `bytes` afterwards, or is as it was. The name leads where the
// system resolves it (a symbolic link's file is the one written, the link
// stays), missing folders are not made, and what the commit has in flight is
// noted in the file's folder, where an interrupted commit is put back first.
// Throws FileCreateError ("Cannot create file "%s". %s": the full path, the
// system's reason) when the file cannot be written, WriteError ("Stream
// write error") when a write fails or the file read back differs; the file
// is then as it was, unless the message says that it could not be put back.
// `journal` is told of the commit (see CommitJournal).
void SaveFighterFile(const std::string& path, const std::string& bytes, CommitJournal* journal = nullptr);

}  // namespace ostrak::roster
