#include "support/Stopwatch.h"

#include "app/StartupReport.h"

namespace ostrak::bench {

Stopwatch::~Stopwatch() {
  state_.counters["cpu_us"] =
      benchmark::Counter(static_cast<double>(cpuTotal_) / 1e3, benchmark::Counter::kAvgIterations);
}

void Stopwatch::Start() {
  cpuStart_ = ProcessCpuNanoseconds();
  wallStart_ = MonotonicNanoseconds();
}

void Stopwatch::Stop() {
  const std::int64_t wallEnd = MonotonicNanoseconds();
  cpuTotal_ += ProcessCpuNanoseconds() - cpuStart_;
  state_.SetIterationTime(static_cast<double>(wallEnd - wallStart_) / 1e9);
}

}  // namespace ostrak::bench
