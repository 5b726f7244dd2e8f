#pragma once

// A table as a JSON array of objects, read through QJsonDocument. Each
// object is a row; its members are its cells, in the order of their names.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/Table.h"

namespace ostrak::roster {

// Each row handed to `row` in order. A UTF-8 byte-order mark is skipped.
// Throws TableProblem when the text is not JSON or not an array; an element
// that is not an object is a problem of its row. The text is let go once
// parsed, so that it and the parsed document are never held together.
void ReadJsonRows(std::string text, const std::function<void(TableRow&&)>& row,
                  std::vector<TableProblem>& problems);

// A JSON string literal, quotes included; control characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace ostrak::roster
