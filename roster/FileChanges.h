#pragma once

// One fighter file before and after a change, as a user reads it: every field
// that changed and the six ratings on each side. The comparison of two
// rosters, the previews of an import or a set and the history's account of a
// change set all tell it this way.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/Ratings.h"
#include "record/StringList.h"

namespace ostrak::roster {

struct FieldChange {
  std::string column;  // a line column (the export's name), or extra (its lines joined by line feeds)
  std::string before;  // UTF-8
  std::string after;
};

struct FileChanges {
  // In column order, extra last. A line is compared without its line end,
  // so a file whose breaks alone changed has none.
  std::vector<FieldChange> fields;
  // What the evaluation window shows on each side; none for a side that
  // does not exist, or that does not load, which then says why.
  std::optional<Ratings> ratingsBefore;
  std::optional<Ratings> ratingsAfter;
  std::optional<std::string> failureBefore;
  std::optional<std::string> failureAfter;

  bool Changed() const { return !fields.empty(); }
};

// Every column's text after the file's, in column order: the lines (line 27
// and a short file's missing lines included, as empty), then extra, UTF-8.
std::vector<std::string> ColumnTexts(const TStringList& lines);

enum class RateSides { Yes, No };

// `before`: none for a file created; `after`: none for a file removed (every
// field of the other side is then a change from or to empty). The ratings are
// left out when no field changed, there being nothing to compare them for,
// and with RateSides::No, for a caller that shows only the fields (each
// side's load is most of the cost).
FileChanges ChangesOf(std::optional<std::string_view> before, std::optional<std::string_view> after,
                      RateSides rate = RateSides::Yes);

}  // namespace ostrak::roster
