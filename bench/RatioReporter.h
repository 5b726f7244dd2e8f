#pragma once

// The console table as usual, then each measurement against its baseline
// from the same run: on a shared machine the ratios are the figures.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace ostrak {

class RatioReporter : public benchmark::ConsoleReporter {
public:
  // Every benchmark of the program handles `items` things (fighters, files)
  // per iteration, named `item` in the printed lines.
  RatioReporter(int items, const char* item) : items_(items), item_(item) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        perItemNs_[run.run_name.function_name] =
            run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations) / items_;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Wall time per item, by the benchmark's function name; 0 when it did not run.
  double PerItemNs(const std::string& name) const {
    const auto found = perItemNs_.find(name);
    return found == perItemNs_.end() ? 0 : found->second;
  }

  void PrintRatio(const char* what, const std::string& measured, const std::string& baseline) const {
    const double m = PerItemNs(measured);
    const double b = PerItemNs(baseline);
    if (m <= 0 || b <= 0) return;
    std::printf("%s: %.2f  (%.1f ns vs %.1f ns per %s)\n", what, m / b, m, b, item_);
  }

private:
  int items_;
  const char* item_;
  std::map<std::string, double> perItemNs_;
};

}  // namespace ostrak
