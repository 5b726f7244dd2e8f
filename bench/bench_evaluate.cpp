// Evaluate pressed to the evaluation window fully painted, beside a stock
// dialog with six QProgressBars of the same size, places and captions shown
// by a stock push button. Each run starts with the window hidden and nothing
// queued (untimed), presses the button with a real mouse click and ends when
// the window and every widget in it have been painted, judged as the
// start-up report judges it. Goal: at most 1.0x the stock dialog.

#include <benchmark/benchmark.h>

#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <memory>

#include "app/FirstPaintWatcher.h"
#include "peers/StockEditor.h"
#include "platform/ErrorGuard.h"
#include "platform/ProgramDirectory.h"
#include "record/FighterLayout.h"
#include "support/EventWaits.h"
#include "support/ScriptedDialogs.h"
#include "support/Stopwatch.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace ostrak::bench {
namespace {

// A fighter of mixed ratings, in the order of the attribute fields.
constexpr int kSample[] = {14, 12, 9, 16, 11, 7, 18, 10, 13, 8, 15, 6, 17, 12, 9, 14, 11, 10};

// What is timed, apart so a profiler can single it out: the click, then the
// event loop until the watch sees the window painted.
[[gnu::noinline]] bool ClickUntilPainted(QWidget& button, const FirstPaintWatcher& watcher) {
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
  return ProcessEventsUntil([&] { return watcher.Done(); }, std::chrono::seconds(5));
}

void PressUntilPainted(benchmark::State& state, QWidget& button, QWidget& window) {
  // The first showing fills Qt's caches and places the window; it is not
  // counted.
  {
    const FirstPaintWatcher watcher(window, nullptr);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    if (!ProcessEventsUntil([&] { return watcher.Done(); }, std::chrono::seconds(5))) {
      state.SkipWithError("the window was not painted");
    }
  }
  Stopwatch stopwatch(state);
  for (auto _ : state) {
    if (!SettleHidden(window)) {
      state.SkipWithError("the window did not hide");
      break;
    }
    const auto watcher = std::make_unique<FirstPaintWatcher>(window, nullptr);
    stopwatch.Start();
    const bool painted = ClickUntilPainted(button, *watcher);
    stopwatch.Stop();
    if (!painted) {
      state.SkipWithError("the window was not painted");
      break;
    }
  }
}

void EditorEvaluate(benchmark::State& state) {
  test::ScriptedDialogs dialogs;
  ScopedErrorCapture errors;
  TForm1 editor(dialogs, ProgramDirectory());
  auto* evaluation = new TForm2(editor);
  if (!ShowAndWaitPainted(editor)) state.SkipWithError("the editor was not painted");
  for (std::size_t i = 0; i < kAttributeFields.size(); ++i)
    editor.AttributeBox(kAttributeFields[i]).SetValue(kSample[i]);
  PressUntilPainted(state, *editor.NavPanelButton5, *evaluation);
  if (!errors.messages().empty()) state.SkipWithError(errors.messages().front().c_str());
  if (evaluation->gGround->Caption() == QStringLiteral("Ground"))
    state.SkipWithError("the bars were not captioned");
}
BENCHMARK(EditorEvaluate)->UseManualTime()->Unit(benchmark::kMicrosecond);

void StockDialog(benchmark::State& state) {
  StockEditor editor;
  auto* evaluation = new StockEvaluation(editor);
  if (!ShowAndWaitPainted(editor)) state.SkipWithError("the stock window was not painted");
  for (std::size_t i = 0; i < editor.SpinBoxes().size(); ++i) editor.SpinBoxes()[i]->setValue(kSample[i]);
  PressUntilPainted(state, *editor.EvaluateButton(), *evaluation);
  if (evaluation->Bars()[0]->text().isEmpty()) state.SkipWithError("the bars were not captioned");
}
BENCHMARK(StockDialog)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrak::bench
