// The main() of the benchmarks that paint widgets: one QApplication, set up as
// the tests set it up (Fusion style, the registered faces), around the run.
// Offscreen unless QT_QPA_PLATFORM says otherwise; with --xvfb, on a private
// Xvfb server of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <optional>

#include "support/BenchArguments.h"
#include "support/PrivateXServer.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  using namespace ostrak::bench;
  BenchArguments arguments(argc, argv, {});
  std::optional<PrivateXServer> server;
  if (arguments.Take("--xvfb")) {
    try {
      server.emplace();
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
      return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", server->Display().c_str());
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(arguments.Count(), arguments.Values());
  ostrak::test::PrepareApplication();
  benchmark::Initialize(&arguments.Count(), arguments.Values());
  if (benchmark::ReportUnrecognizedArguments(arguments.Count(), arguments.Values())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
