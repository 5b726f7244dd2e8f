// The roster window on a folder of 10,000 fighter files, each figure beside
// a peer in the same run: every row shown beside the whole process of
// `ostrak-fighter ratings --format csv` on the same files; the first screen
// of rows beside a stock QFileSystemModel listing the folder; a sort by a
// rating, one filter keystroke, the duplicates view turned on and a repaint of a full page beside stock
// views holding the same texts (a QTableWidget; for the filter a
// QSortFilterProxyModel); resident memory per fighter above the empty window
// beside a QTableWidget holding the same texts, each measured in a process
// of its own. Every timed stretch ends with the view repainted at once.
// A cell edited, its file written and its row shown again, beside a stock
// table's cell set after a QSaveFile of the same file. "Set for selected…"
// on every row, applied and previewed, beside the companion's import of a
// table with the same change and its --dry-run.
// Goals: 1.5x the companion, 200 ms, 30 ms for each of the sort, the filter,
// the duplicates and the cell edit, 2 KiB, 1.0x.

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "SampleFighter.h"
#include "core/IntToStr.h"
#include "platform/ProgramDirectory.h"
#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/RosterRows.h"
#include "support/BenchArguments.h"
#include "support/ChildProcess.h"
#include "support/EventWaits.h"
#include "support/ScriptedDialogs.h"
#include "support/Stopwatch.h"
#include "support/TempDirectory.h"
#include "support/TestEnvironment.h"
#include "tools/ToolRunner.h"
#include "ui/Unit1.h"
#include "ui/roster/BulkSetDialog.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::bench {
namespace {

constexpr int kFighters = 10000;
constexpr std::chrono::seconds kLimit{120};
const QSize kWindowSize(1200, 800);

// The folder, written once per process; the files are fighter0.txt and on.
// One fighter in 50 takes the Sherdog ID of the one before it, and one in
// 50 its full name (the date of birth is everyone's): a roster gathered from
// several places, with duplicates for the duplicates view to find.
class Folder {
public:
  Folder() {
    std::filesystem::create_directory(directory_ / "roster");
    for (int i = 0; i < kFighters; ++i) {
      names_.push_back("fighter" + IntToStr(i) + ".txt");
      FighterRecord record = SampleFighter(i);
      const int copied = i % 50 == 1    ? LineOf(FighterField::SherdogId)
                         : i % 50 == 26 ? LineOf(FighterField::FullName)
                                        : -1;
      if (copied >= 0) record.Lines().Put(copied, SampleFighter(i - 1).Lines().Get(copied));
      test::WriteBytes(Path() + names_.back(), record.Lines().Text());
    }
  }
  std::string Path() const { return directory_ / "roster/"; }
  const test::TempDirectory& Directory() const { return directory_; }
  const std::vector<std::string>& Names() const { return names_; }

private:
  test::TempDirectory directory_;
  std::vector<std::string> names_;
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

// The editor and its roster window, as the program makes them.
class Roster {
public:
  Roster()
      : editor_(dialogs_, ProgramDirectory()), window_(editor_, dialogs_, roster::SetupFromEditor(editor_)) {
    window_.resize(kWindowSize);
    ShowAndWaitPainted(window_);
  }

  roster::RosterWindow& Window() { return window_; }

  // Opens the folder and waits until `done` holds; false when it never does.
  bool Open(const std::function<bool()>& done) {
    bool loaded = false;
    const QMetaObject::Connection connection =
        QObject::connect(&window_, &roster::RosterWindow::LoadingFinished, [&] { loaded = true; });
    window_.OpenFolder(QString::fromStdString(TheFolder().Path()));
    const bool ok = ProcessEventsUntil([&] { return done ? done() : loaded; }, kLimit);
    // The rest of the reading is not part of this run.
    ProcessEventsUntil([&] { return loaded; }, kLimit);
    QObject::disconnect(connection);
    return ok;
  }

  int VisibleRows() {
    QTableView& table = window_.Table();
    return table.viewport()->height() / table.verticalHeader()->defaultSectionSize() + 1;
  }

private:
  test::ScriptedDialogs dialogs_;
  TForm1 editor_;
  roster::RosterWindow window_;
};

// Whatever a closed window left for later is gone before the next run.
void SettleDeleted() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

Roster& LoadedRoster() {
  static Roster* roster = [] {
    auto* made = new Roster;  // lives until the process ends, as the windows do
    made->Open({});
    return made;
  }();
  return *roster;
}

// What the roster table shows, row by row, for the stock views.
std::vector<QStringList> ShownTexts(roster::RosterModel& model) {
  std::vector<QStringList> rows;
  for (int row = 0; row < model.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
      cells << model.Text(model.RowAt(row), column);
    rows.push_back(cells);
  }
  return rows;
}

QStringList Headers(roster::RosterModel& model) {
  QStringList headers;
  for (int column = 0; column < model.columnCount(); ++column) {
    headers << model.headerData(column, Qt::Horizontal).toString();
  }
  return headers;
}

void FillTableWidget(QTableWidget& table, const std::vector<QStringList>& rows, const QStringList& headers) {
  table.setColumnCount(static_cast<int>(headers.size()));
  table.setHorizontalHeaderLabels(headers);
  table.setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
      table.setItem(row, column, new QTableWidgetItem(rows[static_cast<std::size_t>(row)][column]));
    }
  }
}

// A stock table with the roster's texts, its columns as wide as the roster's.
class StockTable {
public:
  StockTable() {
    roster::RosterWindow& window = LoadedRoster().Window();
    FillTableWidget(table_, ShownTexts(window.Model()), Headers(window.Model()));
    table_.verticalHeader()->hide();
    table_.verticalHeader()->setDefaultSectionSize(window.Table().verticalHeader()->defaultSectionSize());
    for (int column = 0; column < table_.columnCount(); ++column) {
      table_.setColumnWidth(column, window.Table().columnWidth(column));
    }
    table_.resize(window.Table().size());
    ShowAndWaitPainted(table_);
  }
  QTableWidget& Table() { return table_; }

private:
  QTableWidget table_;
};

StockTable& TheStockTable() {
  static auto* table = new StockTable;
  return *table;
}

// The companion's processor time, user and system, as its waits account it.
double ChildrenCpuMicroseconds() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  const auto us = [](const timeval& time) { return static_cast<double>(time.tv_sec) * 1e6 + time.tv_usec; };
  return us(usage.ru_utime) + us(usage.ru_stime);
}

void CompanionRatings(benchmark::State& state) {
  std::vector<std::string> arguments = {"ratings", "--format", "csv"};
  for (const std::string& name : TheFolder().Names()) arguments.push_back("roster/" + name);
  const double before = ChildrenCpuMicroseconds();
  for (auto _ : state) {
    if (test::RunTool(TheFolder().Directory(), arguments).status != 0) state.SkipWithError("ratings failed");
  }
  state.counters["cpu_us"] =
      benchmark::Counter(ChildrenCpuMicroseconds() - before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(CompanionRatings)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A new window each time, as when the roster window first opens.
void LastRowShown(benchmark::State& state) {
  Stopwatch watch(state);
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<Roster> roster(std::in_place);
    state.ResumeTiming();
    watch.Start();
    if (!roster->Open({})) state.SkipWithError("the folder was not read");
    roster->Window().Table().viewport()->repaint();
    watch.Stop();
    state.counters["rows"] = roster->Window().Model().TotalCount();
    state.PauseTiming();
    roster.reset();
    SettleDeleted();
    state.ResumeTiming();
  }
}
BENCHMARK(LastRowShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void FirstScreen(benchmark::State& state) {
  Roster roster;
  const int page = roster.VisibleRows();
  Stopwatch watch(state);
  for (auto _ : state) {
    bool shown = false;
    watch.Start();
    const bool ok = roster.Open([&] {
      if (shown || roster.Window().Model().rowCount() < page) return shown;
      roster.Window().Table().viewport()->repaint();
      watch.Stop();
      return shown = true;
    });
    if (!ok) state.SkipWithError("no first screen");
  }
}
BENCHMARK(FirstScreen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void StockFolderFirstScreen(benchmark::State& state) {
  const int page = LoadedRoster().VisibleRows();
  Stopwatch watch(state);
  for (auto _ : state) {
    QFileSystemModel model;
    QTreeView view;
    view.resize(kWindowSize);
    view.setModel(&model);
    ShowAndWaitPainted(view);
    watch.Start();
    const QModelIndex root = model.setRootPath(QString::fromStdString(TheFolder().Path()));
    view.setRootIndex(root);
    if (!ProcessEventsUntil([&] { return model.rowCount(root) >= page; }, kLimit))
      state.SkipWithError("no rows");
    view.viewport()->repaint();
    watch.Stop();
  }
}
BENCHMARK(StockFolderFirstScreen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void SortByRating(benchmark::State& state) {
  roster::RosterWindow& window = LoadedRoster().Window();
  QHeaderView* header = window.Table().horizontalHeader();
  Qt::SortOrder order = Qt::DescendingOrder;
  Stopwatch watch(state);
  for (auto _ : state) {
    watch.Start();
    header->setSortIndicator(roster::RosterModel::LastRating, order);
    window.Table().viewport()->repaint();
    watch.Stop();
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
  header->setSortIndicator(roster::RosterModel::File, Qt::AscendingOrder);
}
BENCHMARK(SortByRating)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void StockSortByRating(benchmark::State& state) {
  QTableWidget& table = TheStockTable().Table();
  Qt::SortOrder order = Qt::DescendingOrder;
  Stopwatch watch(state);
  for (auto _ : state) {
    watch.Start();
    table.sortItems(roster::RosterModel::LastRating, order);
    table.viewport()->repaint();
    watch.Stop();
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
  table.sortItems(roster::RosterModel::File, Qt::AscendingOrder);
}
BENCHMARK(StockSortByRating)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void FilterKeystroke(benchmark::State& state) {
  roster::RosterWindow& window = LoadedRoster().Window();
  QLineEdit& filter = window.Filter();
  filter.clear();
  window.ApplyFilterNow();
  // The typing pause the filter waits for follows its last pass: one pass first.
  QTest::keyClick(&filter, '7');
  window.ApplyFilterNow();
  bool applied = false;
  const auto connection =
      QObject::connect(&window, &roster::RosterWindow::FilterApplied, [&] { applied = true; });
  Stopwatch watch(state);
  for (auto _ : state) {
    filter.clear();
    window.ApplyFilterNow();
    applied = false;
    watch.Start();
    QTest::keyClick(&filter, '7');
    if (!ProcessEventsUntil([&] { return applied; }, kLimit)) state.SkipWithError("the filter did not apply");
    window.Table().viewport()->repaint();
    watch.Stop();
  }
  state.counters["rows"] = window.Model().rowCount();
  QObject::disconnect(connection);
  filter.clear();
  window.ApplyFilterNow();
}
BENCHMARK(FilterKeystroke)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The duplicates view turned on: the rows whose keys another row shares
// grouped (two rows in 50 of them, 1 in 50 for an ID and 1 in 50 for a name
// and date), the table narrowed to the groups and repainted; the same peer
// as a keystroke's.
void DuplicatesShown(benchmark::State& state) {
  roster::RosterWindow& window = LoadedRoster().Window();
  roster::DuplicatesView& duplicates = window.Duplicates();
  Stopwatch watch(state);
  for (auto _ : state) {
    duplicates.SetOn(false);
    watch.Start();
    duplicates.SetOn(true);
    window.Table().viewport()->repaint();
    watch.Stop();
  }
  state.counters["rows"] = window.Model().rowCount();
  if (window.Model().rowCount() == 0) state.SkipWithError("the duplicates view found no groups");
  duplicates.SetOn(false);
}
BENCHMARK(DuplicatesShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void StockFilterKeystroke(benchmark::State& state) {
  roster::RosterWindow& window = LoadedRoster().Window();
  const std::vector<QStringList> rows = ShownTexts(window.Model());
  QStandardItemModel model(static_cast<int>(rows.size()), window.Model().columnCount());
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < model.columnCount(); ++column) {
      model.setItem(row, column, new QStandardItem(rows[static_cast<std::size_t>(row)][column]));
    }
  }
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  proxy.setFilterKeyColumn(roster::RosterModel::FullName);
  proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
  QWidget host;
  QLineEdit filter(&host);
  QTableView view(&host);
  view.setGeometry(0, 30, kWindowSize.width(), kWindowSize.height() - 30);
  view.setModel(&proxy);
  QObject::connect(&filter, &QLineEdit::textChanged, &proxy, &QSortFilterProxyModel::setFilterFixedString);
  host.resize(kWindowSize);
  ShowAndWaitPainted(host);
  Stopwatch watch(state);
  for (auto _ : state) {
    filter.clear();
    watch.Start();
    QTest::keyClick(&filter, '7');
    view.viewport()->repaint();
    watch.Stop();
  }
  state.counters["rows"] = proxy.rowCount();
}
BENCHMARK(StockFilterKeystroke)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void RepaintPage(benchmark::State& state) {
  QTableView& table = LoadedRoster().Window().Table();
  table.scrollToTop();
  Stopwatch watch(state);
  for (auto _ : state) {
    watch.Start();
    table.viewport()->repaint();
    watch.Stop();
  }
}
BENCHMARK(RepaintPage)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);

void StockRepaintPage(benchmark::State& state) {
  QTableWidget& table = TheStockTable().Table();
  table.scrollToTop();
  Stopwatch watch(state);
  for (auto _ : state) {
    watch.Start();
    table.viewport()->repaint();
    watch.Stop();
  }
}
BENCHMARK(StockRepaintPage)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);

// A bulk change of every fighter's weight class: "Set for selected…" on every
// row (its Apply: plan, preview rows, commit; its Preview: plan and preview
// rows), beside `ostrak-fighter import` of a table that makes the same
// change (and its --dry-run). Each run changes every file: the weight
// class alternates between two items, the table between two tables.
class BulkTables {
public:
  BulkTables() {
    for (const int code : {2, 3, 4}) {
      std::string table;
      roster::AppendCsvHeader(table);
      for (int i = 0; i < kFighters; ++i) {
        TStringList lines = SampleFighter(i).Lines();
        lines.Put(LineOf(FighterField::WeightClass), IntToStr(code));
        roster::AppendCsvRow(table, "roster/" + TheFolder().Names()[static_cast<std::size_t>(i)], lines);
      }
      test::WriteBytes(TheFolder().Directory() / ("weight" + IntToStr(code) + ".csv"), table);
    }
  }
  static std::string Table(int code) { return "weight" + IntToStr(code) + ".csv"; }
};

void MakeTables() { static BulkTables tables; }

int NextCode(int code) { return code == 4 ? 3 : 4; }

void CompanionImport(benchmark::State& state, bool dryRun) {
  MakeTables();
  // Every file starts elsewhere than the first table puts it.
  test::RunTool(TheFolder().Directory(), {"import", BulkTables::Table(2)});
  int code = 3;
  for (auto _ : state) {
    code = dryRun ? 4 : NextCode(code);
    std::vector<std::string> arguments = {"import"};
    if (dryRun) arguments.push_back("--dry-run");
    arguments.push_back(BulkTables::Table(code));
    if (test::RunTool(TheFolder().Directory(), arguments).status != 0) state.SkipWithError("import failed");
  }
}
BENCHMARK_CAPTURE(CompanionImport, apply, false)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK_CAPTURE(CompanionImport, dry_run, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void SetForAll(benchmark::State& state, bool apply) {
  roster::RosterWindow& window = LoadedRoster().Window();
  std::vector<std::string> files = TheFolder().Names();
  int code = 3;  // as the imports left every file
  Stopwatch watch(state);
  for (auto _ : state) {
    code = NextCode(code);
    roster::BulkSetDialog dialog(TheFolder().Path(), {{"all", files}}, window.Model(),
                                 roster::Threading::Inline, nullptr);
    dialog.Field().setCurrentIndex(dialog.Field().findText(
        window.Model().headerData(roster::RosterModel::WeightClass, Qt::Horizontal).toString()));
    dialog.Item().setCurrentIndex(WeightClassIndexFromCode(code));
    bool applied = false;
    QObject::connect(&dialog, &roster::BulkSetDialog::Applied, [&](bool written) { applied = written; });
    watch.Start();
    if (apply) {
      dialog.RunApply();
    } else {
      dialog.RunPreview();
    }
    watch.Stop();
    if (apply ? !applied : dialog.Preview().ShownCount() != kFighters)
      state.SkipWithError("the change failed");
    if (!apply) code = 4;
  }
}
BENCHMARK_CAPTURE(SetForAll, apply, true)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK_CAPTURE(SetForAll, preview, false)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// A cell edited on the row at the middle of the roster, its file written
// through the engine and its row shown again, beside a stock table whose
// cell is set after the same bytes are saved with QSaveFile.
void CellEdit(benchmark::State& state) {
  roster::RosterWindow& window = LoadedRoster().Window();
  roster::RosterModel& model = window.Model();
  const std::string file = TheFolder().Names()[kFighters / 2];
  const int column = roster::RosterModel::FirstAttribute + 1;
  // The rows show the files as the runs before left them: an edit of a row
  // older than its file is refused, as it should be.
  bool applied = false;
  const auto connection =
      QObject::connect(&window, &roster::RosterWindow::ChangesApplied, [&] { applied = true; });
  window.RescanNow();
  ProcessEventsUntil([&] { return applied; }, kLimit);
  QObject::disconnect(connection);
  int value = 11;
  Stopwatch watch(state);
  for (auto _ : state) {
    const int row = model.RowOfFile(file);
    value = value == 11 ? 12 : 11;
    const QString before = model.index(row, column).data().toString();
    watch.Start();
    window.CommitCell(model.index(row, column), value);
    window.Table().viewport()->repaint();
    watch.Stop();
    if (model.index(model.RowOfFile(file), column).data().toString() == before)
      state.SkipWithError("the cell was not written");
  }
}
BENCHMARK(CellEdit)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void StockCellEdit(benchmark::State& state) {
  QTableWidget& table = TheStockTable().Table();
  const std::string path = TheFolder().Path() + TheFolder().Names()[kFighters / 2];
  const std::string bytes = test::ReadBytes(path);
  const int row = kFighters / 2;
  const int column = roster::RosterModel::FirstAttribute + 1;
  int value = 11;
  Stopwatch watch(state);
  for (auto _ : state) {
    value = value == 11 ? 12 : 11;
    watch.Start();
    QSaveFile out(QString::fromStdString(path));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
        !out.commit()) {
      state.SkipWithError("the file was not written");
    }
    table.item(row, column)->setText(QString::number(value));
    table.viewport()->repaint();
    watch.Stop();
  }
}
BENCHMARK(StockCellEdit)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// --- Resident memory, each in a process of its own --------------------------

double ResidentKiB() {
  ::malloc_trim(0);
  long pages = 0;
  long resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1024;
}

// Prints the resident memory of the empty window and of the loaded one.
int MeasureMemory(const std::string& which) {
  std::optional<Roster> roster;
  std::optional<QTableWidget> stock;
  std::vector<QStringList> rows;
  QStringList headers;
  if (which == "stock") {
    // The texts are worked out first, in a roster window that then goes.
    {
      Roster reader;
      reader.Open({});
      rows = ShownTexts(reader.Window().Model());
      headers = Headers(reader.Window().Model());
    }
    stock.emplace();
    stock->resize(kWindowSize);
    ShowAndWaitPainted(*stock);
  } else {
    roster.emplace();
  }
  const double empty = ResidentKiB();
  if (stock) {
    FillTableWidget(*stock, rows, headers);
    rows.clear();
    rows.shrink_to_fit();
    stock->viewport()->repaint();
  } else if (!roster->Open({})) {
    return 1;
  } else {
    roster->Window().Table().viewport()->repaint();
  }
  std::printf("%.0f %.0f\n", empty, ResidentKiB());
  return 0;
}

void MemoryPerFighter(benchmark::State& state, const char* which) {
  for (auto _ : state) {
    ChildProcess child("/proc/self/exe", {"--memory=" + std::string(which)}, {});
    const std::optional<std::string> line = child.ReadLine(std::chrono::minutes(5));
    double empty = 0;
    double loaded = 0;
    if (!line || std::sscanf(line->c_str(), "%lf %lf", &empty, &loaded) != 2 || child.Wait() != 0) {
      state.SkipWithError("the measuring process failed");
      continue;
    }
    state.SetIterationTime(1);
    state.counters["empty_kib"] = empty;
    state.counters["bytes_per_fighter"] = (loaded - empty) * 1024 / kFighters;
  }
}
BENCHMARK_CAPTURE(MemoryPerFighter, roster, "roster")->UseManualTime()->Iterations(1);
BENCHMARK_CAPTURE(MemoryPerFighter, stock, "stock")->UseManualTime()->Iterations(1);

// --- The figures, as ratios -------------------------------------------------

class Summary : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations == 0 || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      ms_[name] = run.GetAdjustedRealTime() * (run.time_unit == benchmark::kMicrosecond ? 1e-3 : 1);
      for (const auto& [counter, value] : run.counters) counters_[name + "." + counter] = value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Print() const {
    const auto ms = [&](const std::string& name) { return ms_.contains(name) ? ms_.at(name) : 0.0; };
    const auto cpu = [&](const std::string& name) {
      return counters_.contains(name + ".cpu_us") ? counters_.at(name + ".cpu_us") / 1e3 : 0.0;
    };
    // Wall time is what the goals speak of; processor time (all threads,
    // user and system) is what another program's load stretches far less.
    const auto line = [&](const char* what, const std::string& mine, const std::string& peer,
                          const char* goal) {
      if (ms(mine) > 0 && ms(peer) > 0) {
        std::printf(
            "%-40s %9.3f ms vs %9.3f ms  ratio %.2f  goal %-9s  cpu %8.3f ms vs %8.3f ms  ratio %.2f\n", what,
            ms(mine), ms(peer), ms(mine) / ms(peer), goal, cpu(mine), cpu(peer),
            cpu(peer) > 0 ? cpu(mine) / cpu(peer) : 0.0);
      }
    };
    std::printf("\n");
    line("every row shown / ratings --format csv", "LastRowShown/iterations:5/manual_time",
         "CompanionRatings/iterations:5/real_time", "<= 1.5");
    line("first screen / stock folder listing", "FirstScreen/iterations:10/manual_time",
         "StockFolderFirstScreen/iterations:10/manual_time", "<= 200 ms");
    line("sort by a rating / stock table", "SortByRating/iterations:20/manual_time",
         "StockSortByRating/iterations:20/manual_time", "<= 30 ms");
    line("filter keystroke / stock proxy", "FilterKeystroke/iterations:20/manual_time",
         "StockFilterKeystroke/iterations:20/manual_time", "<= 30 ms");
    line("duplicates shown / stock proxy", "DuplicatesShown/iterations:20/manual_time",
         "StockFilterKeystroke/iterations:20/manual_time", "<= 30 ms");
    line("set for all: apply / import", "SetForAll/apply/iterations:2/manual_time",
         "CompanionImport/apply/iterations:2/real_time", "<= 1.3");
    line("set for all: preview / import --dry-run", "SetForAll/preview/iterations:3/manual_time",
         "CompanionImport/dry_run/iterations:3/real_time", "<= 1.0");
    line("cell edit shown again / stock save", "CellEdit/iterations:20/manual_time",
         "StockCellEdit/iterations:20/manual_time", "<= 30 ms");
    line("repaint a page / stock table", "RepaintPage/iterations:200/manual_time",
         "StockRepaintPage/iterations:200/manual_time", "<= 1.0");
    const auto counter = [&](const std::string& name) {
      return counters_.contains(name) ? counters_.at(name) : 0.0;
    };
    const double mine = counter("MemoryPerFighter/roster/iterations:1/manual_time.bytes_per_fighter");
    const double peer = counter("MemoryPerFighter/stock/iterations:1/manual_time.bytes_per_fighter");
    if (mine > 0 && peer > 0) {
      std::printf("%-40s %9.0f B  vs %9.0f B   ratio %.2f  goal <= 2048 B\n", "resident memory per fighter",
                  mine, peer, mine / peer);
    }
  }

private:
  std::map<std::string, double> ms_;
  std::map<std::string, double> counters_;
};

}  // namespace
}  // namespace ostrak::bench

int main(int argc, char** argv) {
  using namespace ostrak::bench;
  BenchArguments arguments(argc, argv, {});
  std::string memory;
  for (const char* which : {"roster", "stock"}) {
    if (arguments.Take(std::string("--memory=") + which)) memory = which;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The remembered folder and the history of the edits go to scratch
  // folders, not the user's.
  ostrak::test::TempDirectory config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
  ostrak::test::TempDirectory data;
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
  QApplication application(arguments.Count(), arguments.Values());
  ostrak::test::PrepareApplication();
  if (!memory.empty()) return MeasureMemory(memory);

  benchmark::Initialize(&arguments.Count(), arguments.Values());
  if (benchmark::ReportUnrecognizedArguments(arguments.Count(), arguments.Values())) return 1;
  TheFolder();  // written before anything is timed
  Summary summary;
  benchmark::RunSpecifiedBenchmarks(&summary);
  summary.Print();
  benchmark::Shutdown();
  return 0;
}
