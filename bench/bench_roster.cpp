// A roster of 10,000 fighter files through ostrak-fighter, run as its users
// run it (process start included): export beside reading the same files with
// plain calls, import (every row checked, every file committed or none)
// beside writing the same bytes with plain calls and fsync. The ratios printed
// at the end are the figures; the absolute times depend on the machine and its
// disk. Then the peak memory of export and import of a table of 40 MB, beside
// the table's size, and of a CSV and a JSON table of small rows that each
// create a file (what a plan keeps per file, not per table byte). Last, the
// same import's plan and commit in this process with its bytes held in
// memory beside spilled to a temporary file.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/FileDescriptor.h"
#include "core/IntToStr.h"
#include "record/StringList.h"
#include "roster/PlanBytes.h"
#include "roster/Roster.h"
#include "roster/RosterRows.h"
#include "support/TempDirectory.h"
#include "tools/ToolRunner.h"

namespace ostrak {
namespace {

constexpr int kFighters = 10000;

// Fighter files as the editor saves them and the export of all of them as a
// CSV table.
class Roster {
public:
  Roster() {
    arguments_ = {"export"};
    for (int i = 0; i < kFighters; ++i) {
      names_.push_back("roster/fighter" + IntToStr(i) + ".txt");
      contents_.push_back(SampleFighter(i).Lines().Text());
    }
    std::filesystem::create_directory(directory_ / "roster");
    for (int i = 0; i < kFighters; ++i) test::WriteBytes(directory_ / names_[i], contents_[i]);
    arguments_.insert(arguments_.end(), names_.begin(), names_.end());
    test::WriteBytes(directory_ / "roster.csv", Export().out);
  }

  test::ToolResult Export() const { return test::RunTool(directory_, arguments_); }
  test::ToolResult Import(const std::string& into) const {
    return test::RunTool(directory_, {"import", "--into", into, "roster.csv"});
  }
  // A folder that no iteration has written into yet.
  std::string FreshFolder() { return "written" + IntToStr(folders_++); }

  const test::TempDirectory& directory() const { return directory_; }
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<std::string>& contents() const { return contents_; }

private:
  test::TempDirectory directory_;
  std::vector<std::string> names_;
  std::vector<std::string> contents_;
  std::vector<std::string> arguments_;
  int folders_ = 0;
};

Roster& TheRoster() {
  static Roster roster;
  return roster;
}

void RawRead(benchmark::State& state) {
  const Roster& roster = TheRoster();
  char buffer[4096];
  for (auto _ : state) {
    for (const std::string& name : roster.names()) {
      const FileDescriptor file(::open((roster.directory() / name).c_str(), O_RDONLY | O_CLOEXEC));
      while (::read(file.get(), buffer, sizeof buffer) > 0) benchmark::DoNotOptimize(buffer);
    }
  }
}
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void Export(benchmark::State& state) {
  const Roster& roster = TheRoster();
  for (auto _ : state) {
    if (roster.Export().status != 0) state.SkipWithError("export failed");
  }
}
BENCHMARK(Export)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void PlainWriteWithFsync(benchmark::State& state) {
  Roster& roster = TheRoster();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = roster.directory() / roster.FreshFolder();
    std::filesystem::create_directories(folder + "/roster");
    state.ResumeTiming();
    for (int i = 0; i < kFighters; ++i) {
      const std::string& bytes = roster.contents()[i];
      const FileDescriptor file(
          ::open((folder + "/" + roster.names()[i]).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
      if (::write(file.get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
          ::fsync(file.get()) != 0) {
        state.SkipWithError("plain write failed");
      }
    }
  }
}
BENCHMARK(PlainWriteWithFsync)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void Import(benchmark::State& state) {
  Roster& roster = TheRoster();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = roster.FreshFolder();
    state.ResumeTiming();
    if (roster.Import(folder).status != 0) state.SkipWithError("import failed");
  }
}
BENCHMARK(Import)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// ---------------------------------------------------------------------------
// Peak memory, on a memory-backed file system where there is one (the
// figure is the program's, not the disk's)

constexpr int kLargeFighters = 10000;
constexpr int kExtraLines = 40;  // of about 100 bytes: rows of about 4 KB, a table of about 40 MB

// A child starts with its parent's memory high-water mark, which the kernel
// keeps across exec: a figure taken in a child of this (large) program would
// be this program's. So a fresh copy of it, run with kPeakOf, starts
// ostrak-fighter and reports the figure.
constexpr const char* kPeakOf = "--peak-kib-of";

// In the fresh copy: ostrak-fighter run with argv[4...] in the folder
// argv[3], its output to the file argv[2]; the peak (KiB) on stdout.
int ReportPeak(char** argv) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::chdir(argv[3]) != 0 || ::dup2(fd, 1) < 0) ::_exit(126);
    argv[3] = const_cast<char*>(OSTRAK_FIGHTER_EXE);
    ::execv(argv[3], argv + 3);
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  std::printf("%ld\n", usage.ru_maxrss);
  return 0;
}

// The peak resident memory of ostrak-fighter run with `args` in `folder`,
// in KiB, its output going to `out`; 0 when it failed.
long PeakKiB(const std::string& folder, const std::vector<std::string>& args, const std::string& out) {
  std::vector<std::string> command = {"/proc/self/exe", kPeakOf, out, folder};
  command.insert(command.end(), args.begin(), args.end());
  int pipe[2];
  if (::pipe(pipe) != 0) return 0;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipe[1], 1);
    std::vector<char*> argv;
    for (std::string& arg : command) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipe[1]);
  char figure[32] = {};
  const ssize_t length = ::read(pipe[0], figure, sizeof figure - 1);
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return length > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::atol(figure) : 0;
}

struct MemoryFigures {
  double tableMiB = 0;  // rows of about 4 KB
  long exportKiB = 0;
  long importKiB = 0;
  double smallRowsMiB = 0;  // the same size in rows of about 130 bytes
  long smallRowsImportKiB = 0;
  double smallJsonMiB = 0;  // the same rows as JSON
  long smallJsonImportKiB = 0;
  long emptyImportKiB = 0;  // a table of its header alone: what the program takes before any row
};

MemoryFigures& Memory() {
  static MemoryFigures figures;
  return figures;
}

void PeakMemoryOf40MBTable(benchmark::State& state) {
  const char* shm = "/dev/shm";
  const std::string root = ::access(shm, W_OK) == 0 ? shm : TheRoster().directory().path();
  const std::string folder = root + "/ostrak-bench-memory-" + IntToStr(::getpid());
  std::filesystem::create_directories(folder + "/roster");
  std::vector<std::string> args = {"export"};
  for (int i = 0; i < kLargeFighters; ++i) {
    TStringList lines = SampleFighter(i).Lines();
    for (int line = 0; line < kExtraLines; ++line) {
      lines.Add("Notas del combate " + IntToStr(line) + ": derrib\xF3 en el segundo asalto y gan\xF3 por " +
                std::string(40, static_cast<char>('a' + line % 26)));
    }
    args.push_back("roster/fighter" + IntToStr(i) + ".txt");
    test::WriteBytes(folder + "/" + args.back(), lines.Text());
  }
  // As many small rows as make a table of the same size: the most rows, the most to keep per byte.
  std::string small;
  std::string json = "[";
  roster::AppendCsvHeader(small);
  while (small.size() < std::filesystem::file_size(folder + "/" + args.back()) * kLargeFighters) {
    const std::string name = "small/fighter" + IntToStr(static_cast<long long>(small.size())) + ".txt";
    const TStringList lines = SampleFighter(static_cast<int>(small.size() % 1000)).Lines();
    roster::AppendCsvRow(small, name, lines);
    json += json.size() == 1 ? "\n  " : ",\n  ";
    roster::AppendJsonRow(json, name, lines);
  }
  json += "\n]\n";
  test::WriteBytes(folder + "/small.csv", small);
  test::WriteBytes(folder + "/small.json", json);
  std::string empty;
  roster::AppendCsvHeader(empty);
  test::WriteBytes(folder + "/empty.csv", empty);
  for (auto _ : state) {
    Memory().exportKiB = PeakKiB(folder, args, folder + "/roster.csv");
    Memory().importKiB = PeakKiB(folder, {"import", "--into", "copy", "roster.csv"}, folder + "/import.out");
    Memory().smallRowsImportKiB =
        PeakKiB(folder, {"import", "--into", "copy", "small.csv"}, folder + "/import.out");
    Memory().smallJsonImportKiB =
        PeakKiB(folder, {"import", "--into", "json-copy", "small.json"}, folder + "/import.out");
    Memory().emptyImportKiB =
        PeakKiB(folder, {"import", "--into", "copy", "empty.csv"}, folder + "/import.out");
  }
  Memory().smallJsonMiB = static_cast<double>(json.size()) / (1 << 20);
  Memory().tableMiB = static_cast<double>(std::filesystem::file_size(folder + "/roster.csv")) / (1 << 20);
  Memory().smallRowsMiB = static_cast<double>(small.size()) / (1 << 20);
  if (Memory().exportKiB == 0 || Memory().importKiB == 0 || Memory().smallRowsImportKiB == 0 ||
      Memory().smallJsonImportKiB == 0 || Memory().emptyImportKiB == 0) {
    state.SkipWithError("export or import failed");
  }
  state.counters["table_MiB"] = Memory().tableMiB;
  state.counters["export_peak_MiB"] = static_cast<double>(Memory().exportKiB) / 1024;
  state.counters["import_peak_MiB"] = static_cast<double>(Memory().importKiB) / 1024;
  std::filesystem::remove_all(folder);
}
BENCHMARK(PeakMemoryOf40MBTable)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// ---------------------------------------------------------------------------
// The import of the 10,000 files in this process, its bytes held in memory
// (as a plan of that size does) beside spilled from the first byte.

void PlanAndCommit(benchmark::State& state, std::size_t spillAfter) {
  Roster& roster = TheRoster();
  const roster::detail::SpillThreshold threshold(spillAfter);
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = roster.directory() / roster.FreshFolder();
    state.ResumeTiming();
    roster::RosterPlan plan = roster::PlanImport(roster.directory() / "roster.csv", {folder});
    if (!plan.Problems().empty() || !roster::Commit(plan).ok()) state.SkipWithError("import failed");
  }
}

void ImportHeld(benchmark::State& state) { PlanAndCommit(state, std::size_t{64} << 20); }
BENCHMARK(ImportHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void ImportSpilled(benchmark::State& state) { PlanAndCommit(state, 0); }
BENCHMARK(ImportSpilled)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  if (argc > 4 && std::string(argv[1]) == ostrak::kPeakOf) return ostrak::ReportPeak(argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The imports' history goes to a scratch folder, not the user's: every
  // run would add some hundred thousand files to it.
  ostrak::test::TempDirectory data;
  ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
  ostrak::RatioReporter reporter(ostrak::kFighters, "file");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("export / raw read", "Export", "RawRead");
  reporter.PrintRatio("import / plain write with fsync", "Import", "PlainWriteWithFsync");
  reporter.PrintRatio("import spilled / held in memory (goal: at most 1.1)", "ImportSpilled", "ImportHeld");
  if (const double exported = reporter.PerItemNs("Export"); exported > 0) {
    std::printf("export throughput: %.0f%% of the raw read's (goal: at least 40%%)\n",
                100 * reporter.PerItemNs("RawRead") / exported);
  }
  if (const ostrak::MemoryFigures& memory = ostrak::Memory(); memory.tableMiB > 0) {
    std::printf(
        "peak memory for a %.1f MiB table of 4 KB rows: export %.1f MiB, import %.1f MiB (goal: under %.1f "
        "MiB)\n",
        memory.tableMiB, static_cast<double>(memory.exportKiB) / 1024,
        static_cast<double>(memory.importKiB) / 1024, 4 * memory.tableMiB + 64);
    // The program's own start is a fixed part of a table this small; what
    // the rows add beside their bytes is what a table of a million tends to.
    const auto small = [&](const char* table, double mib, long kib) {
      std::printf(
          "peak memory for a %.1f MiB %s table of 130-byte rows, each a new file: import %.1f MiB, "
          "%.2f times the table; the rows add %.2f times their bytes (goal: under 2)\n",
          mib, table, static_cast<double>(kib) / 1024, static_cast<double>(kib) / 1024 / mib,
          static_cast<double>(kib - memory.emptyImportKiB) / 1024 / mib);
    };
    std::printf("peak memory for a table of its header alone: import %.1f MiB\n",
                static_cast<double>(memory.emptyImportKiB) / 1024);
    small("CSV", memory.smallRowsMiB, memory.smallRowsImportKiB);
    small("JSON", memory.smallJsonMiB, memory.smallJsonImportKiB);
  }
  benchmark::Shutdown();
  return 0;
}
