#pragma once

// A table as a JSON array of objects, read through QJsonDocument. Each
// object is a row; its members are its cells, in the order of their names.

#include <string_view>

#include "tools/fighter/Table.h"

namespace ostrak::fighter {

// A UTF-8 byte-order mark is skipped. Throws TableProblem when the text is not
// JSON, not an array, or holds an element that is not an object.
Table ReadJsonTable(std::string_view text);

}  // namespace ostrak::fighter
