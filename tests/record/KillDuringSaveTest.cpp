// A process killed at any moment of its saves leaves the old bytes or the new
// ones, never a mixture. The child is traced and killed at every system-call
// stop in turn, so every moment of the save is hit, deterministically.
// The temporary file is unnamed while it is written (O_TMPFILE, which the
// file systems here support); where it is not, a kill part-way leaves the
// named temporary behind and this test says so.

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "record/StringList.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

constexpr int kSavesPerChild = 2;
constexpr int kNotTraceable = 77;

TStringList Content(char fill, int lines) {
  TStringList list;
  for (int i = 0; i < lines; ++i) list.Add(std::string(60 + i % 7, fill));
  return list;
}

[[noreturn]] void SaveRepeatedly(const std::string& target, const TStringList& first,
                                 const TStringList& second) {
  if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(kNotTraceable);
  ::raise(SIGSTOP);
  for (int i = 0; i < kSavesPerChild; ++i) {
    try {
      (i % 2 == 0 ? first : second).SaveToFile(target);
    } catch (...) {
      ::_exit(3);
    }
  }
  ::_exit(0);
}

// The allocator (and a sanitizer's fake stacks) may map memory at any moment;
// those calls are not the save's and do not widen its window.
bool IsMemoryManagement(std::uint64_t nr) {
  return nr == SYS_mmap || nr == SYS_munmap || nr == SYS_madvise || nr == SYS_mprotect || nr == SYS_brk ||
         nr == SYS_mremap;
}

bool IsRename(std::uint64_t nr) {
#ifdef SYS_rename
  if (nr == SYS_rename) return true;
#endif
  return nr == SYS_renameat || nr == SYS_renameat2;
}

struct TracedRun {
  bool traceable = true;
  bool killed = false;
  int stops = 0;
  // The save's temporary file had been given a name and not yet renamed over
  // the target when the kill came.
  bool namedTemporaryPending = false;
  // Where the kill came: which save (by temporaries named so far), which
  // call, and whether at its entry or its exit.
  std::tuple<int, std::uint64_t, bool> moment{};
  int folderSyncsAfterRename = 0;  // the folder synced once the rename is made
};

bool IsFolder(pid_t pid, std::uint64_t fd) {
  struct stat status {};
  const std::string name = "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd);
  return ::stat(name.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Runs a child that saves kSavesPerChild times and kills it at system-call
// stop number `killAt` (never when it is nullopt).
TracedRun RunTraced(const std::string& target, const TStringList& first, const TStringList& second,
                    std::optional<int> killAt) {
  TracedRun run;
  const pid_t pid = ::fork();
  if (pid == 0) SaveRepeatedly(target, first, second);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) {
    run.traceable = false;
    return run;
  }
  ::ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  std::uint64_t lastCall = 0;
  bool atEntry = false;
  int named = 0;
  bool renamed = false;
  int pendingSignal = 0;
  for (;;) {
    ::ptrace(PTRACE_SYSCALL, pid, nullptr, pendingSignal);
    pendingSignal = 0;
    if (::waitpid(pid, &status, 0) < 0 || WIFEXITED(status) || WIFSIGNALED(status)) break;
    if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
      pendingSignal = WSTOPSIG(status);
      continue;
    }
    ++run.stops;
    __ptrace_syscall_info info{};
    if (::ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info) > 0) {
      atEntry = info.op == PTRACE_SYSCALL_INFO_ENTRY;
      if (atEntry) {
        lastCall = info.entry.nr;
        if (lastCall == SYS_fsync && renamed && IsFolder(pid, info.entry.args[0])) {
          ++run.folderSyncsAfterRename;
          renamed = false;
        }
      } else if (info.op == PTRACE_SYSCALL_INFO_EXIT && !info.exit.is_error) {
        if (lastCall == SYS_linkat) {
          run.namedTemporaryPending = true;
          ++named;
        }
        if (IsRename(lastCall)) run.namedTemporaryPending = false;
        renamed = renamed || IsRename(lastCall);
      }
    }
    if (killAt && run.stops == *killAt) {
      run.moment = {named, lastCall, atEntry};
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      run.killed = true;
      break;
    }
  }
  return run;
}

TEST(KillDuringSave, EveryMomentLeavesTheOldOrTheNewBytes) {
  TempDirectory dir;
  const std::string target = dir / "fighter.txt";
  const TStringList first = Content('a', 900);
  const TStringList second = Content('b', 500);
  const std::string firstBytes = first.Text();
  const std::string secondBytes = second.Text();

  WriteBytes(target, secondBytes);
  const TracedRun whole = RunTraced(target, first, second, std::nullopt);
  if (!whole.traceable) GTEST_SKIP() << "system-call tracing is not permitted here";
  ASSERT_FALSE(whole.killed);
  ASSERT_GT(whole.stops, 10 * kSavesPerChild);
  ASSERT_EQ(ReadBytes(target), secondBytes);  // both saves completed
  EXPECT_EQ(whole.folderSyncsAfterRename, kSavesPerChild);

  // Memory management makes the count vary by a few calls from one child to
  // the next: kill at stop 1, 2, 3... until a child gets through untouched.
  // Children differ by a few calls, so one moment may be hit more than once.
  std::set<std::tuple<int, std::uint64_t, bool>> momentsLeavingTemporaries;
  int kills = 0;
  for (int killAt = 1;; ++killAt) {
    ASSERT_LT(killAt, 4 * whole.stops) << "the children never finish";
    WriteBytes(target, secondBytes);
    const TracedRun run = RunTraced(target, first, second, killAt);
    if (!run.killed) {
      EXPECT_EQ(ReadBytes(target), secondBytes);
      break;
    }
    ++kills;
    const std::string left = ReadBytes(target);
    ASSERT_TRUE(left == firstBytes || left == secondBytes) << "killed at stop " << killAt;

    std::vector<std::string> extra;
    for (const auto& name : dir.Entries()) {
      if (name != "fighter.txt") extra.push_back(name);
    }
    if (!run.namedTemporaryPending) {
      ASSERT_TRUE(extra.empty()) << "killed at stop " << killAt << " left " << extra.front();
      continue;
    }
    // The file system cannot link a finished temporary over an existing name
    // in one step: killed between the two, the complete new bytes remain
    // under the temporary's name and the target still holds the old ones.
    ASSERT_EQ(extra.size(), 1u) << killAt;
    const std::string pending = ReadBytes(dir / extra.front());
    EXPECT_TRUE(pending == firstBytes || pending == secondBytes) << killAt;
    EXPECT_NE(pending, left) << killAt;
    ::unlink((dir / extra.front()).c_str());
    if (!IsMemoryManagement(std::get<1>(run.moment))) momentsLeavingTemporaries.insert(run.moment);
  }
  EXPECT_GE(kills, whole.stops - 10);
  // The window is the two calls between naming the temporary and renaming it
  // (linkat's exit, close, rename's entry), once per save.
  EXPECT_LE(momentsLeavingTemporaries.size(), std::size_t{4 * kSavesPerChild});
}

}  // namespace
}  // namespace ostrak
