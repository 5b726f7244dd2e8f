// Process start to the first complete paint of the window, and the resident
// memory at that moment: the editor beside the stock window of 60 widgets,
// offscreen and under a private Xvfb server. Every run is a fresh process
// timed from just before it is spawned to the moment it reports its window
// painted; the four cases' runs are interleaved at random so the machine's
// load falls on all of them alike. Beside the time, cpu_ms is the CPU time
// the program had used by then, which another process's load stretches far
// less. Goals: time at most 1.3x, memory at most 1.2x the stock window's.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/StartupReport.h"
#include "platform/ProgramDirectory.h"
#include "support/BenchArguments.h"
#include "support/ChildProcess.h"
#include "support/PrivateXServer.h"

namespace ostrak::bench {
namespace {

using Environment = std::map<std::string, std::optional<std::string>>;

struct StartupRun {
  std::int64_t nanoseconds = 0;
  long residentKibibytes = 0;
  std::int64_t cpuNanoseconds = 0;
};

StartupRun RunOnce(const std::string& program, const Environment& environment) {
  const std::int64_t start = MonotonicNanoseconds();
  ChildProcess child(program, {}, environment);
  const auto line = child.ReadLine(std::chrono::seconds(30));
  const auto report = line ? ParseFirstPaintReport(*line) : std::nullopt;
  if (!report) throw std::runtime_error(program + " reported no first paint");
  if (child.Wait() != 0) throw std::runtime_error(program + " did not end cleanly after its report");
  return {report->monotonicNanoseconds - start, report->residentKibibytes, report->cpuNanoseconds};
}

void StartToFirstPaint(benchmark::State& state, const std::string& program, const Environment& environment) {
  for (auto _ : state) {
    try {
      const StartupRun run = RunOnce(program, environment);
      state.SetIterationTime(static_cast<double>(run.nanoseconds) / 1e9);
      state.counters["rss_kib"] = static_cast<double>(run.residentKibibytes);
      state.counters["cpu_ms"] = static_cast<double>(run.cpuNanoseconds) / 1e6;
    } catch (const std::exception& error) {
      state.SkipWithError(error.what());
      break;
    }
  }
}

Environment PlatformEnvironment(const std::string& platform, const std::string& display) {
  Environment environment{{kFirstPaintReportVariable, "1"}, {"QT_QPA_PLATFORM", platform}};
  environment["DISPLAY"] = display.empty() ? std::nullopt : std::optional<std::string>(display);
  return environment;
}

void Register(const std::string& platform, const std::string& display) {
  const std::string directory = ProgramDirectory();
  const Environment environment = PlatformEnvironment(platform == "xvfb" ? "xcb" : "offscreen", display);
  for (const char* program : {"ostrak-stock-window", "OstrakEditor"}) {
    const std::string path = directory + program;
    // The first runs pay for cold caches (files, fonts, the server's first
    // clients); they are not counted.
    for (int i = 0; i < 2; ++i) RunOnce(path, environment);
    const std::string name = std::string("StartToFirstPaint/") +
                             (std::string(program) == "OstrakEditor" ? "editor" : "stock") + '/' + platform;
    benchmark::RegisterBenchmark(name.c_str(), StartToFirstPaint, path, environment)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->ComputeStatistics(
            "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics(
            "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
  }
}

void RegisterFailed(const std::string& platform, const std::string& reason) {
  for (const char* who : {"stock", "editor"}) {
    const std::string name = std::string("StartToFirstPaint/") + who + '/' + platform;
    benchmark::RegisterBenchmark(name.c_str(), [reason](benchmark::State& state) {
      for (auto _ : state) state.SkipWithError(reason.c_str());
    })->Iterations(1);
  }
}

}  // namespace
}  // namespace ostrak::bench

int main(int argc, char** argv) {
  using namespace ostrak::bench;
  BenchArguments arguments(argc, argv,
                           {"--benchmark_repetitions=30", "--benchmark_enable_random_interleaving=true",
                            "--benchmark_display_aggregates_only=true"});
  const bool offscreenOnly = arguments.Take("--offscreen-only");
  benchmark::Initialize(&arguments.Count(), arguments.Values());
  if (benchmark::ReportUnrecognizedArguments(arguments.Count(), arguments.Values())) return 1;

  std::optional<PrivateXServer> server;
  try {
    Register("offscreen", "");
    if (!offscreenOnly) {
      try {
        server.emplace();
      } catch (const std::exception& error) {
        RegisterFailed("xvfb", error.what());
      }
      if (server) Register("xvfb", server->Display());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_startup: %s\n", error.what());
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
