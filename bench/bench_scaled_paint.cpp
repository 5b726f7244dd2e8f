// One paint of each self-drawn control of the editor's windows at device
// pixel ratio 2 beside the same paint at ratio 1, in the same run: the
// evaluation window's rating bar, the save button and an attribute spin box,
// each rendered through Qt (its paintEvent, as a window's backing store asks
// for it) into an image of the ratio. Ratio 2 has four times the pixels;
// the goal is at most 4.5 times the time of ratio 1.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPalette>
#include <QWidget>

#include "platform/Fonts.h"
#include "ui/Unit2.h"
#include "widgets/gradient/GradientProgress.h"
#include "widgets/navigation/NavigationPane.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

// The first paint fills Qt's caches (glyphs at the size of the ratio) and
// the control's own (the composed bar, the bevel); it is not counted.
void Paint(benchmark::State& state, QWidget& control) {
  const int ratio = static_cast<int>(state.range(0));
  QImage image(control.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  control.render(&image);
  for (auto _ : state) {
    control.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// A window of the given background with the control on it, as the editor
// places it.
struct Window {
  explicit Window(QColor background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    widget.setPalette(palette);
  }
  QWidget widget;
};

void EvaluationBar(benchmark::State& state) {
  Window window(Qt::black);
  TGradientProgress bar(&window.widget);
  bar.SetBounds(0, 0, 276, 20);
  ApplyEvaluationBarConfiguration(bar, clRed, clYellow);
  bar.Gradient().SetPercentFilling(85);
  bar.SetCaption(QStringLiteral("Mental 85%%"));
  Paint(state, bar);
}

void NavigationButton(benchmark::State& state) {
  Window window(Qt::black);
  TNavPanelButton button(&window.widget);
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(QStringLiteral("Guardar Luchador"));
  button.SetFont(TahomaBoldFont());
  button.SetHotTrackFont(TahomaBoldFont());
  Paint(state, button);
}

void SpinBox(benchmark::State& state) {
  Window window(Qt::lightGray);
  TSpinEdit box(&window.widget);
  box.BeginLoading();
  box.SetBounds(0, 0, 65, 21);
  box.SetFont(TahomaBoldFont());
  box.SetBorderStyle(TBorderStyle::bsNone);
  box.SetBevelKind(TBevelKind::bkSoft);
  ApplyEditorAttributeConfiguration(box);
  box.EndLoading();
  box.SetValue(16);
  box.Font().SetColor(clGreen);
  window.widget.show();
  Paint(state, box);
}

BENCHMARK(EvaluationBar)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);
BENCHMARK(NavigationButton)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);
BENCHMARK(SpinBox)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrak
