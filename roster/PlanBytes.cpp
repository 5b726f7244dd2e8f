#include "roster/PlanBytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "roster/CommitTransaction.h"

namespace ostrak::roster::detail {

namespace {

// A plan of some 25,000 new files; the editor's own plans stay far below.
constexpr std::size_t kSpillAfter = std::size_t{4} << 20;
// Writes to the spill go in pieces this large.
constexpr std::size_t kSpillPiece = std::size_t{1} << 20;

std::atomic<std::size_t> spillAfter{kSpillAfter};

// TMPDIR, as the user set it, else /tmp.
std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

[[noreturn]] void CannotSpill(const std::string& folder, int error) {
  throw Error("cannot keep the planned files' bytes in \"" + folder + "\": " + SystemErrorText(error));
}

// An unnamed file, so that nothing is left behind whatever ends the process;
// where the file system has none, a named one removed at once.
int OpenUnnamed(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
  std::string name = folder + "/.ostrak-plan-XXXXXX";
  std::vector<char> path(name.begin(), name.end());
  path.push_back('\0');
  fd = ::mkostemp(path.data(), O_CLOEXEC);
  if (fd >= 0 && ::unlink(path.data()) != 0) {
    // A name we cannot remove would outlive us: refuse the spill instead.
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

}  // namespace

PlanBytes::PlanBytes() : spillAfter_(spillAfter.load()) {}

HeldBytes PlanBytes::Add(std::string_view bytes) {
  if (bytes.size() > UINT32_MAX) throw Error("a planned file is too large");
  const HeldBytes held{flushed_ + memory_.size(), static_cast<std::uint32_t>(bytes.size())};
  memory_ += bytes;
  if (!file_ && memory_.size() > spillAfter_) Spill();
  if (file_ && memory_.size() >= kSpillPiece) Flush();
  return held;
}

std::string PlanBytes::Read(const HeldBytes& held) const {
  if (held.offset + held.size > flushed_ + memory_.size())
    throw Error("a planned file's bytes are not in its plan");
  if (held.offset >= flushed_) return memory_.substr(held.offset - flushed_, held.size);
  std::string bytes(held.size, '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::pread(file_->get(), bytes.data() + done, bytes.size() - done,
                                  static_cast<off_t>(held.offset + done));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      throw Error("cannot read back the planned files' bytes from \"" + folder_ +
                  "\": " + SystemErrorText(count < 0 ? errno : EIO));
    }
    done += static_cast<std::size_t>(count);
  }
  return bytes;
}

void PlanBytes::Spill() {
  folder_ = TemporaryFolder();
  const int fd = OpenUnnamed(folder_);
  if (fd < 0) CannotSpill(folder_, errno);
  try {
    file_ = std::make_unique<FileDescriptor>(fd);
  } catch (...) {
    ::close(fd);
    throw;
  }
  Flush();
}

void PlanBytes::Flush() {
  errno = 0;
  if (!WriteAll(file_->get(), memory_)) CannotSpill(folder_, errno ? errno : ENOSPC);
  flushed_ += memory_.size();
  memory_.clear();
  // Held at its size, so that the piece is not allocated anew each time.
  memory_.reserve(kSpillPiece + kSpillPiece / 4);
}

SpillThreshold::SpillThreshold(std::size_t bytes) : previous_(spillAfter.exchange(bytes)) {}

SpillThreshold::~SpillThreshold() { spillAfter.store(previous_); }

std::size_t SpillThreshold::Current() { return spillAfter.load(); }

}  // namespace ostrak::roster::detail
