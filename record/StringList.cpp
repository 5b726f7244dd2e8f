#include "record/StringList.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "record/TextFile.h"

namespace ostrak {

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw ListError::IndexOutOfBounds(index);
}

const std::string& TStringList::Get(int index) const {
  CheckIndex(index);
  return lines_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, std::string line) {
  CheckIndex(index);
  lines_[static_cast<std::size_t>(index)] = std::move(line);
}

void TStringList::SetText(std::string_view bytes) {
  lines_.clear();
  const std::size_t end = std::min(bytes.find('\0'), bytes.size());
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < end) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines_.emplace_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < end && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < end) lines_.emplace_back(bytes.substr(start, end - start));
}

std::string TStringList::Text() const {
  std::size_t size = 0;
  for (const auto& line : lines_) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStringList::LoadFromFile(const std::string& path) { SetText(ReadWholeFile(path)); }

void TStringList::SaveToFile(const std::string& path) const { WriteTextFileAtomically(path, Text()); }

}  // namespace ostrak
