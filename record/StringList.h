#pragma once

// The line list every text file of the system is held in: an ordered list of
// 8-bit lines, indexed from 0, that may hold empty lines and duplicates.

#include <string>
#include <string_view>
#include <vector>

namespace ostrak {

class TStringList {
public:
  TStringList() = default;

  int Count() const { return static_cast<int>(lines_.size()); }
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Clear() { lines_.clear(); }

  // Both fail outside 0 <= index < Count() with "List index out of bounds (%d)".
  const std::string& Get(int index) const;
  // Replaces in place, without comparing with the old text.
  void Put(int index, std::string line);

  // Replaces the list by the lines of `bytes`: CR LF, a lone LF and a lone CR
  // each end a line (LF CR is two breaks); a last line without a break
  // counts, a break at the very end adds no empty line; the first NUL ends
  // the text. Nothing is trimmed.
  void SetText(std::string_view bytes);
  // Every line followed by CR LF; no lines give no bytes.
  std::string Text() const;

  // Reads the whole file first, so a file that cannot be read leaves the list
  // as it was (FileOpenError).
  void LoadFromFile(const std::string& path);
  // Replaces the file atomically (see WriteTextFileAtomically).
  void SaveToFile(const std::string& path) const;

  bool operator==(const TStringList&) const = default;

private:
  void CheckIndex(int index) const;

  std::vector<std::string> lines_;
};

}  // namespace ostrak
