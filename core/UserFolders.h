#pragma once

// The user's base folders as the XDG rules give them, shared by the settings
// file and the history store so both follow one set of choices.

#include <string>

namespace ostrak {

// `xdgValue` when it is an absolute path (a relative or empty one is ignored,
// as the XDG rules say), else `belowHome` (such as ".config/") under $HOME
// when `home` is absolute too, else under the account's home folder from the
// user database. Ends in '/'. Null stands for an unset variable.
std::string XdgBaseDirectory(const char* xdgValue, const char* home, const std::string& belowHome);

}  // namespace ostrak
