#include "support/RunInChild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <exception>

namespace ostrak::test {

std::string RunInChild(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "child failed: no pipe";
  const pid_t pid = ::fork();
  if (pid < 0) return "child failed: no fork";
  if (pid == 0) {
    ::close(channel[0]);
    std::string result;
    try {
      result = body();
    } catch (const std::exception& failure) {
      result = std::string("child failed: ") + failure.what();
    } catch (...) {
      result = "child failed: unknown exception";
    }
    std::size_t written = 0;
    while (written < result.size()) {
      const ssize_t count = ::write(channel[1], result.data() + written, result.size() - written);
      if (count <= 0) break;
      written += static_cast<std::size_t>(count);
    }
    ::_exit(0);  // no destructors, no gtest teardown in the child
  }
  ::close(channel[1]);
  std::string result;
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(channel[0], buffer, sizeof buffer);
    if (count <= 0) break;
    result.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed: status " + std::to_string(status);
  return result;
}

}  // namespace ostrak::test
