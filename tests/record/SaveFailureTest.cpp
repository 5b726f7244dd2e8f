// A save that fails part-way must leave the old file byte for byte and no
// temporary file behind. The failures are real: a file size limit, a disk
// that fails to sync, a full file system, and a process killed at every
// system call of its saves.

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "record/StringList.h"
#include "support/RunInChild.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::ReadBytes;
using test::RunInChild;
using test::TempDirectory;
using test::WriteBytes;

TStringList ListOfSize(std::size_t bytes, char fill) {
  TStringList list;
  const std::string line(98, fill);  // 100 bytes with CR LF
  for (std::size_t i = 0; i < bytes / 100; ++i) list.Add(line);
  return list;
}

std::string SaveAndReport(const TStringList& list, const std::string& path) {
  try {
    list.SaveToFile(path);
    return "saved";
  } catch (const Error& failure) {
    return failure.message();
  }
}

std::string Join(const std::vector<std::string>& names) {
  std::string joined;
  for (const auto& name : names) joined += name + ";";
  return joined;
}

TEST(SaveFailure, SizeLimitDuringTheWriteKeepsTheOldFile) {
  TempDirectory dir;
  const std::string old = "old content\r\n";
  WriteBytes(dir / "f.txt", old);
  const std::string message = RunInChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return SaveAndReport(ListOfSize(100000, 'n'), dir / "f.txt");
  });
  EXPECT_EQ(message, "Stream write error");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), old);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.txt"});
}

// The kernel answers every sync as a failing disk does.
bool FailSyncs() {
  sock_filter rules[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                         BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_fsync, 1, 0),
                         BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_fdatasync, 0, 1),
                         BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EIO),
                         BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
  const sock_fprog program{std::size(rules), rules};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

TEST(SaveFailure, AFailedSyncKeepsTheOldFile) {
  TempDirectory dir;
  WriteBytes(dir / "f.txt", "old");
  EXPECT_EQ(RunInChild([&] {
              return FailSyncs() ? SaveAndReport(ListOfSize(1000, 'n'), dir / "f.txt") : "no filter";
            }),
            "Stream write error");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "old");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.txt"});
}

// A private mount namespace keeps the small file system out of sight of
// everything else and takes it away when the child ends.
std::string MountSmallFileSystem(const std::string& where) {
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "no mount namespace";
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "cannot make mounts private";
  if (::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") != 0) return "cannot mount tmpfs";
  return "";
}

struct FullDiskCase {
  const char* name;
  std::size_t newBytes;
  bool fillFirst;  // nothing left at all before the save starts
  bool twoNames;   // a hard link: written over itself
};

void PrintTo(const FullDiskCase& c, std::ostream* os) { *os << c.name; }

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, WriteErrorKeepsTheOldFileAndLeavesNoTemporary) {
  TempDirectory dir;
  const std::string mountPoint = dir / "small";
  ::mkdir(mountPoint.c_str(), 0700);
  const std::string report = RunInChild([&]() -> std::string {
    if (const std::string problem = MountSmallFileSystem(mountPoint); !problem.empty())
      return "SKIP " + problem;
    const std::string target = mountPoint + "/f.txt";
    const std::string old(1000, 'o');
    WriteBytes(target, old);
    if (GetParam().twoNames) ::link(target.c_str(), (mountPoint + "/g.txt").c_str());
    if (GetParam().fillFirst) {
      std::ofstream filler(mountPoint + "/filler", std::ios::binary);
      const std::string block(4096, 'f');
      while (filler.write(block.data(), block.size()) && filler.flush()) {
      }
    }
    const std::string message = SaveAndReport(ListOfSize(GetParam().newBytes, 'n'), target);
    ::unlink((mountPoint + "/filler").c_str());
    const bool intact =
        ReadBytes(target) == old && (!GetParam().twoNames || ReadBytes(mountPoint + "/g.txt") == old);
    return message + "|" + (intact ? "intact" : "changed") + "|" + Join(TempDirectory::EntriesOf(mountPoint));
  });
  if (report.rfind("SKIP ", 0) == 0) GTEST_SKIP() << report.substr(5);
  EXPECT_EQ(report, std::string("Stream write error|intact|f.txt;") + (GetParam().twoNames ? "g.txt;" : ""));
}

const FullDiskCase kFullDiskCases[] = {
    {"space_runs_out_part_way", 200000, false, false},
    {"no_space_at_all", 500, true, false},
    {"two_names_space_runs_out_part_way", 200000, false, true},
    {"two_names_no_space_at_all", 5000, true, true},
};

INSTANTIATE_TEST_SUITE_P(Table, FullDisk, ::testing::ValuesIn(kFullDiskCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak
