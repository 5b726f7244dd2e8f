#include "roster/Manifest.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <sstream>

#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

constexpr std::string_view kCommitSuffix = "-commit";
constexpr const char* kHeader = "ostrak-roster-commit 1";
// By ManifestChange.
constexpr const char* kChangeWords[] = {"create", "replace", "remove", "inplace"};

// Bytes that would break a line into words, written as %XX.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == '%' || byte == 0x7F) {
      escaped += '%';
      escaped += "0123456789ABCDEF"[byte >> 4];
      escaped += "0123456789ABCDEF"[byte & 0xF];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string Unescaped(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned value = 0;
    if (text[i] == '%' && i + 2 < text.size() &&
        std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16).ptr == text.data() + i + 3) {
      plain += static_cast<char>(value);
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string PlaceWords(const detail::Place& place) {
  std::string folders;
  for (const std::string& step : place.folders) folders += (folders.empty() ? "" : "/") + step;
  return std::string(place.fromRoot ? "/ " : ". ") + Escaped(folders.empty() ? "." : folders) + " " +
         Escaped(place.name);
}

template <typename Number>
bool ReadNumber(const std::string& word, Number& value) {
  return std::from_chars(word.data(), word.data() + word.size(), value).ptr == word.data() + word.size();
}

}  // namespace

std::string ManifestName(const std::string& token) { return OwnName(token, "commit"); }

std::optional<std::string> ManifestToken(const std::string& name) {
  const std::string_view prefix = kOwnPrefix;
  if (!name.starts_with(prefix) || !name.ends_with(kCommitSuffix)) return std::nullopt;
  if (name.size() <= prefix.size() + kCommitSuffix.size()) return std::nullopt;
  return name.substr(prefix.size(), name.size() - prefix.size() - kCommitSuffix.size());
}

std::string TemporaryName(const std::string& token, std::size_t index) {
  return OwnName(token, IntToStr(static_cast<long long>(index)) + ".new");
}

std::string KeptName(const std::string& token, std::size_t index) {
  return OwnName(token, IntToStr(static_cast<long long>(index)) + ".old");
}

std::string ManifestStart(Reach reach) {
  return std::string(kHeader) + "\nreach " + (reach == Reach::Anywhere ? "anywhere" : "confined") + "\n";
}

std::string MadeFolderLine(const detail::Place& folder) { return "folder " + PlaceWords(folder) + "\n"; }

std::string FileLine(std::size_t index, const detail::Place& place, const std::string& file,
                     ManifestChange change) {
  return "file " + IntToStr(static_cast<long long>(index)) + " " + PlaceWords(place) + " " + Escaped(file) +
         " " + kChangeWords[static_cast<std::size_t>(change)] + "\n";
}

std::string TemporaryLine(std::size_t index, ino_t inode) {
  return "new " + IntToStr(static_cast<long long>(index)) + " " + IntToStr(static_cast<long long>(inode)) +
         "\n";
}

std::string KeptLine(std::size_t index, ino_t inode) {
  return "kept " + IntToStr(static_cast<long long>(index)) + " " + IntToStr(static_cast<long long>(inode)) +
         "\n";
}

std::string SelfLine(std::size_t index, ino_t inode) {
  return "self " + IntToStr(static_cast<long long>(index)) + " " + IntToStr(static_cast<long long>(inode)) +
         "\n";
}

Manifest ParseManifest(const std::string& text) {
  Manifest manifest;
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kHeader) return manifest;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) continue;
    const auto place = [&](std::size_t at) {
      detail::Place p;
      p.fromRoot = words[at] == "/";
      p.folders = PathSteps(Unescaped(words[at + 1]));
      p.name = Unescaped(words[at + 2]);
      return p;
    };
    std::size_t index = 0;
    ino_t inode = 0;
    if (words[0] == "reach" && words.size() == 2) {
      manifest.reach = words[1] == "anywhere" ? Reach::Anywhere : Reach::Confined;
    } else if (words[0] == "folder" && words.size() == 4) {
      manifest.madeFolders.push_back(place(1));
    } else if (words[0] == "file" && words.size() == 7 && ReadNumber(words[1], index)) {
      const auto known = std::find(std::begin(kChangeWords), std::end(kChangeWords), words[6]);
      if (known == std::end(kChangeWords)) continue;  // a change this program does not know: left alone
      const auto change = static_cast<ManifestChange>(known - std::begin(kChangeWords));
      manifest.files[index] = {place(2), Unescaped(words[5]), change, 0, 0, 0};
    } else if ((words[0] == "new" || words[0] == "kept" || words[0] == "self") && words.size() == 3 &&
               ReadNumber(words[1], index) && ReadNumber(words[2], inode) && manifest.files.contains(index)) {
      ManifestFile& file = manifest.files[index];
      (words[0] == "new" ? file.temporary : words[0] == "kept" ? file.kept : file.self) = inode;
    } else if (words[0] == "done") {
      manifest.done = true;
    }
  }
  return manifest;
}

}  // namespace ostrak::roster
