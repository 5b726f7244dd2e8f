#include "core/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/FileDescriptor.h"

namespace ostrak {

std::string FullPathName(const std::string& name) {
  namespace fs = std::filesystem;
  fs::path path(name);
  if (path.is_relative()) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (!error) path = current / path;
  }
  return path.lexically_normal().string();
}

std::string TrimSystemText(std::string text) {
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '\r' || text.back() == '\n' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

std::string SystemErrorText(int errorNumber) { return TrimSystemText(std::strerror(errorNumber)); }

FileOpenError CannotOpenFile(const std::string& name, int errorNumber) {
  return FileOpenError("Cannot open file \"" + FullPathName(name) + "\". " + SystemErrorText(errorNumber));
}

FileCreateError CannotCreateFile(const std::string& name, int errorNumber) {
  return CannotCreateFile(name, SystemErrorText(errorNumber));
}

FileCreateError CannotCreateFile(const std::string& name, const std::string& systemText) {
  return FileCreateError("Cannot create file \"" + FullPathName(name) + "\". " + TrimSystemText(systemText));
}

std::string ReadWholeFile(const std::string& name, std::size_t maxBytes) {
  // Non-blocking only for the open itself, so that a FIFO cannot hang us.
  FileDescriptor file(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) throw CannotOpenFile(name, errno);
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) throw CannotOpenFile(name, errno);
  // A regular file reads the same either way; sparing it two calls counts
  // when a whole roster is read.
  if (!S_ISREG(status.st_mode)) {
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) < 0) throw CannotOpenFile(name, errno);
  }
  if (S_ISREG(status.st_mode) && static_cast<unsigned long long>(status.st_size) > maxBytes) {
    throw CannotOpenFile(name, EFBIG);
  }

  std::string content;
  if (S_ISREG(status.st_mode)) content.reserve(static_cast<std::size_t>(status.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      throw CannotOpenFile(name, errno);
    }
    if (count == 0) break;
    // The size seen before reading is only a hint: the file may grow, or not
    // be a regular file at all.
    if (content.size() + static_cast<std::size_t>(count) > maxBytes) throw CannotOpenFile(name, EFBIG);
    content.append(buffer, static_cast<std::size_t>(count));
  }
  return content;
}

int ReadAllOf(int file, std::string& content, std::size_t maxBytes) {
  content.clear();
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::pread(file, buffer, sizeof buffer, static_cast<off_t>(content.size()));
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) return 0;
    if (content.size() + static_cast<std::size_t>(count) > maxBytes) return EFBIG;
    content.append(buffer, static_cast<std::size_t>(count));
  }
}

int SyncFolder(int folder) {
  const FileDescriptor open(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (open.get() < 0) return errno;
  return ::fsync(open.get()) == 0 ? 0 : errno;
}

}  // namespace ostrak
