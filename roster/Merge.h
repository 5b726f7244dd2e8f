#pragma once

// Two files of one fighter made one: KEEP is written with each field taken
// from the side chosen for it, OTHER is removed, in one commit.

#include <optional>
#include <string>
#include <vector>

#include "roster/Roster.h"

namespace ostrak::roster {

enum class MergeSide { Keep, Other };

struct MergeField {
  std::string column;  // a line column, or extra (the lines after line 27, joined by line feeds)
  std::string keep;    // UTF-8, as each file holds it
  std::string other;
  bool differs = false;
  // Offered first: the side of the file changed last, for line 27 and extra
  // (which the editor never shows) KEEP's.
  MergeSide side = MergeSide::Keep;
};

struct MergeView {
  std::string keep;  // as named
  std::string other;
  std::vector<MergeField> fields;           // the 28 line columns in line order, then extra
  MergeSide changedLast = MergeSide::Keep;  // KEEP when both were changed at one time
  // Why these two cannot be merged (one file under two names, a file that
  // does not load): the file to blame and the message; no fields then.
  std::optional<FileFailure> refusal;
  // The bytes the fields were read from, so that a merge chosen from them
  // can tell that a file changed before it was planned.
  std::string keepBytes;
  std::string otherBytes;
};

// Both files loaded as the editor loads them.
MergeView ViewMerge(const std::string& keep, const std::string& other);

struct MergePlan {
  std::optional<FileFailure> refusal;  // as ViewMerge's, or a column that is not one; no plan then
  RosterPlan plan;                     // KEEP replaced (or unchanged), OTHER removed
  std::string label;                   // the change set's words: "Merge OTHER into KEEP"
  bool changed = false;                // refused as a file is no longer what `shown` read
};

// Where a merge into `keep` keeps what its commit has in flight (KEEP's
// folder), so that an interrupted merge is put back from there first.
RosterOptions MergeOptions(const std::string& keep);

// KEEP's lines with each of `fromOther`'s columns (line columns, extra) taken
// from OTHER. The two files are taken where they are (a link's file is the
// one written), and the commit's note is kept in KEEP's folder. With
// `shown`, the view the choices were made from, a file that no longer holds
// the bytes shown is refused: its fields were never seen.
MergePlan PlanMerge(const std::string& keep, const std::string& other,
                    const std::vector<std::string>& fromOther, const MergeView* shown = nullptr);

}  // namespace ostrak::roster
