#include "roster/Identity.h"

#include <algorithm>

#include "record/FighterLayout.h"
#include "roster/SearchText.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

// NAME_MAX of the file systems a roster lives on, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kEnding = ".txt";

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool IsAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

FighterIdentity IdentityOfBytes(std::string_view bytes) {
  // The lines as TStringList::SetText cuts them (CR LF, LF or CR; a NUL ends
  // the text), up to the last one wanted: a roster is read for these alone.
  constexpr int kLast = LineOf(FighterField::SherdogId);
  std::string_view lines[kLast + 1];
  const std::size_t end = std::min(bytes.find('\0'), bytes.size());
  std::size_t start = 0;
  int line = 0;
  for (std::size_t i = 0; i < end && line <= kLast; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines[line++] = bytes.substr(start, i - start);
    if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (line <= kLast && start < end) lines[line] = bytes.substr(start, end - start);
  const auto text = [&](FighterField field) { return Utf8FromFileText(std::string(lines[LineOf(field)])); };
  return {text(FighterField::SherdogId), text(FighterField::FullName), text(FighterField::DateOfBirth)};
}

std::string TrimmedId(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::string NameKey(std::string_view utf8) {
  std::string key;
  if (IsAscii(utf8)) {
    // Most names: no folding beyond the letters' case.
    key.reserve(utf8.size());
    for (const char c : utf8) {
      if (!IsAsciiSpace(c)) key += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    return key;
  }
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.removeIf([](QChar c) { return c.isSpace(); });
  key = FoldForSearch(text);
  // Decomposition makes plain spaces of some (a no-break space, an em space).
  std::erase_if(key, IsAsciiSpace);
  return key;
}

std::string DefaultFileName(std::string_view fullNameUtf8) {
  std::string name;
  for (const char c : fullNameUtf8) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unsafe =
        byte < 0x20 || byte == 0x7F || std::string_view("/\\<>:\"|?*").find(c) != std::string_view::npos;
    name += unsafe ? '_' : c;
  }
  // A C1 control (U+0080 to U+009F) is a control character too.
  for (std::size_t at = 0; (at = name.find('\xC2', at)) != std::string::npos; ++at) {
    if (at + 1 < name.size() && static_cast<unsigned char>(name[at + 1]) <= 0x9F) name.replace(at, 2, "_");
  }
  const std::size_t first = name.find_first_not_of(" \t.");
  if (first == std::string::npos) return {};
  name = name.substr(first, name.find_last_not_of(" \t.") - first + 1);
  if (name.size() + kEnding.size() > kMaxNameBytes) {
    std::size_t cut = kMaxNameBytes - kEnding.size();
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
      --cut;  // not inside a character
    name.resize(cut);
    name.erase(name.find_last_not_of(" \t.") + 1);
    if (name.empty()) return {};
  }
  return name + std::string(kEnding);
}

}  // namespace ostrak::roster
