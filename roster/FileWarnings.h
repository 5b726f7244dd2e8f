#pragma once

// What makes a fighter file that loads look wrong, and what a failure to load
// means in plain words: kinds and details as data, so that the roster window
// says them in its language, with English texts for the command line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/StringList.h"

namespace ostrak::roster {

enum class WarningKind {
  AttributeOutsideRange,  // the box shows `shown` instead of `value`
  NoWeightClass,          // a code that selects no weight class: the list shows none
  NoGamePlan,             // the same for the game plan
  EmptyFullName,
  EmptySherdogId,
  Utf8AsWindows1252,  // `value` reads as `meant` when taken as UTF-8: "PerÃº" for "Perú"
};

struct FileWarning {
  WarningKind kind = WarningKind::AttributeOutsideRange;
  std::string column;  // the line's column in a table ("punches")
  std::string value;   // the line as the editor shows it, UTF-8
  int shown = 0;       // AttributeOutsideRange: the clamped value
  std::string meant;   // Utf8AsWindows1252: the text it was meant to be

  // English: "punches is 25, outside 1..20: the editor shows 20".
  std::string Text() const;
};

// The warnings of a file's lines that load (at least 28), in line order.
std::vector<FileWarning> WarningsOf(const TStringList& lines);

enum class FailureKind {
  FileEnds,    // "List index out of bounds (N)": the file has `lines` lines
  NotANumber,  // "'X' is not a valid integer value": `text` on `column`'s line
  Missing,     // the file is not there (any more)
  NotAllowed,  // the user may not read it
  TooLarge,    // larger than the editor loads
  Folder,      // a folder, not a file
  Unreadable,  // another reason to open it fails: `text` is the system's
  Other,       // nothing more to say than the message
};

struct FailureExplanation {
  FailureKind kind = FailureKind::Other;
  int lines = 0;
  std::string text;
  std::string column;  // NotANumber: the line's column when the lines were given; else empty

  // English: "the file ends after line 25; a fighter file has 28 lines";
  // empty for Other.
  std::string Text() const;
};

// What `check`'s message for a file means; `lines`, the file's lines as
// read, name the line a NotANumber is on.
FailureExplanation ExplainFailure(std::string_view message, const TStringList* lines = nullptr);

}  // namespace ostrak::roster
