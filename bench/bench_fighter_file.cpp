// Loading fighter files as the editor does (read, split into lines, run the
// load order through a fresh form) beside a raw read of the same bytes, the
// ratings of a fighter beside merely summing its attributes, and the editor's
// save through the roster engine beside the plain replace of a file it made
// before (also for a file with two names, written over itself). The ratios
// printed at the end are the figures; the absolute times depend on the machine.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterForm.h"
#include "record/FighterRecord.h"
#include "record/Ratings.h"
#include "record/TextFile.h"
#include "roster/SaveFile.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

constexpr int kFighters = 200;

// A roster of fighter files as the editor writes them, with some written by
// other tools (LF only) and some carrying extra lines.
class Roster {
public:
  Roster() {
    for (int i = 0; i < kFighters; ++i) {
      std::string bytes = SampleFighter(i).Lines().Text();
      if (i % 4 == 0) {
        std::string lf;
        for (const char c : bytes) {
          if (c != '\r') lf += c;
        }
        bytes = lf;
      }
      const std::string path = directory_ / ("fighter" + IntToStr(i) + ".txt");
      test::WriteBytes(path, bytes);
      paths_.push_back(path);
      contents_.push_back(bytes);
    }
  }
  const std::vector<std::string>& paths() const { return paths_; }
  const std::vector<std::string>& contents() const { return contents_; }

private:
  test::TempDirectory directory_;
  std::vector<std::string> paths_;
  std::vector<std::string> contents_;
};

const Roster& TheRoster() {
  static const Roster roster;
  return roster;
}

void RawRead(benchmark::State& state) {
  const auto& paths = TheRoster().paths();
  for (auto _ : state) {
    for (const auto& path : paths) benchmark::DoNotOptimize(ReadWholeFile(path));
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}
BENCHMARK(RawRead)->Unit(benchmark::kMicrosecond);

void LoadAndParse(benchmark::State& state) {
  const auto& paths = TheRoster().paths();
  for (auto _ : state) {
    for (const auto& path : paths) {
      FighterRecord record;
      record.LoadFromFile(path);
      FighterForm form;
      form.Load(record);
      benchmark::DoNotOptimize(form.Attribute(FighterField::GroundGame));
    }
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}
BENCHMARK(LoadAndParse)->Unit(benchmark::kMicrosecond);

// The same work on bytes already in memory: what the parsing alone costs.
void ParseInMemory(benchmark::State& state) {
  const auto& contents = TheRoster().contents();
  for (auto _ : state) {
    for (const auto& bytes : contents) {
      FighterRecord record;
      record.Lines().SetText(bytes);
      FighterForm form;
      form.Load(record);
      benchmark::DoNotOptimize(form.Attribute(FighterField::GroundGame));
    }
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}
BENCHMARK(ParseInMemory)->Unit(benchmark::kMicrosecond);

std::vector<AttributeValues> Attributes() {
  std::vector<AttributeValues> all;
  for (const auto& bytes : TheRoster().contents()) {
    FighterRecord record;
    record.Lines().SetText(bytes);
    FighterForm form;
    form.Load(record);
    all.push_back(form.Attributes());
  }
  return all;
}

void AttributeSum(benchmark::State& state) {
  const auto fighters = Attributes();
  for (auto _ : state) {
    for (const auto& attributes : fighters) {
      int sum = 0;
      for (const FighterField field : kAttributeFields) sum += attributes.Get(field);
      benchmark::DoNotOptimize(sum);
    }
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}
BENCHMARK(AttributeSum);

void RatingsPerFighter(benchmark::State& state) {
  const auto fighters = Attributes();
  for (auto _ : state) {
    for (const auto& attributes : fighters) benchmark::DoNotOptimize(EvaluateRatings(attributes));
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}
BENCHMARK(RatingsPerFighter);

// The roster's fighters saved once each, into a folder of their own, every
// save changing the file (two versions in turn); `linked`: each file has a
// second name.
template <typename Save>
void SaveEach(benchmark::State& state, bool linked, Save save) {
  test::TempDirectory directory;
  const auto& contents = TheRoster().contents();
  std::vector<std::string> paths;
  for (int i = 0; i < kFighters; ++i) {
    paths.push_back(directory / ("fighter" + IntToStr(i) + ".txt"));
    test::WriteBytes(paths.back(), contents[static_cast<std::size_t>(i)]);
    if (linked) std::filesystem::create_hard_link(paths.back(), paths.back() + ".link");
  }
  std::vector<std::string> edited;
  for (const std::string& bytes : contents) edited.push_back(bytes + "edited\r\n");
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    for (std::size_t i = 0; i < paths.size(); ++i) save(paths[i], odd ? edited[i] : contents[i]);
  }
  state.SetItemsProcessed(state.iterations() * kFighters);
}

void SaveReplacing(benchmark::State& state) { SaveEach(state, false, WriteTextFileAtomically); }
BENCHMARK(SaveReplacing)->Unit(benchmark::kMillisecond);

void SaveThroughEngine(benchmark::State& state) {
  SaveEach(state, false,
           [](const std::string& path, const std::string& bytes) { roster::SaveFighterFile(path, bytes); });
}
BENCHMARK(SaveThroughEngine)->Unit(benchmark::kMillisecond);

void SaveOverItself(benchmark::State& state) { SaveEach(state, true, WriteTextFileAtomically); }
BENCHMARK(SaveOverItself)->Unit(benchmark::kMillisecond);

void SaveOverItselfThroughEngine(benchmark::State& state) {
  SaveEach(state, true,
           [](const std::string& path, const std::string& bytes) { roster::SaveFighterFile(path, bytes); });
}
BENCHMARK(SaveOverItselfThroughEngine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::RatioReporter reporter(ostrak::kFighters, "fighter");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("load and parse / raw read", "LoadAndParse", "RawRead");
  reporter.PrintRatio("parse in memory / raw read", "ParseInMemory", "RawRead");
  reporter.PrintRatio("ratings / attribute sum", "RatingsPerFighter", "AttributeSum");
  reporter.PrintRatio("save through the engine / plain replace", "SaveThroughEngine", "SaveReplacing");
  reporter.PrintRatio("save over itself through the engine / plain", "SaveOverItselfThroughEngine",
                      "SaveOverItself");
  benchmark::Shutdown();
  return 0;
}
