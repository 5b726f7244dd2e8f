#include "app/StartupReport.h"

#include <QCoreApplication>
#include <QWidget>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/FirstPaintWatcher.h"

namespace ostrak {

bool FirstPaintReportRequested() { return qEnvironmentVariableIsSet(kFirstPaintReportVariable); }

void ReportFirstPaintThenQuit(QWidget& window) {
  new FirstPaintWatcher(window, [] {
    const FirstPaintReport report{MonotonicNanoseconds(), ResidentKibibytes(), ProcessCpuNanoseconds()};
    std::fputs(FormatFirstPaintReport(report).c_str(), stdout);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
}

namespace {

template <typename Number>
std::string Decimal(Number number) {
  char digits[24];
  const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
  return std::string(digits, error == std::errc() ? end : digits);
}

template <typename Number>
bool ReadNumber(std::string_view& text, Number& number) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end == text.data()) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

}  // namespace

std::string FormatFirstPaintReport(const FirstPaintReport& report) {
  return "first-paint " + Decimal(report.monotonicNanoseconds) + ' ' + Decimal(report.residentKibibytes) +
         ' ' + Decimal(report.cpuNanoseconds) + '\n';
}

std::optional<FirstPaintReport> ParseFirstPaintReport(const std::string& line) {
  constexpr std::string_view kKey = "first-paint ";
  std::string_view text = line;
  if (!text.starts_with(kKey)) return std::nullopt;
  text.remove_prefix(kKey.size());
  FirstPaintReport report;
  if (!ReadNumber(text, report.monotonicNanoseconds) || !ReadNumber(text, report.residentKibibytes) ||
      !ReadNumber(text, report.cpuNanoseconds)) {
    return std::nullopt;
  }
  if (!text.empty() && text != "\n") return std::nullopt;
  return report;
}

namespace {

std::int64_t Nanoseconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

std::int64_t MonotonicNanoseconds() { return Nanoseconds(CLOCK_MONOTONIC); }
std::int64_t ProcessCpuNanoseconds() { return Nanoseconds(CLOCK_PROCESS_CPUTIME_ID); }

long ResidentKibibytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (!line.starts_with("VmRSS:")) continue;
    std::istringstream fields(line.substr(6));
    long kibibytes = -1;
    fields >> kibibytes;
    return kibibytes;
  }
  return -1;
}

}  // namespace ostrak
