#include "platform/ConfigDirectory.h"

#include <cstdlib>

#include "core/UserFolders.h"

namespace ostrak {

std::string UserConfigDirectory(const char* xdgConfigHome, const char* home) {
  return XdgBaseDirectory(xdgConfigHome, home, ".config/");
}

std::string UserConfigDirectory() {
  return UserConfigDirectory(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace ostrak
