#pragma once

#include <string>

namespace ostrak {

// The user's configuration folder, ending in '/': $XDG_CONFIG_HOME when it
// is an absolute path (a relative one is ignored, as the XDG rules say), else
// $HOME/.config when $HOME is absolute too, else the account's home folder
// from the user database + "/.config".
std::string UserConfigDirectory();
// The same rules on given values; null stands for an unset variable.
std::string UserConfigDirectory(const char* xdgConfigHome, const char* home);

}  // namespace ostrak
