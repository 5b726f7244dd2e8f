// The main() of the benchmarks that paint widgets: one QApplication, set up as
// the tests set it up (Fusion style, the registered faces), around the run.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ostrak::test::PrepareApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
