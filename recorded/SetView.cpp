#include "recorded/SetView.h"

namespace ostrak::recorded {

namespace {

// One fighter compared with itself at two times, through the comparison the
// roster diff makes, so that fields and ratings read alike in both.
FileView ViewFile(const history::FileChange& file) {
  FileView view;
  view.path = file.path;
  view.status = !file.before ? FileStatus::Created : !file.after ? FileStatus::Removed : FileStatus::Changed;
  roster::RosterContents sides[2];
  const history::Content* contents[2] = {&file.before, &file.after};
  for (int side = 0; side < 2; ++side) {
    sides[side].kind = roster::RosterKind::Table;
    roster::RosterFighter fighter;
    fighter.name = "fighter";
    fighter.row = 1;
    fighter.bytes = contents[side]->value_or(std::string());
    sides[side].fighters.push_back(std::move(fighter));
  }
  std::vector<roster::DiffProblem> problems;
  roster::RosterDiff diff = roster::CompareRosters(sides[0], sides[1], roster::MatchBy::File, problems);
  if (diff.fighters.empty()) {
    if (view.status == FileStatus::Changed) view.status = FileStatus::Unchanged;
    return view;
  }
  roster::FighterDiff& fighter = diff.fighters.front();
  view.fields = std::move(fighter.fields);
  // A side without a file has no ratings, and no failure to tell.
  if (file.before) {
    view.ratingsBefore = fighter.ratingsBefore;
    view.failureBefore = fighter.failureBefore;
  }
  if (file.after) {
    view.ratingsAfter = fighter.ratingsAfter;
    view.failureAfter = fighter.failureAfter;
  }
  return view;
}

}  // namespace

std::vector<FileView> ViewChangeSet(const history::ChangeSet& set) {
  std::vector<FileView> views;
  views.reserve(set.files.size());
  for (const history::FileChange& file : set.files) views.push_back(ViewFile(file));
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
