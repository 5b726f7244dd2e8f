#pragma once

// Times the stretch of a benchmark iteration that counts: wall time becomes
// the iteration's manual time, and the process's CPU time over the same
// stretches is reported as the counter cpu_us (per iteration), which other
// programs' load on a shared machine stretches far less.

#include <benchmark/benchmark.h>

#include <cstdint>

namespace ostrak::bench {

class Stopwatch {
public:
  explicit Stopwatch(benchmark::State& state) : state_(state) {}
  ~Stopwatch();
  Stopwatch(const Stopwatch&) = delete;
  Stopwatch& operator=(const Stopwatch&) = delete;

  void Start();
  void Stop();

private:
  benchmark::State& state_;
  std::int64_t wallStart_ = 0;
  std::int64_t cpuStart_ = 0;
  std::int64_t cpuTotal_ = 0;
};

}  // namespace ostrak::bench
