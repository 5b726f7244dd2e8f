#include "ui/roster/RosterJournal.h"

namespace ostrak::roster {

std::unique_ptr<CommitJournal> RosterJournal(const std::string&) { return nullptr; }

}  // namespace ostrak::roster
