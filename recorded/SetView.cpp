#include "recorded/SetView.h"

namespace ostrak::recorded {

std::vector<FileView> ViewChangeSet(const history::ChangeSet& set) {
  std::vector<FileView> views;
  views.reserve(set.files.size());
  for (const history::FileChange& file : set.files) {
    FileView view;
    view.path = file.path;
    view.status = !file.before  ? FileStatus::Created
                  : !file.after ? FileStatus::Removed
                                : FileStatus::Changed;
    view.changes = roster::ChangesOf(file.before, file.after);
    // Line ends alone changed: no field tells it.
    if (view.status == FileStatus::Changed && !view.changes.Changed()) view.status = FileStatus::Unchanged;
    views.push_back(std::move(view));
  }
  return views;
}

const char* FileStatusWords(FileStatus status) {
  switch (status) {
    case FileStatus::Created:
      return "created";
    case FileStatus::Removed:
      return "removed";
    case FileStatus::Unchanged:
      return "unchanged";
    case FileStatus::Changed:
      break;
  }
  return "changed";
}

}  // namespace ostrak::recorded
