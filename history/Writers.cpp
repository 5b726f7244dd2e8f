#include "history/Writers.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "core/IntToStr.h"

namespace ostrak::history::detail {

namespace {

std::string FirstLine(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

struct ProcessStart {
  std::string ticks;   // empty: no such process, or /proc could not say
  bool ended = false;  // a zombie: killed, not yet waited for
};

// Fields 3 (state) and 22 (start time) of /proc/PID/stat, counted after the
// command name, which may itself hold spaces and parentheses.
ProcessStart StartOf(std::int64_t pid) {
  const std::string stat = FirstLine("/proc/" + IntToStr(pid) + "/stat");
  const std::size_t end = stat.rfind(')');
  if (end == std::string::npos) return {};
  std::istringstream fields(stat.substr(end + 1));
  ProcessStart start;
  std::string field;
  for (int index = 3; index <= 22; ++index) {
    if (!(fields >> field)) return {};
    if (index == 3) start.ended = field == "Z" || field == "X";
  }
  start.ticks = field;
  return start;
}

std::string TokenOf(const ProcessStart& start) {
  const std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
  if (boot.empty() || start.ticks.empty()) return "";
  return boot + "/" + start.ticks;
}

}  // namespace

Writer ThisProcess() {
  const std::int64_t pid = ::getpid();
  return {pid, TokenOf(StartOf(pid))};
}

bool StillRunning(const Writer& writer) {
  if (writer.pid <= 0 || writer.pid > INT32_MAX) return false;
  if (::kill(static_cast<pid_t>(writer.pid), 0) != 0 && errno != EPERM) return false;
  const ProcessStart start = StartOf(writer.pid);
  if (start.ended) return false;
  if (writer.token.empty()) return true;
  const std::string now = TokenOf(start);
  return now.empty() || now == writer.token;
}

}  // namespace ostrak::history::detail
