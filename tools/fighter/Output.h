#pragma once

// Text helpers for the companion's output, which is UTF-8.

#include <cstdio>
#include <string>
#include <string_view>

namespace ostrak::fighter {

// The bytes as they are, on stdout or stderr.
void Print(std::FILE* stream, std::string_view text);

// Control characters (other than tab) and bytes that are not UTF-8 (a file
// name in another encoding) written as \xHH, so that text from a file cannot
// drive the terminal and the output stays UTF-8. For the human-readable formats.
std::string TerminalSafe(std::string_view text);

// Terminal columns, for column alignment: a wide character (CJK, most emoji)
// takes two, a combining or other zero-width one none.
std::size_t DisplayWidth(std::string_view utf8);

}  // namespace ostrak::fighter
