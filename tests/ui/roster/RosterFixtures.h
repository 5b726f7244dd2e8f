#pragma once

// Fighter files for the roster tests, as the editor saves them.

#include <filesystem>
#include <string>

#include "support/TempDirectory.h"

namespace ostrak::test {

struct FighterTraits {
  const char* fullName;  // Windows-1252
  const char* nationality =
      "Espa\xF1"
      "a";
  int weightClassCode = 0;  // Lightweight
  int attribute = 10;       // every attribute
  int punches = 10;         // line 0, so Striking differs between fighters
  const char* sherdogId = "1234";
  const char* dateOfBirth = "01/01/1990";
};

inline std::string FighterFile(const FighterTraits& fighter) {
  std::string bytes;
  const auto line = [&](const std::string& text) { bytes += text + "\r\n"; };
  line(std::to_string(fighter.punches));
  for (int i = 1; i < 17; ++i) line(std::to_string(fighter.attribute));
  line(fighter.fullName);
  line("Short");
  line("2");
  line(std::to_string(fighter.weightClassCode));
  line("1,80 m");
  line("77 kg");
  line(std::to_string(fighter.attribute));
  line(fighter.nationality);
  line(fighter.dateOfBirth);
  line(fighter.sherdogId);
  line("1");
  return bytes;
}

inline void WriteFighter(const TempDirectory& folder, const std::string& name, const FighterTraits& fighter) {
  std::filesystem::create_directories(std::filesystem::path(folder / name).parent_path());
  WriteBytes(folder / name, FighterFile(fighter));
}

}  // namespace ostrak::test
