#include "recorded/ChangeWords.h"

#include "core/IntToStr.h"

namespace ostrak::recorded {

std::string ImportWords(const std::string& tablePath) {
  const std::size_t slash = tablePath.rfind('/');
  return "Import " + tablePath.substr(slash == std::string::npos ? 0 : slash + 1);
}

std::string SetWords(const std::vector<std::string>& columns, std::size_t files) {
  std::string words = "Set ";
  for (std::size_t i = 0; i < columns.size(); ++i) words += (i ? ", " : "") + columns[i];
  return words + " for " + IntToStr(static_cast<long long>(files)) + (files == 1 ? " fighter" : " fighters");
}

std::string UndoWords(history::ChangeSetId id) { return "Undo " + IntToStr(static_cast<long long>(id)); }
std::string RedoWords(history::ChangeSetId id) { return "Redo " + IntToStr(static_cast<long long>(id)); }

}  // namespace ostrak::recorded
