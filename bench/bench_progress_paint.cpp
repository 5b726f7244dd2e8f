// One paint of the evaluation window's rating bar (composed off-screen, then
// put on the control's image in one copy), beside a stock Fusion progress bar
// of the same size with its text rendered to an image, and a plain fill of
// the same area. The goal: the bar no slower than the stock one.

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QPalette>
#include <QProgressBar>
#include <QWidget>

#include "platform/Fonts.h"
#include "ui/Unit2.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {
namespace {

constexpr int kWidth = 276;
constexpr int kHeight = 20;

void Baseline_PlainFill(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(QColor(255, 128, 0));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(Baseline_PlainFill);

void StockProgressBar(benchmark::State& state) {
  QProgressBar bar;
  bar.resize(kWidth, kHeight);
  bar.setRange(0, 100);
  bar.setValue(85);
  bar.setFormat(QStringLiteral("Ground %p%"));
  bar.setTextVisible(true);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    bar.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(StockProgressBar);

class ExposedBar : public TGradientProgress {
public:
  using TGradientProgress::TGradientProgress;
  // What paintEvent does: compose, then one copy onto the control.
  void PaintOnto(QImage& target) {
    const QImage composed = RenderToImage();
    QPainter painter(&target);
    painter.drawImage(0, 0, composed);
  }
};

void EvaluationBar(benchmark::State& state) {
  QWidget window;
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::black);
  window.setPalette(palette);
  ExposedBar bar(&window);
  bar.SetBounds(0, 0, kWidth, kHeight);
  ApplyEvaluationBarConfiguration(bar, clRed, clYellow);
  bar.Gradient().SetPercentFilling(85);
  bar.SetCaption(QStringLiteral("Ground 85%%"));
  QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::black);
  for (auto _ : state) {
    bar.PaintOnto(target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(EvaluationBar);

}  // namespace
}  // namespace ostrak
