// A bulk change of 10,000 fighter files through ostrak-fighter, run as its
// users run it (process start included): set on the folder beside import of
// a table holding the same change, each with and without --dry-run; and
// export of the folder beside export of its files named one by one. The
// ratios printed at the end are the figures.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/IntToStr.h"
#include "record/FighterLayout.h"
#include "roster/RosterRows.h"
#include "support/TempDirectory.h"
#include "tools/ToolRunner.h"

namespace ostrak {
namespace {

constexpr int kFighters = 10000;

// The weight classes an iteration moves every fighter to, in turn, by code.
const char* const kCodes[] = {"1", "2"};
const char* const kClasses[] = {"Welterweight", "Middleweight"};

// Three copies of one roster: one that set changes, one that import
// changes, one that only previews see; and for import, a table per change.
class Rosters {
public:
  Rosters() {
    for (const char* copy : {"set", "import", "preview"}) {
      std::filesystem::create_directories(directory_ / (std::string(copy) + "/roster"));
    }
    for (int i = 0; i < kFighters; ++i) {
      const std::string name = "roster/fighter" + IntToStr(i) + ".txt";
      TStringList lines = SampleFighter(i).Lines();
      // Every file starts where neither change leaves it, so each changes them all.
      lines.Put(LineOf(FighterField::WeightClass), "-1");
      for (const char* copy : {"set/", "import/", "preview/"})
        test::WriteBytes(directory_ / (copy + name), lines.Text());
      names_.push_back("preview/" + name);
      for (int change = 0; change < 2; ++change) {
        TStringList changed = lines;
        changed.Put(LineOf(FighterField::WeightClass), kCodes[change]);
        roster::AppendCsvRow(tables_[change], name, changed);
      }
    }
    for (int change = 0; change < 2; ++change) {
      std::string table;
      roster::AppendCsvHeader(table);
      test::WriteBytes(directory_ / ("change" + IntToStr(change) + ".csv"), table + tables_[change]);
      tables_[change].clear();
    }
  }

  test::ToolResult Run(const std::vector<std::string>& args) const { return test::RunTool(directory_, args); }
  const std::vector<std::string>& names() const { return names_; }

private:
  test::TempDirectory directory_;
  std::vector<std::string> names_;  // the preview copy's files, as export names them one by one
  std::string tables_[2];
};

Rosters& TheRosters() {
  static Rosters rosters;
  return rosters;
}

void Run(benchmark::State& state, const std::vector<std::string>& args) {
  if (TheRosters().Run(args).status != 0) state.SkipWithError("ostrak-fighter failed");
}

void SetFolder(benchmark::State& state) {
  int change = 0;
  for (auto _ : state) {
    Run(state, {"set", "set/roster", std::string("weight_class=") + kClasses[change]});
    change = 1 - change;
  }
}
BENCHMARK(SetFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void ImportTable(benchmark::State& state) {
  int change = 0;
  for (auto _ : state) {
    Run(state, {"import", "--into", "import", "change" + IntToStr(change) + ".csv"});
    change = 1 - change;
  }
}
BENCHMARK(ImportTable)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void SetDryRun(benchmark::State& state) {
  for (auto _ : state) Run(state, {"set", "--dry-run", "preview/roster", "weight_class=Welterweight"});
}
BENCHMARK(SetDryRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void ImportDryRun(benchmark::State& state) {
  for (auto _ : state) Run(state, {"import", "--dry-run", "--into", "preview", "change0.csv"});
}
BENCHMARK(ImportDryRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void ExportFolder(benchmark::State& state) {
  for (auto _ : state) Run(state, {"export", "preview/roster"});
}
BENCHMARK(ExportFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void ExportNamed(benchmark::State& state) {
  std::vector<std::string> args = {"export"};
  args.insert(args.end(), TheRosters().names().begin(), TheRosters().names().end());
  for (auto _ : state) Run(state, args);
}
BENCHMARK(ExportNamed)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::RatioReporter reporter(ostrak::kFighters, "file");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("set FOLDER / import of the same change", "SetFolder", "ImportTable");
  reporter.PrintRatio("set --dry-run / import --dry-run", "SetDryRun", "ImportDryRun");
  reporter.PrintRatio("export FOLDER / export of its files named one by one (goal: at most 1.1)",
                      "ExportFolder", "ExportNamed");
  benchmark::Shutdown();
  return 0;
}
