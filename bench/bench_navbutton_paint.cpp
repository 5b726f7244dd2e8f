// Painting the editor's save button at rest and hot, beside a stock push
// button of the same size and caption in the Fusion style, each rendered
// through Qt into an image of its size.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPushButton>

#include "platform/Fonts.h"
#include "widgets/navigation/NavigationPane.h"

namespace {

using namespace ostrak;

const QString kCaption = QStringLiteral("Guardar Luchador");

void Render(benchmark::State& state, QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    widget.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_StockPushButton(benchmark::State& state) {
  QPushButton button(kCaption);
  button.setFont(TahomaBoldFont().ToQFont());
  button.resize(114, 28);
  Render(state, button);
}

// The editor's save button: 114 x 28, bold Tahoma 11 px, default colours.
void SetUpSaveButton(TNavPanelButton& button) {
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(kCaption);
  button.SetFont(TahomaBoldFont());
  button.SetHotTrackFont(TahomaBoldFont());
}

void BM_NavButtonRest(benchmark::State& state) {
  TNavPanelButton button;
  SetUpSaveButton(button);
  Render(state, button);
}

void BM_NavButtonHot(benchmark::State& state) {
  TNavPanelButton button;
  SetUpSaveButton(button);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(&button, &enter);
  if (!button.State().Contains(TButtonStateFlag::Hovered)) state.SkipWithError("the button is not hot");
  Render(state, button);
}

}  // namespace

BENCHMARK(BM_StockPushButton);
BENCHMARK(BM_NavButtonRest);
BENCHMARK(BM_NavButtonHot);
