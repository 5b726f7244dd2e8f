#pragma once

// What tells one fighter from another across files: the Sherdog ID (line 26),
// the key of the outside fighter database, and failing that the full name
// (line 17) with the date of birth (line 25).

#include <QString>
#include <string>
#include <string_view>

namespace ostrak::roster {

// The three lines as UTF-8 and as the file holds them; a line the file lacks is empty.
struct FighterIdentity {
  std::string sherdogId;
  std::string fullName;
  std::string dateOfBirth;
};

// From a fighter file's bytes (Windows-1252), read as the editor reads lines.
FighterIdentity IdentityOfBytes(std::string_view bytes);

// Spaces and tabs around it taken off, nothing else: "12345 " is "12345",
// "012345" is not. Empty: the fighter has none.
std::string TrimmedId(std::string_view text);

// A full name as names are compared: folded as the roster's filter folds it
// (case and accents), with every white space taken out, so that "José
// Muñoz", "JOSE  MUNOZ" and "JoseMunoz" are one name. Empty for a name of
// white space alone.
std::string NameKey(std::string_view utf8);

// The editor's default name for a fighter's file, the full name followed by
// ".txt", made safe for a file name: '/', '\', control characters and the
// characters Windows refuses (<>:"|?*) become '_', white space and dots at
// either end go (a leading dot would hide the file), and a name too long for
// the file system is cut at a whole character. Empty when nothing is left.
std::string DefaultFileName(std::string_view fullNameUtf8);

}  // namespace ostrak::roster
