#pragma once

// One cell of the roster written where it is shown: the file's own row with
// that cell's new value, planned and committed by the roster engine (the
// editor's limits, confinement, the atomic or in-place save, the history),
// and only when the file still holds the bytes its row was read from, so an
// edit never overwrites a change the user has not seen.

#include <QCollator>
#include <QString>
#include <optional>
#include <string>

#include "ui/roster/RosterRow.h"

namespace ostrak::recorded {
class KeptHistory;
}

namespace ostrak::roster {

enum class CellResult {
  Written,
  Unchanged,      // the file already holds the value
  Refused,        // the engine's checks refused the value; nothing was written
  ChangedOnDisk,  // the file is not what its row shows; nothing was written
  Failed,         // the commit failed; the file is as it was
};

struct CellOutcome {
  CellResult result = CellResult::Failed;
  QString reason;                // why, in the window's language, unless Written or Unchanged
  std::optional<RosterRow> row;  // the file's row as it is now, whatever came of the edit
};

// `value` (UTF-8; a list's code, an attribute's number) as `column` of
// `row`'s file under `folder` (ending in '/'). `words` describe the change
// for `history`, which the window keeps open from one edit to the next: an
// edit then pays neither the store's opening nor its checkpoint at close.
CellOutcome EditCell(const std::string& folder, const RosterRow& row, int column, const std::string& value,
                     const QCollator& collator, const std::string& words, recorded::KeptHistory& history);

// What the edit's cell holds for the engine: a list's code, an attribute's
// number, a text as UTF-8.
std::string CellValue(int column, const QVariant& value);

}  // namespace ostrak::roster
