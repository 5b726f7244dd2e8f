// The history store beside what it records: one save with its change set
// recorded beside the same save alone; a 10,000-file import with its change
// set beside the import alone; the same as the writers make them (the
// editor's save with the store it keeps open, the companion's import
// opening the store, each recording through the engine's journal) and the
// undo of that import beside the import; then the store holding 10,000 files in eleven
// versions (each differing from the one before in one field) beside a git
// repository holding the same versions after `git gc --aggressive`, made in
// the same run with the git command. Ratios and sizes are the figures.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "SampleFighter.h"
#include "core/IntToStr.h"
#include "history/HistoryStore.h"
#include "record/TextFile.h"
#include "recorded/KeptHistory.h"
#include "recorded/RecordedHistory.h"
#include "recorded/TakeBack.h"
#include "roster/Roster.h"
#include "roster/SaveFile.h"
#include "support/ChildProcess.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

constexpr int kFighters = 10000;
constexpr int kVersions = 11;

// Fighter `i` with its punches (the first line) moved on by `version`.
std::string Version(int i, int version) {
  FighterRecord record = SampleFighter(i);
  record.PutAttribute(FighterField::Punches, 1 + (i + version) % 20);
  return record.Lines().Text();
}

std::unique_ptr<history::Store> OpenStore(const std::string& path) {
  history::OpenResult opened = history::Store::Open(path, {{}, history::Maintenance::Never});
  if (!opened.store) throw std::runtime_error("cannot open the history: " + opened.reason);
  return std::move(opened.store);
}

// ---------------------------------------------------------------------------
// One save

struct OneFile {
  test::TempDirectory dir;
  std::string path = dir / "fighter.txt";
  std::string bytes[2] = {Version(7, 0), Version(7, 1)};
  int next = 0;
  // The next save's bytes; each save changes the file.
  const std::string& Next() { return bytes[next ^= 1]; }
  const std::string& Current() const { return bytes[next]; }
};

void Save(benchmark::State& state) {
  OneFile file;
  for (auto _ : state) WriteTextFileAtomically(file.path, file.Next());
}
BENCHMARK(Save)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2);

void SaveWithHistory(benchmark::State& state) {
  OneFile file;
  const auto store = OpenStore(file.dir / "history.sqlite");
  for (auto _ : state) {
    const std::string before = file.Current();
    const std::string& after = file.Next();
    const history::ChangeSetId id = store->Begin("Save", {{file.path, before, after}});
    WriteTextFileAtomically(file.path, after);
    store->MarkDone(id);
  }
}
BENCHMARK(SaveWithHistory)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2);

// As a command-line writer does it: the store opened for this one change.
void SaveOpeningTheHistory(benchmark::State& state) {
  OneFile file;
  OpenStore(file.dir / "history.sqlite");
  for (auto _ : state) {
    const std::string before = file.Current();
    const std::string& after = file.Next();
    const auto store = OpenStore(file.dir / "history.sqlite");
    const history::ChangeSetId id = store->Begin("Save", {{file.path, before, after}});
    WriteTextFileAtomically(file.path, after);
    store->MarkDone(id);
  }
}
BENCHMARK(SaveOpeningTheHistory)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2);

history::HistoryPlace PlaceIn(const test::TempDirectory& dir) {
  return {dir / "history.sqlite", dir / "history.ini"};
}

// The editor's save: the engine's plan, commit and read-back.
void EditorSave(benchmark::State& state) {
  OneFile file;
  for (auto _ : state) roster::SaveFighterFile(file.path, file.Next());
}
BENCHMARK(EditorSave)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2);

// The same save as the editor makes it with its history: the store kept
// open from the first save, the set recorded through the journal, the
// maintenance asked.
void EditorSaveRecorded(benchmark::State& state) {
  OneFile file;
  recorded::KeptHistory kept([&file] { return PlaceIn(file.dir); });
  for (auto _ : state) {
    const auto journal = kept.Current().JournalFor("Save");
    roster::SaveFighterFile(file.path, file.Next(), journal.get());
    if (!journal->Recorded()) state.SkipWithError("the save was not recorded");
    kept.Written(*journal);
  }
}
BENCHMARK(EditorSaveRecorded)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2);

// ---------------------------------------------------------------------------
// An import of 10,000 files, alternating between two tables so that every
// run changes every file

class Import {
public:
  Import() {
    for (int table = 0; table < 2; ++table) {
      const std::string source = dir_ / ("source" + IntToStr(table) + "/");
      std::filesystem::create_directories(source);
      std::vector<std::string> files;
      for (int i = 0; i < kFighters; ++i) {
        files.push_back("fighter" + IntToStr(i) + ".txt");
        test::WriteBytes(source + files.back(), Version(i, table));
      }
      test::WriteBytes(Table(table),
                       roster::ExportFiles(files, {roster::TableFormat::Csv, ',', false, source}).bytes);
    }
    Run(0);
    for (int i = 0; i < kFighters; ++i) contents_[0].push_back(test::ReadBytes(Target(i)));
    Run(1);
    for (int i = 0; i < kFighters; ++i) contents_[1].push_back(test::ReadBytes(Target(i)));
  }

  // Imports the table; false when it did not commit.
  bool Run(int table, roster::CommitJournal* journal = nullptr) {
    last_ = table;
    roster::RosterPlan plan = roster::PlanImport(Table(table), {dir_ / "roster"});
    return plan.Problems().empty() && roster::Commit(plan, {}, journal).ok();
  }
  // As the companion imports: the store opened for the command, the set
  // recorded through the journal.
  bool RunRecorded(int table) {
    recorded::WriterHistory kept = recorded::WriterHistory::Open(Place(), history::HistoryUse::On);
    const auto journal = kept.JournalFor("Import table.csv");
    const bool committed = Run(table, journal.get());
    kept.MaintainWhenDue();
    return committed && journal->Recorded();
  }
  // As the companion undoes: the newest set under the roster taken back.
  bool Undo() {
    recorded::WriterHistory kept = recorded::WriterHistory::Open(Place(), history::HistoryUse::On);
    recorded::TakeBackPlan plan = recorded::PlanUndo(*kept.store(), dir_ / "roster");
    if (plan.Refused() || !plan.plan.Problems().empty()) return false;
    const recorded::TakeBackResult result = recorded::CommitTakeBack(plan, kept);
    return result.commit.ok() && result.recorded;
  }
  std::vector<history::FileChange> Changes(int table) const {
    std::vector<history::FileChange> files;
    for (int i = 0; i < kFighters; ++i)
      files.push_back({Target(i), contents_[table ^ 1][i], contents_[table][i]});
    return files;
  }
  std::string Store() const { return dir_ / "history.sqlite"; }
  // The table the files were last imported from.
  int Last() const { return last_; }
  history::HistoryPlace Place() const { return {dir_ / "writers.sqlite", dir_ / "history.ini"}; }

private:
  std::string Table(int table) const { return dir_ / ("table" + IntToStr(table) + ".csv"); }
  std::string Target(int i) const { return dir_ / ("roster/fighter" + IntToStr(i) + ".txt"); }

  test::TempDirectory dir_;
  std::vector<std::string> contents_[2];
  int last_ = 0;
};

Import& TheImport() {
  static Import import;
  return import;
}

void ImportAlone(benchmark::State& state) {
  Import& import = TheImport();
  int table = 0;
  for (auto _ : state) {
    if (!import.Run(table)) state.SkipWithError("import failed");
    table ^= 1;
  }
}
BENCHMARK(ImportAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void ImportWithHistory(benchmark::State& state) {
  Import& import = TheImport();
  const auto store = OpenStore(import.Store());
  int table = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::vector<history::FileChange> changes = import.Changes(table);
    state.ResumeTiming();
    const history::ChangeSetId id = store->Begin("Import table.csv", changes);
    if (!import.Run(table)) state.SkipWithError("import failed");
    store->MarkDone(id);
    table ^= 1;
  }
}
BENCHMARK(ImportWithHistory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void RecordImportSet(benchmark::State& state) {
  Import& import = TheImport();
  const auto store = OpenStore(import.Store());
  int table = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::vector<history::FileChange> changes = import.Changes(table);
    state.ResumeTiming();
    store->MarkDone(store->Begin("Import table.csv", changes));
    table ^= 1;
  }
}
BENCHMARK(RecordImportSet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

void ImportRecorded(benchmark::State& state) {
  Import& import = TheImport();
  int table = 0;
  for (auto _ : state) {
    if (!import.RunRecorded(table)) state.SkipWithError("import failed");
    table ^= 1;
  }
}
BENCHMARK(ImportRecorded)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// Each undo takes back an import made just before it, untimed, which puts
// every file back as the last import left it.
void UndoImport(benchmark::State& state) {
  Import& import = TheImport();
  const int table = import.Last() ^ 1;
  for (auto _ : state) {
    state.PauseTiming();
    if (!import.RunRecorded(table)) state.SkipWithError("import failed");
    state.ResumeTiming();
    if (!import.Undo()) state.SkipWithError("undo failed");
  }
}
BENCHMARK(UndoImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// ---------------------------------------------------------------------------
// Eleven versions of 10,000 files: the store beside git

std::uintmax_t SizeBelow(const std::string& folder) {
  std::uintmax_t size = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) size += entry.file_size();
  }
  return size;
}

bool Git(const std::string& repository, const std::vector<std::string>& arguments) {
  // No gc of its own in the background, which would hold the lock when ours runs.
  std::vector<std::string> all = {"git", "-c", "gc.auto=0", "-C", repository};
  all.insert(all.end(), arguments.begin(), arguments.end());
  bench::ChildProcess git("/usr/bin/env", all,
                          {{"GIT_AUTHOR_NAME", "bench"},
                           {"GIT_AUTHOR_EMAIL", "bench@localhost"},
                           {"GIT_COMMITTER_NAME", "bench"},
                           {"GIT_COMMITTER_EMAIL", "bench@localhost"},
                           {"GIT_CONFIG_NOSYSTEM", "1"},
                           {"HOME", repository}});
  while (git.ReadLine(std::chrono::hours(1))) {
  }
  return git.Wait() == 0;
}

struct Sizes {
  double store = 0, objects = 0, whole = 0;  // KiB
};
Sizes sizes;

std::string CompareWithGit() {
  test::TempDirectory dir;
  const std::string files = dir / "roster/";
  const std::string repository = dir / "git";
  std::filesystem::create_directories(files);
  std::filesystem::create_directories(repository);
  if (!Git(repository, {"init", "-q"})) return "git could not make a repository";
  {
    const auto store = OpenStore(dir / "history.sqlite");
    std::vector<std::string> previous(kFighters);
    for (int version = 0; version < kVersions; ++version) {
      std::vector<history::FileChange> changes;
      for (int i = 0; i < kFighters; ++i) {
        const std::string name = "fighter" + IntToStr(i) + ".txt";
        const std::string bytes = Version(i, version);
        test::WriteBytes(repository + "/" + name, bytes);
        changes.push_back({files + name, version ? history::Content(previous[i]) : std::nullopt, bytes});
        previous[i] = bytes;
      }
      store->MarkDone(store->Begin(version ? "Import roster.csv" : "Import new roster.csv", changes));
      if (!Git(repository, {"add", "-A"}) ||
          !Git(repository, {"commit", "-q", "-m", "v" + IntToStr(version)}) ||
          !Git(repository, {"repack", "-d", "-q"}))  // fewer loose files on the way; gc repacks them all
        return "git could not commit";
    }
  }
  if (!Git(repository, {"gc", "--aggressive", "--prune=now", "-q"})) return "git gc failed";
  sizes.store = static_cast<double>(std::filesystem::file_size(dir / "history.sqlite")) / 1024;
  if (std::filesystem::exists(dir / "history.sqlite-wal"))
    sizes.store += static_cast<double>(std::filesystem::file_size(dir / "history.sqlite-wal")) / 1024;
  sizes.objects = static_cast<double>(SizeBelow(repository + "/.git/objects")) / 1024;
  sizes.whole = static_cast<double>(SizeBelow(repository + "/.git")) / 1024;
  return "";
}
// The size of the store beside git's for the same eleven versions; timed
// only because the benchmark library times everything.
void StoreBesideGit(benchmark::State& state) {
  for (auto _ : state) {
    if (const std::string problem = CompareWithGit(); !problem.empty()) state.SkipWithError(problem.c_str());
  }
  state.counters["store_KiB"] = sizes.store;
  state.counters["git_objects_KiB"] = sizes.objects;
}

BENCHMARK(StoreBesideGit)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// The console table as usual, and each run's mean wall time kept by name.
class Reporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        meanNs_[run.run_name.function_name] =
            run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const char* what, const std::string& measured, const std::string& baseline,
                  double goal) const {
    const auto m = meanNs_.find(measured), b = meanNs_.find(baseline);
    if (m == meanNs_.end() || b == meanNs_.end() || b->second <= 0) return;
    std::printf("%s: %.2f (%.3f ms vs %.3f ms; goal: at most %.2f)\n", what, m->second / b->second,
                m->second / 1e6, b->second / 1e6, goal);
  }

private:
  std::map<std::string, double> meanNs_;
};

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("save with history / save", "SaveWithHistory", "Save", 1.3);
  reporter.PrintRatio("save opening the history / save", "SaveOpeningTheHistory", "Save", 1.3);
  reporter.PrintRatio("editor's save with history / without", "EditorSaveRecorded", "EditorSave", 1.3);
  reporter.PrintRatio("import with history / import", "ImportWithHistory", "ImportAlone", 1.3);
  reporter.PrintRatio("companion's import with history / without", "ImportRecorded", "ImportAlone", 1.3);
  reporter.PrintRatio("undo of the import / the import with history", "UndoImport", "ImportRecorded", 1.5);
  reporter.PrintRatio("undo of the import / the import without history", "UndoImport", "ImportAlone", 1.5);
  reporter.PrintRatio("recording the import's set / import", "RecordImportSet", "ImportAlone", 0.3);
  if (const ostrak::Sizes& sizes = ostrak::sizes; sizes.objects > 0) {
    std::printf(
        "store for %d files x %d versions: %.0f KiB; git objects after gc --aggressive: %.0f KiB (whole .git "
        "%.0f KiB); store / git objects: %.2f (goal: at most 1)\n",
        ostrak::kFighters, ostrak::kVersions, sizes.store, sizes.objects, sizes.whole,
        sizes.store / sizes.objects);
  }
  benchmark::Shutdown();
  return 0;
}
