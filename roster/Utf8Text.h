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

// Checks UTF-8 fed in pieces that may cut a sequence anywhere: well-formed
// only (no overlong forms, surrogates or values past U+10FFFF).
class Utf8Validator {
public:
  // False from the first byte that cannot belong to UTF-8.
  bool Feed(std::string_view bytes);
  // Whether everything fed was UTF-8 and no sequence was left unfinished.
  bool Finish() const { return valid_ && pending_ == 0; }

private:
  bool valid_ = true;
  int pending_ = 0;           // continuation bytes still expected
  unsigned char low_ = 0x80;  // bounds of the next continuation byte
  unsigned char high_ = 0xBF;
};

bool IsUtf8(std::string_view bytes);

}  // namespace ostrak::roster
