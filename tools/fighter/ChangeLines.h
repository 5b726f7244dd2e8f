#pragma once

// What a dry run says of a file it would change: "would change COLUMN OLD
// -> NEW, ...", alike for set and import, so one reads as the other.

#include <string>

#include "roster/Roster.h"

namespace ostrak::fighter {

// What a dry run says of any planned file: "unchanged", "would create",
// "would remove", "refused", or for a file replaced WouldChange's words.
std::string WouldDo(const roster::RosterPlan& plan, const roster::PlannedFile& file);

// For a file the plan replaces. A file whose bytes alone change (no field
// reads otherwise) says "would replace".
std::string WouldChange(const roster::RosterPlan& plan, const roster::PlannedFile& file);

}  // namespace ostrak::fighter
