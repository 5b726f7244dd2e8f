#pragma once

// Where the language settings are read and written. A portable copy keeps
// them beside the program; an installed copy keeps one per user (root
// included), seeded from the shipped file on first start, so that the toggle
// works for every user and the shipped file is never written.

#include <string>

namespace ostrak {

enum class ProgramFolder { Portable, Installed };

struct SettingsPlace {
  std::string path;  // read at start-up, written by the toggle
  // Copied byte for byte to `path` while nothing is there; empty for none.
  std::string seed;
};

// `programDirectory` and `configHome` (the user's configuration folder) end
// in '/'; only an installed copy uses `configHome`.
SettingsPlace SettingsPlaceFor(const std::string& programDirectory, ProgramFolder folder,
                               const std::string& configHome);

// When the place has a seed and nothing (not even a dangling link) is at its
// path, creates the path's folder and copies the seed there. Returns the file
// to read the settings from: the place's own, or the seed itself when the
// copy cannot be made (an unwritable home), whose failure waits for the first
// write. A seed that cannot be read fails with "Cannot open file" and
// creates nothing.
std::string SeedSettings(const SettingsPlace& place);

// Before the settings are written: the folder a seeded place's path needs,
// or "Cannot create file" for the path with the reason it could not be made.
void MakeSettingsFolder(const SettingsPlace& place);

}  // namespace ostrak
