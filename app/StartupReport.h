#pragma once

// The measurement hook of the benchmarks. With OSTRAK_REPORT_FIRST_PAINT set
// in its environment, a program prints one line once its window is first
// completely painted, and ends:
//   first-paint <CLOCK_MONOTONIC ns> <VmRSS in KiB> <CPU time of the process in ns>
// The benchmark times the start from before it spawns the program. Unset,
// nothing is installed and the program runs as ever.

#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace ostrak {

inline constexpr const char* kFirstPaintReportVariable = "OSTRAK_REPORT_FIRST_PAINT";

struct FirstPaintReport {
  std::int64_t monotonicNanoseconds = 0;
  long residentKibibytes = 0;
  // Every thread's, from the program's start (loading libraries included):
  // the part of the time that another process's load does not stretch.
  std::int64_t cpuNanoseconds = 0;
};

bool FirstPaintReportRequested();
// Installs the watch on `window` (before it is shown); the line is printed
// and the event loop told to end once the window is painted.
void ReportFirstPaintThenQuit(QWidget& window);

std::string FormatFirstPaintReport(const FirstPaintReport& report);
// The report in `line`, or nullopt when the line is not one.
std::optional<FirstPaintReport> ParseFirstPaintReport(const std::string& line);

// CLOCK_MONOTONIC, the clock every process on the machine shares.
std::int64_t MonotonicNanoseconds();
std::int64_t ProcessCpuNanoseconds();
// VmRSS of this process, or -1 when /proc does not say.
long ResidentKibibytes();

}  // namespace ostrak
