#pragma once

// An open POSIX file descriptor that closes itself.

#include <unistd.h>

namespace ostrak {

class FileDescriptor {
public:
  // Takes ownership of `fd`; a negative value (a failed open) owns nothing.
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }

private:
  int fd_;
};

}  // namespace ostrak
