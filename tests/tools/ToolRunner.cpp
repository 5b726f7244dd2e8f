#include "ToolRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace ostrak::test {

namespace {

std::string Drain(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  ::close(fd);
  return text;
}

const TempDirectory& ToolHomes() {
  static const TempDirectory homes;
  return homes;
}

}  // namespace

const std::string& ToolDataHome() {
  static const std::string data = ToolHomes() / "data/";
  return data;
}

const std::string& ToolConfigHome() {
  static const std::string config = ToolHomes() / "config/";
  return config;
}

// stderr goes to a file so that neither pipe can fill up.
ToolResult RunTool(const TempDirectory& directory, std::vector<std::string> args,
                   const std::vector<std::pair<std::string, std::string>>& environment) {
  const std::string data = ToolDataHome();
  const std::string config = ToolConfigHome();
  int out[2];
  if (::pipe(out) != 0) return {};
  const std::string errPath = directory / ".stderr";
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(directory.path().c_str()) != 0) ::_exit(126);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
    ::dup2(out[1], 1);
    if (!std::freopen(errPath.c_str(), "w", stderr)) ::_exit(126);
    ::close(out[0]);
    ::close(out[1]);
    std::vector<char*> argv;
    std::string exe = OSTRAK_FIGHTER_EXE;
    argv.push_back(exe.data());
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(exe.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ToolResult result;
  result.out = Drain(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadBytes(errPath);
  ::unlink(errPath.c_str());
  return result;
}

}  // namespace ostrak::test
