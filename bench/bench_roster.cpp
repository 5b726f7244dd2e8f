// A roster of 10,000 fighter files through ostrak-fighter, run as its users
// run it (process start included): export beside reading the same files with
// plain calls, import (every row checked, each file saved atomically) beside
// writing the same bytes with plain calls and fsync. The ratios printed at the
// end are the figures; the absolute times depend on the machine and its disk.

#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/FileDescriptor.h"
#include "core/IntToStr.h"
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

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::RatioReporter reporter(ostrak::kFighters, "file");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("export / raw read", "Export", "RawRead");
  reporter.PrintRatio("import / plain write with fsync", "Import", "PlainWriteWithFsync");
  if (const double exported = reporter.PerItemNs("Export"); exported > 0) {
    std::printf("export throughput: %.0f%% of the raw read's (goal: at least 40%%)\n",
                100 * reporter.PerItemNs("RawRead") / exported);
  }
  benchmark::Shutdown();
  return 0;
}
