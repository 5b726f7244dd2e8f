#pragma once

// A fighter file's fields as the roster's dialogs name them: the engine's
// column names (full_name, punches…) in the window's language.

#include <QString>
#include <string>

namespace ostrak::roster {

// A column the window does not know keeps its own name.
QString FieldName(const std::string& column);

}  // namespace ostrak::roster
