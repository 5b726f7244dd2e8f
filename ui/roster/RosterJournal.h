#pragma once

// The one place the roster window gets the history's record of a commit
// from: every commit the window makes passes what this returns.

#include <memory>
#include <string>

#include "roster/Roster.h"

namespace ostrak::roster {

// The journal of a change set described by `words` ("Merge b.txt into
// a.txt"); null while the window keeps no history.
std::unique_ptr<CommitJournal> RosterJournal(const std::string& words);

}  // namespace ostrak::roster
