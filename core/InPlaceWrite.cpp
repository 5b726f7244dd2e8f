#include "core/InPlaceWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace ostrak {

namespace {

int WriteAt(int file, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count =
        ::pwrite(file, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) return ENOSPC;
    written += static_cast<std::size_t>(count);
  }
  return 0;
}

// Blocks past the end that a reservation took, given back; a file system
// that cannot punch keeps them until the file is next cut, which costs room
// but no bytes.
void Release(int file, std::size_t end, std::size_t reserved) {
  if (reserved > end) {
    ::fallocate(file, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, static_cast<off_t>(end),
                static_cast<off_t>(reserved - end));
  }
}

// Whether the file system has the blocks that growing the file to `length`
// needs, counted from what the file has already.
int CountRoom(int file, std::size_t length) {
  struct stat status {};
  struct statvfs space {};
  if (::fstat(file, &status) != 0 || ::fstatvfs(file, &space) != 0) return errno;
  const unsigned long long block = space.f_frsize > 0 ? space.f_frsize : 4096;
  const unsigned long long needed = (length + block - 1) / block * block;
  const unsigned long long held = static_cast<unsigned long long>(status.st_blocks) * 512;
  const unsigned long long free = (::geteuid() == 0 ? space.f_bfree : space.f_bavail) * block;
  return needed > held && needed - held > free ? ENOSPC : 0;
}

}  // namespace

int InPlaceWrite::Reserve(std::size_t length) {
  if (length == 0) return 0;
  if (::fallocate(file_, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0) {
    reserved_ = length;
    return 0;
  }
  const int error = errno;
  if (error != EOPNOTSUPP && error != ENOSYS) {
    Release(file_, old_.size(), length);
    return error;
  }
  if (const int room = CountRoom(file_, length)) return room;
  deferred_ = true;
  reserved_ = length;
  return 0;
}

int InPlaceWrite::Overwrite(std::string_view bytes) {
  if (deferred_ && reserved_ > old_.size()) {
    // posix_fallocate's stand-in writes a zero byte only where none but
    // zeros can be: past the old end, which the new bytes cover next.
    if (const int error = ::posix_fallocate(file_, static_cast<off_t>(old_.size()),
                                            static_cast<off_t>(reserved_ - old_.size()))) {
      return error;
    }
  }
  return WriteAt(file_, bytes);
}

int InPlaceWrite::Cut(std::size_t length) {
  return ::ftruncate(file_, static_cast<off_t>(length)) == 0 ? 0 : errno;
}

int InPlaceWrite::Flush() { return ::fsync(file_) == 0 ? 0 : errno; }

int InPlaceWrite::PutBack() {
  if (const int error = WriteAt(file_, old_)) return error;
  if (const int error = Cut(old_.size())) return error;
  Release(file_, old_.size(), reserved_);
  return Flush();
}

void InPlaceWrite::Unreserve() {
  if (!deferred_) Release(file_, old_.size(), reserved_);
  reserved_ = 0;
}

InPlaceResult WriteOver(InPlaceWrite& write, std::string_view bytes) {
  if (const int error = write.Reserve(bytes.size())) return {error, true, false};
  int error = write.Overwrite(bytes);
  if (error == 0) error = write.Cut(bytes.size());
  if (error == 0) error = write.Flush();
  if (error == 0) return {};
  return {error, write.PutBack() == 0, true};
}

}  // namespace ostrak
