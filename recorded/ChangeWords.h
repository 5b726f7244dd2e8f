#pragma once

// The words a change set is listed by, in the terms of the command that made
// it, so that every writer names the same change alike.

#include <cstddef>
#include <string>
#include <vector>

#include "history/HistoryStore.h"

namespace ostrak::recorded {

inline constexpr const char* kSaveWords = "Save";
inline constexpr const char* kRestoreWords = "Restore";

// "Import roster.csv": the table's own name, without its folder.
std::string ImportWords(const std::string& tablePath);
// "Set weight_class for 20 fighters", the columns in the order given.
std::string SetWords(const std::vector<std::string>& columns, std::size_t files);
// "Undo 41" and "Redo 42": the set taken back.
std::string UndoWords(history::ChangeSetId id);
std::string RedoWords(history::ChangeSetId id);

}  // namespace ostrak::recorded
