#pragma once

// A change set as a person reads it: for each file, whether the set made,
// changed or removed it, every field that changed before -> after, and the
// six ratings on each side, as the evaluation window shows them.

#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "roster/FileChanges.h"

namespace ostrak::recorded {

enum class FileStatus { Created, Changed, Removed, Unchanged };

struct FileView {
  std::string path;
  FileStatus status = FileStatus::Changed;
  roster::FileChanges changes;
};

std::vector<FileView> ViewChangeSet(const history::ChangeSet& set);

const char* FileStatusWords(FileStatus status);  // "created", "changed", "removed", "unchanged"

}  // namespace ostrak::recorded
