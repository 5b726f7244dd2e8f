#pragma once

// A change set as a person reads it: for each file, whether the set made,
// changed or removed it, every field that changed before -> after, and the
// six ratings on each side, as the evaluation window shows them.

#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "record/Ratings.h"
#include "roster/RosterDiff.h"

namespace ostrak::recorded {

enum class FileStatus { Created, Changed, Removed, Unchanged };

struct FileView {
  std::string path;
  FileStatus status = FileStatus::Changed;
  // Each line column (and extra) whose text differs; for a created or removed
  // file, every field it holds against empty ones.
  std::vector<roster::FieldChange> fields;
  std::optional<Ratings> ratingsBefore, ratingsAfter;      // none: no file, or it does not load
  std::optional<std::string> failureBefore, failureAfter;  // why a side that exists does not load
};

std::vector<FileView> ViewChangeSet(const history::ChangeSet& set);

const char* FileStatusWords(FileStatus status);  // "created", "changed", "removed", "unchanged"

}  // namespace ostrak::recorded
