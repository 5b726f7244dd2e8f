#pragma once

// A program started by a benchmark, with its standard output on a pipe and
// its standard error discarded. The destructor ends it if it still runs
// (asking first, so a server can remove its files) and reaps it, so no run
// leaves a process behind.

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ostrak::bench {

// A file descriptor that closes itself.
class FileDescriptor {
public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return fd_; }
  int Release();
  void Close();

private:
  int fd_ = -1;
};

class ChildProcess {
public:
  // Runs `program` with `arguments` in this environment, changed by
  // `environment` (a variable mapped to nullopt is removed). Throws
  // std::runtime_error when it cannot start.
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::map<std::string, std::optional<std::string>>& environment);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Id() const { return pid_; }
  // The next line of its output (without the line break), or nullopt when
  // the output ends or `timeout` passes first.
  std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
  // Waits for it to end; its exit status, or -1 when a signal ended it.
  int Wait();
  // Asks it to end, and kills it when it has not after `grace`.
  void Terminate(std::chrono::milliseconds grace);

private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  FileDescriptor output_;
  std::string buffered_;
};

}  // namespace ostrak::bench
