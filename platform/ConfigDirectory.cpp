#include "platform/ConfigDirectory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace ostrak {

namespace {

std::string WithSlash(std::string directory) {
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

std::string AccountHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return "";
  return found->pw_dir ? found->pw_dir : "";
}

}  // namespace

std::string UserConfigDirectory(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && xdgConfigHome[0] == '/') return WithSlash(xdgConfigHome);
  const std::string base = home && home[0] == '/' ? std::string(home) : AccountHome();
  return WithSlash(base) + ".config/";
}

std::string UserConfigDirectory() {
  return UserConfigDirectory(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace ostrak
