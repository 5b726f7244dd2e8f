#pragma once

// The bytes a plan keeps for its files (each new file's, and what a changed
// file held), appended once and read back by where they lie. A small plan
// (a save, a cell edit) keeps them in memory; past a threshold they go on to
// an unnamed file in the temporary folder (TMPDIR), so that a plan of a million files
// holds only their places.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/FileDescriptor.h"
#include "roster/Roster.h"

namespace ostrak::roster::detail {

class PlanBytes {
public:
  PlanBytes();

  // Throws Error when the bytes must spill and the temporary folder takes
  // no file, or a write to it fails.
  HeldBytes Add(std::string_view bytes);
  // Throws Error when the spilled bytes cannot be read back.
  std::string Read(const HeldBytes& held) const;
  bool spilled() const { return file_ != nullptr; }

private:
  void Spill();
  void Flush();

  std::size_t spillAfter_;
  // Every byte while nothing spilled; then the bytes after `flushed_`, not yet written.
  std::string memory_;
  std::uint64_t flushed_ = 0;
  std::unique_ptr<FileDescriptor> file_;
  std::string folder_;  // where the file was made, for what a failed read says
};

// How many bytes a plan keeps in memory before it spills; for tests and
// benchmarks, which make a plan spill at once or never.
class SpillThreshold {
public:
  explicit SpillThreshold(std::size_t bytes);
  ~SpillThreshold();
  SpillThreshold(const SpillThreshold&) = delete;
  SpillThreshold& operator=(const SpillThreshold&) = delete;

  static std::size_t Current();

private:
  std::size_t previous_;
};

}  // namespace ostrak::roster::detail
