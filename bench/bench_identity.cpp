// A roster of 100,000 fighter files through ostrak-fighter, run as its users
// run it (process start included): duplicates beside ratings on the same
// files, and diff of two such folders differing in 1% of their files beside
// diff -r of the same folders. The ratios printed at the end are the figures.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/IntToStr.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

constexpr int kFighters = 100000;
constexpr int kChangedEvery = 100;  // 1% of the second folder differs from the first
constexpr int kTwinEvery = 500;     // and the first holds a second file of every 500th fighter

// Runs `program` with `args` in `folder`, its output thrown away; its exit status.
int Run(const std::string& folder, const std::string& program, std::vector<std::string> args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0 || ::chdir(folder.c_str()) != 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) ::_exit(126);
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// before/ and after/, each of kFighters files named f0.txt ...; the names
// alone, for the commands that take files.
class Rosters {
public:
  Rosters() {
    std::filesystem::create_directory(directory_ / "before");
    std::filesystem::create_directory(directory_ / "after");
    for (int i = 0; i < kFighters; ++i) {
      const std::string name = "f" + IntToStr(i) + ".txt";
      // Every kTwinEvery-th fighter again under the next one's name, so that duplicates finds groups.
      const int fighter = i % kTwinEvery == 1 ? i - 1 : i;
      FighterRecord record = SampleFighter(fighter);
      test::WriteBytes(directory_ / ("before/" + name), record.Lines().Text());
      if (i % kChangedEvery == 0) record.PutText(FighterField::Height, "181 cm");
      test::WriteBytes(directory_ / ("after/" + name), record.Lines().Text());
      names_.push_back(name);
    }
  }
  std::string Folder(const char* name) const { return directory_ / name; }
  std::string Root() const { return directory_.path(); }
  const std::vector<std::string>& names() const { return names_; }

private:
  test::TempDirectory directory_;
  std::vector<std::string> names_;
};

const Rosters& TheRosters() {
  static const Rosters rosters;
  return rosters;
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& files) {
  args.insert(args.end(), files.begin(), files.end());
  return args;
}

void Ratings(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  const std::vector<std::string> args = With({"ratings"}, rosters.names());
  for (auto _ : state) {
    if (Run(rosters.Folder("before"), OSTRAK_FIGHTER_EXE, args) != 0) state.SkipWithError("ratings failed");
  }
}
BENCHMARK(Ratings)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void Duplicates(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  const std::vector<std::string> args = With({"duplicates"}, rosters.names());
  for (auto _ : state) {
    if (Run(rosters.Folder("before"), OSTRAK_FIGHTER_EXE, args) != 1)
      state.SkipWithError("duplicates found none");
  }
}
BENCHMARK(Duplicates)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void DuplicatesOfFolder(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  for (auto _ : state) {
    if (Run(rosters.Root(), OSTRAK_FIGHTER_EXE, {"duplicates", "before"}) != 1) {
      state.SkipWithError("duplicates found none");
    }
  }
}
BENCHMARK(DuplicatesOfFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void DiffRecursive(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  for (auto _ : state) {
    if (Run(rosters.Root(), "/usr/bin/diff", {"-r", "before", "after"}) != 1)
      state.SkipWithError("diff -r failed");
  }
}
BENCHMARK(DiffRecursive)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void Diff(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  for (auto _ : state) {
    if (Run(rosters.Root(), OSTRAK_FIGHTER_EXE, {"diff", "before", "after"}) != 1)
      state.SkipWithError("diff failed");
  }
}
BENCHMARK(Diff)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void DiffBySherdogId(benchmark::State& state) {
  const Rosters& rosters = TheRosters();
  for (auto _ : state) {
    if (Run(rosters.Root(), OSTRAK_FIGHTER_EXE, {"diff", "--match", "sherdog_id", "before", "after"}) != 1) {
      state.SkipWithError("diff failed");
    }
  }
}
BENCHMARK(DiffBySherdogId)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  // 100,000 names on one command line need more room than the default stack
  // limit gives arguments (a quarter of it).
  rlimit stack{};
  if (::getrlimit(RLIMIT_STACK, &stack) == 0 && stack.rlim_cur != RLIM_INFINITY) {
    stack.rlim_cur = std::min<rlim_t>(stack.rlim_max, rlim_t{64} << 20);
    ::setrlimit(RLIMIT_STACK, &stack);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::RatioReporter reporter(ostrak::kFighters, "file");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("duplicates / ratings (goal: at most 1.2)", "Duplicates", "Ratings");
  reporter.PrintRatio("duplicates of the folder / ratings", "DuplicatesOfFolder", "Ratings");
  reporter.PrintRatio("diff / diff -r (goal: at most 1.5)", "Diff", "DiffRecursive");
  reporter.PrintRatio("diff --match sherdog_id / diff -r", "DiffBySherdogId", "DiffRecursive");
  benchmark::Shutdown();
  return 0;
}
