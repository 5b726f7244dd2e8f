#pragma once

// A table as read from CSV or JSON, before any roster rule: rows of cells
// named by their column. Texts are as read (UTF-8 unless the input was not).

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

struct Table {
  bool hasHeader = false;           // CSV: every row has the header's columns
  std::vector<std::string> header;  // CSV's column names, in order
  std::vector<TableRow> rows;
};

// A cell, a row or the whole table (row 0) that cannot be taken as it is.
// Thrown when the table cannot be read at all; collected otherwise.
struct TableProblem {
  int row = 0;
  std::string column;  // empty when no column is to blame
  std::string message;
};

}  // namespace ostrak::roster
