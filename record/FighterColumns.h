#pragma once

// The fighter file's lines under the names a roster table gives them, and what
// a table cell must hold to become a line: nothing that would split the line
// or cut the file, and, for the lines the editor parses, the integer syntax.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/FighterLayout.h"
#include "record/StringList.h"

namespace ostrak {

inline constexpr const char* kFileColumn = "file";
inline constexpr const char* kExtraColumn = "extra";

// Line i is held by column kLineColumns[i]; line 27 holds no field.
inline constexpr std::array<const char*, kFighterLineCount> kLineColumns = {
    "punches",          "kicks",         "strength",
    "clinch",           "agility",       "dodge",
    "motivation",       "takedowns",     "takedown_defence",
    "ground_and_pound", "submission",    "submission_defence",
    "stamina",          "fortitude",     "pace",
    "aggressivity",     "ko_resistance", "full_name",
    "common_name",      "game_plan",     "weight_class",
    "height",           "weight",        "ground_game",
    "nationality",      "date_of_birth", "sherdog_id",
    "line_27",
};

// The line a column holds; nothing for "file", "extra" and unknown names.
std::optional<int> LineOfColumn(std::string_view column);

// Why `text` cannot be one line of a fighter file: a CR or LF would end the
// line there, a NUL would end the file.
std::optional<std::string> LineTextProblem(std::string_view text);

struct LineProblem {
  int line;
  std::string message;  // the load's own message, in Windows-1252 bytes
};

// Every line the editor's load would stop at, in line order. Only the parsed
// lines can fail; a code that selects no list item loads. `lines` holds at
// least kFighterLineCount lines (a shorter list fails with the list error).
std::vector<LineProblem> LoadProblems(const TStringList& lines);

}  // namespace ostrak
