#pragma once

// A table as a JSON array of objects, read one element at a time: each is
// cut out of the text (JsonElements.h) and parsed by QJsonDocument, so that
// only one row is held at a time. Each object is a row; its members are its
// cells, in the order of their names.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/Table.h"

namespace ostrak::roster {

// Each row handed to `row` in order, from text that `next` hands on in
// pieces (an empty one at the end). Throws TableProblem, once the rows
// before it have been handed on, where the text stops being JSON (in the
// words and at the byte QJsonDocument would name for the whole text) or is
// not an array; an element that is not an object is a problem of its row.
// A member named twice is in the row twice, where QJsonObject would keep
// the last one alone.
void ReadJsonRows(const std::function<std::string_view()>& next, const std::function<void(TableRow&&)>& row,
                  std::vector<TableProblem>& problems);

// A JSON string literal, quotes included; control characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace ostrak::roster
