#include "core/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

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

std::string XdgBaseDirectory(const char* xdgValue, const char* home, const std::string& belowHome) {
  if (xdgValue && xdgValue[0] == '/') return WithSlash(xdgValue);
  const std::string base = home && home[0] == '/' ? std::string(home) : AccountHome();
  return WithSlash(base) + belowHome;
}

}  // namespace ostrak
