#pragma once

// A table's rows as read from CSV or JSON, before any roster rule: cells
// named by their column. Texts are UTF-8 as the table gives them.

#include <string>
#include <utility>
#include <vector>

namespace ostrak::roster {

struct TableValue {
  enum class Kind {
    Text,       // a CSV cell or a JSON string
    TextList,   // a JSON array of strings
    OtherJson,  // any other JSON value
  };
  Kind kind = Kind::Text;
  std::vector<std::string> texts;  // one for Text
  bool quoted = false;             // a CSV cell written between quotes ("" is a quoted empty cell)
};

struct TableRow {
  int number = 0;  // from 1, after the header
  std::vector<std::pair<std::string, TableValue>> cells;
};

enum class ProblemKind {
  Other,
  // The file lies outside the base folder, or is reached through a symbolic
  // link that could lead out of it: another base folder, or leave to go
  // outside, would take it.
  Outside,
};

// A cell, a row or the whole table (row 0) that cannot be taken as it is.
// Thrown when the table cannot be read on; collected otherwise.
struct TableProblem {
  int row = 0;
  std::string column;  // empty when no column is to blame
  std::string message;
  ProblemKind kind = ProblemKind::Other;
};

}  // namespace ostrak::roster
