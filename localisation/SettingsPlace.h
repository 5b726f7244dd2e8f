#pragma once

// Where the language settings are read and written. A portable copy (its
// folder writable) keeps them beside the program; an installed copy keeps one
// per user, seeded from the shipped file on first start, so that the toggle
// works for every user and the shipped file is never written.

#include <string>

namespace ostrak {

enum class ProgramFolder { Writable, ReadOnly };

struct SettingsPlace {
  std::string path;  // read at start-up, written by the toggle
  // Copied byte for byte to `path` while nothing is there; empty for none.
  std::string seed;
};

// `programDirectory` and `configHome` (the user's configuration folder) end
// in '/'; only a read-only program folder uses `configHome`.
SettingsPlace SettingsPlaceFor(const std::string& programDirectory, ProgramFolder folder,
                               const std::string& configHome);

// When the place has a seed and nothing (not even a dangling link) is at its
// path, creates the path's folder and copies the seed there. Fails with
// "Cannot open file" for the seed or "Cannot create file" for the path; a
// seed that cannot be read creates nothing.
void SeedSettings(const SettingsPlace& place);

}  // namespace ostrak
