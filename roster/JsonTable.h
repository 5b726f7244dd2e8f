#pragma once

// A table as a JSON array of objects, read through QJsonDocument. Each
// object is a row; its members are its cells, in the order of their names.

#include <string>
#include <string_view>

#include "roster/Table.h"

namespace ostrak::roster {

// A UTF-8 byte-order mark is skipped. Throws TableProblem when the text is not
// JSON, not an array, or holds an element that is not an object.
Table ReadJsonTable(std::string_view text);

// A JSON string literal, quotes included; control characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace ostrak::roster
