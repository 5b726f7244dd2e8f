#pragma once

// Rows gathered into groups (the fighters that are probably one), as the
// roster table shows them when it shows groups only: each row of a group is
// labelled with its group's number and what puts the row in it.

#include <QString>
#include <string>
#include <unordered_map>

namespace ostrak::roster {

struct RowPlace {
  int group = 0;  // from 0, in the order the groups are shown
  QString label;  // "1: same Sherdog ID 12345", in the window's language
};

struct RowGroups {
  std::unordered_map<std::string, RowPlace> byFile;  // by the row's file
  int count = 0;

  const RowPlace* Find(const std::string& file) const {
    const auto found = byFile.find(file);
    return found == byFile.end() ? nullptr : &found->second;
  }
};

}  // namespace ostrak::roster
