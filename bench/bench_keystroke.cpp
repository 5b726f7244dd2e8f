// One digit typed into a spin box to its record line updated and the box
// repainted, beside the same keystroke into a stock QSpinBox whose change
// writes its line into a list. Two keystrokes: "2" typed after "1" (the
// editor's box turns from red to black: its colour band changes) and "5"
// typed over a selected "1" (the band stays red). Each run starts from "1"
// (untimed); the digit is a real key press and release, and the box is then
// repainted at once (QWidget::repaint), so what is timed is the painting
// itself, not a queued request. Goal: at most 1.0x the stock box.

#include <benchmark/benchmark.h>

#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <vector>

#include "peers/StockEditor.h"
#include "platform/ErrorGuard.h"
#include "platform/ProgramDirectory.h"
#include "support/EventWaits.h"
#include "support/ScriptedDialogs.h"
#include "support/Stopwatch.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace ostrak::bench {
namespace {

struct Keystroke {
  bool overSelection;  // else after the caret at the end
  char digit;
  const char* shows;
};

constexpr Keystroke kNewBand{false, '2', "12"};
constexpr Keystroke kSameBand{true, '5', "5"};

// What is timed, apart so a profiler can single it out.
[[gnu::noinline]] void TypeAndRepaint(QWidget& box, char digit) {
  QTest::keyClick(&box, digit);
  box.repaint();
}

// `reset` puts back "1" before each run, `shown` reads the box's text and
// `line` its record line.
template <typename Box, typename Reset, typename Shown, typename Line>
void TypeDigit(benchmark::State& state, const Keystroke& keystroke, Box& box, Reset reset, Shown shown,
               Line line) {
  // Focus arrives asynchronously from a window system; it must not arrive
  // in the middle of a run (it would select the text).
  box.window()->activateWindow();
  box.setFocus();
  if (!ProcessEventsUntil([&] { return box.hasFocus() && box.window()->isActiveWindow(); },
                          std::chrono::seconds(5))) {
    state.SkipWithError("the box did not get the focus");
  }
  const auto prepare = [&] {
    reset();
    if (keystroke.overSelection) {
      box.selectAll();
    } else {
      QTest::keyClick(&box, Qt::Key_End);
    }
    QCoreApplication::processEvents();
  };
  // The first keystroke fills Qt's caches (glyphs, text shaping, key
  // bindings); it is not counted.
  prepare();
  QTest::keyClick(&box, keystroke.digit);
  box.repaint();
  Stopwatch stopwatch(state);
  for (auto _ : state) {
    prepare();
    stopwatch.Start();
    TypeAndRepaint(box, keystroke.digit);
    stopwatch.Stop();
    if (shown() != QLatin1String(keystroke.shows) || line() != keystroke.shows) {
      state.SkipWithError("the digit did not reach the record line");
      break;
    }
  }
}

void EditorSpinBox(benchmark::State& state, const Keystroke& keystroke) {
  test::ScriptedDialogs dialogs;
  ScopedErrorCapture errors;
  TForm1 editor(dialogs, ProgramDirectory());
  new TForm2(editor);  // the editor owns it and shows it on Evaluate
  if (!ShowAndWaitPainted(editor)) state.SkipWithError("the editor was not painted");
  TSpinEdit& box = *editor.spPunch;
  TypeDigit(
      state, keystroke, box, [&] { box.SetValue(1); }, [&] { return box.Text(); },
      [&] { return editor.Record()->Lines().Get(box.Tag()); });
  if (!errors.messages().empty()) state.SkipWithError(errors.messages().front().c_str());
}
BENCHMARK_CAPTURE(EditorSpinBox, new_band, kNewBand)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EditorSpinBox, same_band, kSameBand)->UseManualTime()->Unit(benchmark::kMicrosecond);

void StockSpinBox(benchmark::State& state, const Keystroke& keystroke) {
  StockEditor editor;
  if (!ShowAndWaitPainted(editor)) state.SkipWithError("the stock window was not painted");
  QSpinBox& box = *editor.SpinBoxes().front();
  // The stock peer of the record: one line per box, written on every change.
  std::vector<std::string> lines(28);
  constexpr int kLine = 8;
  QObject::connect(&box, &QSpinBox::valueChanged, [&](int value) { lines[kLine] = std::to_string(value); });
  TypeDigit(
      state, keystroke, box, [&] { box.setValue(1); }, [&] { return box.text(); },
      [&] { return lines[kLine]; });
}
BENCHMARK_CAPTURE(StockSpinBox, new_band, kNewBand)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StockSpinBox, same_band, kSameBand)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrak::bench
