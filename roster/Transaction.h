#pragma once

// A plan's commit as one transaction (see Commit in Roster.h), with a seam
// for tests: a hook asked before each step of it may make that step fail as
// the system would, or stop the commit dead as a kill would.

#include <functional>
#include <string>

#include "roster/Roster.h"

namespace ostrak::roster {

enum class CommitStep {
  MakeFolder,  // a missing folder on a file's way
  Create,      // a file's temporary, beside it
  Write,       // the temporary's bytes
  Sync,        // fsync of the temporary
  Keep,        // the hard link (or copy) that keeps the old file
  Reserve,     // room for the new length of a file written over itself
  Note,        // the manifest, flushed before the renames
  Rename,      // a temporary over its file, or to its new name
  Remove,      // a file removed, in the pass of the renames
  Overwrite,   // the new bytes over a file's own, in the pass of the renames
  Cut,         // that file cut to its new length
  Flush,       // fsync of that file
  SyncFolder,  // fsync of a folder after the renames
  PutBack,     // after a failure, a file written over itself gets its old bytes back
  Done,        // the manifest's last line, flushed once every file is in place
};

// 0 lets the step run; an error number makes it fail with that error;
// kKilled ends the commit on the spot, leaving what a killed process leaves.
inline constexpr int kKilled = -1;
using FaultHook = std::function<int(CommitStep step, const std::string& file)>;

CommitResult CommitWithFaults(RosterPlan& plan, const CommitProgress& progress, const FaultHook& fault,
                              CommitJournal* journal = nullptr);

}  // namespace ostrak::roster
