#pragma once

// What a table may change in a fighter file that exists: a changed cell must
// be one the editor would keep as it is, and the lines the new file takes over
// from the old one must be all of the old one's bytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Whether a cell's `text` holds what the file's `old` line holds as the
// editor shows it, so that taking the cell changes nothing: the same text,
// or, on a line the editor reads as a number (an attribute, a list's code),
// the same number however it is written (" 7", "07" and "$7" are 7). The
// number is the one read, before an attribute box clamps it: "20" over a
// stored "25" is a change. Line ends are no part of a line.
bool HoldsTheSame(int line, std::string_view text, std::string_view old);

// What a game-plan or weight-class cell names: an item's code, written as a
// number, or an item by its text (in full, its part before the colon, or
// with "Max Max" written once, case and spaces around it aside).
struct ItemCode {
  std::optional<std::string> code;     // the named item's code, as the editor stores it
  std::optional<std::string> problem;  // neither a number nor one item's text
};
// Nothing for a number and for the other lines.
ItemCode CodeOfItem(int line, std::string_view text);

// The items of `items` that `text` names, as CodeOfItem takes them.
std::vector<std::size_t> ItemsNamed(const std::vector<std::string_view>& items, std::string_view text);

}  // namespace ostrak::roster
