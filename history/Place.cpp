// Where the user's history lives, and the setting that turns it off: a line
// "history=off" in CONFIG/ostrak-editor/history.ini, beside the other
// settings of the program's own windows.

#include <cstdlib>

#include "core/FileAccess.h"
#include "core/UserFolders.h"
#include "history/HistoryStore.h"

namespace ostrak::history {

namespace {

constexpr std::size_t kMaxSettingBytes = 64 * 1024;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

HistoryPlace HistoryPlaceFor(const char* xdgDataHome, const char* xdgConfigHome, const char* home) {
  return {XdgBaseDirectory(xdgDataHome, home, ".local/share/") + "ostrak-editor/history.sqlite",
          XdgBaseDirectory(xdgConfigHome, home, ".config/") + "ostrak-editor/history.ini"};
}

HistoryPlace UserHistoryPlace() {
  return HistoryPlaceFor(std::getenv("XDG_DATA_HOME"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

bool TurnedOffIn(const std::string& settingFile) {
  std::string text;
  try {
    text = ReadWholeFile(settingFile, kMaxSettingBytes);
  } catch (const Error&) {
    return false;
  }
  bool off = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[' || equals == std::string::npos)
      continue;
    // The last line that names the key wins, as in any ini file.
    if (Lower(Trimmed(line.substr(0, equals))) == "history")
      off = Lower(Trimmed(line.substr(equals + 1))) == "off";
  }
  return off;
}

OpenResult OpenHistory(const HistoryPlace& place, HistoryUse use, const OpenOptions& options) {
  OpenResult result;
  if (use == HistoryUse::Off) {
    result.status = OpenStatus::TurnedOff;
    result.reason = "--no-history";
    return result;
  }
  if (TurnedOffIn(place.setting)) {
    result.status = OpenStatus::TurnedOff;
    result.reason = "history=off in \"" + place.setting + "\"";
    return result;
  }
  return Store::Open(place.store, options);
}

}  // namespace ostrak::history
