// The measurement hook: when the watch says a window is painted, and the
// line the programs print for the benchmarks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>

#include "app/FirstPaintWatcher.h"
#include "app/StartupReport.h"

namespace ostrak {
namespace {

class CountingWidget : public QWidget {
public:
  using QWidget::QWidget;
  int paints = 0;

protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

void Drain() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

TEST(FirstPaintWatcher, ReportsOnceWhenTheWindowAndEveryWidgetThatCanShowWerePainted) {
  CountingWidget window;
  window.resize(100, 60);
  auto* shown = new CountingWidget(&window);
  shown->setGeometry(10, 10, 30, 20);
  auto* nested = new CountingWidget(shown);
  nested->setGeometry(2, 2, 10, 10);
  auto* hidden = new CountingWidget(&window);
  hidden->setGeometry(50, 10, 30, 20);
  hidden->hide();
  auto* empty = new CountingWidget(&window);
  empty->setGeometry(50, 40, 0, 0);
  auto* clippedAway = new CountingWidget(&window);
  clippedAway->setGeometry(200, 200, 10, 10);

  int reports = 0;
  int paintsSeen = 0;
  auto* watcher = new FirstPaintWatcher(window, [&] {
    ++reports;
    paintsSeen = window.paints * shown->paints * nested->paints;
  });
  Drain();
  EXPECT_EQ(reports, 0) << "before the window is shown";

  window.show();
  Drain();
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(watcher->Done());
  EXPECT_GE(paintsSeen, 1) << "the window, the child and its child were painted before the report";

  window.repaint();
  Drain();
  EXPECT_EQ(reports, 1) << "later paints report nothing";
}

TEST(FirstPaintWatcher, WaitsForAWidgetLeftOutOfTheFirstPass) {
  CountingWidget window;
  window.resize(100, 60);
  auto* late = new CountingWidget(&window);
  late->setGeometry(10, 10, 30, 20);
  late->setUpdatesEnabled(false);
  bool reported = false;
  new FirstPaintWatcher(window, [&] { reported = true; });
  window.show();
  Drain();
  ASSERT_GE(window.paints, 1);
  ASSERT_EQ(late->paints, 0);
  EXPECT_FALSE(reported);
  late->setUpdatesEnabled(true);
  Drain();
  EXPECT_EQ(late->paints, 1);
  EXPECT_TRUE(reported);
}

TEST(FirstPaintWatcher, AnotherWindowsPaintsDoNotCount) {
  QWidget window;
  window.resize(50, 50);
  QWidget other;
  other.resize(50, 50);
  bool reported = false;
  new FirstPaintWatcher(window, [&] { reported = true; });
  other.show();
  Drain();
  EXPECT_FALSE(reported);
  window.show();
  Drain();
  EXPECT_TRUE(reported);
}

TEST(StartupReport, TheLineReadsBackAndAnythingElseIsRefused) {
  const FirstPaintReport report{1234567890123, 31337, 45678901};
  const std::string line = FormatFirstPaintReport(report);
  EXPECT_EQ(line, "first-paint 1234567890123 31337 45678901\n");
  const auto parsed = ParseFirstPaintReport(line);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->monotonicNanoseconds, report.monotonicNanoseconds);
  EXPECT_EQ(parsed->residentKibibytes, report.residentKibibytes);
  EXPECT_EQ(parsed->cpuNanoseconds, report.cpuNanoseconds);
  EXPECT_TRUE(ParseFirstPaintReport("first-paint 1 2 3"));
  for (const char* wrong : {"", "first-paint", "first-paint 1 2", "first-paint 1 2 3 4", "first-paint x 2 3",
                            "first-paint 1 2 3x", "painted 1 2 3", "Qt warning: first-paint 1 2 3"}) {
    EXPECT_FALSE(ParseFirstPaintReport(wrong)) << '"' << wrong << '"';
  }
}

TEST(StartupReport, TheProcessKnowsItsMemoryAndCpuTime) {
  EXPECT_GT(ResidentKibibytes(), 0);
  EXPECT_GT(ProcessCpuNanoseconds(), 0);
  EXPECT_GT(MonotonicNanoseconds(), 0);
}

}  // namespace
}  // namespace ostrak
