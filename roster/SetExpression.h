#pragma once

// A change to one column of many fighter files at once, as a user writes it:
// a new text for the column, or, relative to what each file holds, a number
// added to an attribute or a text replaced within a text field.

#include <optional>
#include <string>
#include <string_view>

#include "record/FighterForm.h"
#include "record/StringList.h"

namespace ostrak::roster {

enum class SetOperation {
  Assign,    // COLUMN=VALUE
  Add,       // COLUMN+=N, an attribute only
  Subtract,  // COLUMN-=N, an attribute only
  Replace,   // COLUMN/FIND/REPLACE, a text field only: every FIND in it becomes REPLACE
};

struct SetExpression {
  std::string column;  // a line column or extra
  SetOperation operation = SetOperation::Assign;
  // Assign: the new cell (UTF-8; game_plan and weight_class also take an
  // item's text). Add, Subtract: N in decimal. Replace: REPLACE.
  std::string value;
  std::string find;  // Replace: FIND, never empty
};

// The expression `text` writes, read by the first mark after the column's
// name: "=", "+=", "-=", or "/" after a column that exists (so that a path
// such as "fighters/a.txt" reads as no expression). FIND holds no '/';
// REPLACE is everything after the second. None when `text` has none of these
// forms; a name that is no column is still read, for SetExpressionProblem.
std::optional<SetExpression> ParseSetExpression(std::string_view text);

// Why the expression cannot change a file: a column that does not exist or
// cannot be set (file), a number that is not one, an operation the column
// does not take, an empty FIND. None when it can.
std::optional<std::string> SetExpressionProblem(const SetExpression& expression);

// "COLUMN=VALUE" and the like, as ParseSetExpression reads it back.
std::string ExpressionText(const SetExpression& expression);

// Whether the expression's cell depends on the attributes the editor shows
// (so that the file must be loaded first).
inline bool NeedsShownValues(const SetExpression& expression) {
  return expression.operation == SetOperation::Add || expression.operation == SetOperation::Subtract;
}

// The cell, UTF-8, that the expression (without a problem) gives a file
// whose lines the editor loads as `old` (at least 28) with `shown` on its
// controls (needed only for Add and Subtract): N added to the value its box
// shows (the clamped one), the sum clamped into 1..20 again.
std::string CellOfExpression(const SetExpression& expression, const TStringList& old,
                             const FighterForm* shown);

}  // namespace ostrak::roster
