#pragma once

// Tables and output are UTF-8; file text is Windows-1252 and a file name is
// whatever bytes the file system holds.

#include <string>
#include <string_view>

namespace ostrak::roster {

// File text (Windows-1252) as UTF-8.
std::string Utf8FromFileText(const std::string& bytes);

// Invalid UTF-8 sequences replaced, so that machine-readable output stays valid.
std::string ValidUtf8(std::string_view bytes);

}  // namespace ostrak::roster
