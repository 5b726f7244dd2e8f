#pragma once

// Fighter files written by hand for the companion's tests: a sample fighter's
// lines and small edits of them.

#include <string>
#include <vector>

namespace ostrak::test {

using Lines = std::vector<std::string>;

// 28 lines that load; Windows-1252 in the names and the nationality.
inline Lines Sample() {
  return {"12",   "9", "15", "7",      "11",    "10", "13",      "8",          "14",
          "6",    "5", "16", "17",     "18",    "19", "20",      "4",          "Jos\xE9 Mu\xF1oz",
          "Pepe", "2", "0",  "180 cm", "77 kg", "3",  "Per\xFA", "01/02/1990", "12345",
          "1"};
}

inline std::string Join(const Lines& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

inline Lines With(Lines lines, int line, const std::string& text) {
  lines[static_cast<std::size_t>(line)] = text;
  return lines;
}

inline Lines Cut(Lines lines, int count) {
  lines.resize(static_cast<std::size_t>(count));
  return lines;
}

}  // namespace ostrak::test
