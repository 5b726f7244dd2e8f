#pragma once

#include <string>

namespace ostrak {

// Directory of the running executable, ending in '/'.
std::string ProgramDirectory();

}  // namespace ostrak
