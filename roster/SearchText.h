#pragma once

// Text as the roster's filter compares it: lower case, accents dropped
// ("Goñi" and "GOÑI" both become "goni"), and the letters whose accent does
// not come apart (ø, ł, đ, ß, æ…) spelt out by hand. UTF-8, so a key takes
// one byte per letter of most names and is searched with a plain find.

#include <QString>
#include <string>

namespace ostrak::roster {

std::string FoldForSearch(const QString& text);

}  // namespace ostrak::roster
