#pragma once

// What a table may change in a fighter file that exists: a changed cell must
// be one the editor would keep as it is, and the lines the new file takes over
// from the old one must be all of the old one's bytes.

#include <optional>
#include <string>
#include <string_view>

namespace ostrak::roster {

// Why the editor would not keep `text` on `line` as given: an attribute
// outside 1..20 (its box clamps it), an empty required field or a code that
// selects no list item (its save refuses them). Nothing for text it keeps,
// and for text that does not parse (the load's own check names that).
std::optional<std::string> EditorLimitProblem(int line, std::string_view text);

// Why the line list would not carry every byte of `bytes` into a new file: a
// NUL ends its reading, and a lone CR in a file whose lines end in LF splits a
// line in two. Line breaks becoming CR LF lose nothing.
std::optional<std::string> LostBytesProblem(std::string_view bytes);

// An item's text of the game-plan or weight-class list as its code, as the
// editor stores it; any other text as it is.
std::string CodeOfItem(int line, const std::string& text);

}  // namespace ostrak::roster
