#pragma once

#include <string>

namespace ostrak {

// Directory of the running executable, ending in '/'. Links on the way are
// resolved, so a program started through a link in bin/ finds its data files.
std::string ProgramDirectory();

// Whether the running user may create files in `directory`: yes for a
// portable copy, no for an installed one (unless run by root, who may).
bool IsWritableDirectory(const std::string& directory);

// Whether `directory` (ending in '/') is the folder an installation gives
// the program, PREFIX/lib/ostrak-editor/, whatever the prefix and whoever
// may write there.
bool IsInstalledProgramDirectory(const std::string& directory);

}  // namespace ostrak
