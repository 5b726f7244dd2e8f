// The gradient rating bar: the evaluation window's bars over its black
// background, a segmented bar and a freshly created one.

#include <QPalette>
#include <QWidget>

#include "platform/Fonts.h"
#include "tools/gallery/Gallery.h"
#include "ui/Unit2.h"
#include "widgets/gradient/GradientProgress.h"

namespace {

using namespace ostrak;

// A parent like the evaluation window: black, with the bar at (9, 8).
class BlackParent {
public:
  BlackParent() {
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::black);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    parent.resize(294, 36);
  }
  QWidget parent;
};

// The evaluation window's settings for a bar, with its fill percentage.
void SetUpEvaluationBar(TGradientProgress& bar, int fill) {
  bar.SetBounds(9, 8, 276, 20);
  ApplyEvaluationBarConfiguration(bar, clRed, clYellow);
  bar.Gradient().SetPercentFilling(fill);
  bar.SetCaption(QStringLiteral("Ground %1%%").arg(fill));
}

}  // namespace

OSTRAK_GALLERY_PAGE(GradientProgressBars) {
  for (int fill : {0, 5, 50, 60, 85, 100}) {
    BlackParent window;
    TGradientProgress bar(&window.parent);
    SetUpEvaluationBar(bar, fill);
    window.parent.show();
    out.SaveOnParent(bar, QStringLiteral("progress-eval-%1").arg(fill));
  }
  {
    BlackParent window;
    TGradientProgress bar(&window.parent);
    SetUpEvaluationBar(bar, 85);
    bar.SetOptions({TProgressOption::fpoDelineatedText});
    bar.SetStep(3);
    bar.SetInterspace(1);
    window.parent.show();
    out.SaveOnParent(bar, QStringLiteral("progress-segments"));
  }
  {
    QWidget parent;
    parent.resize(170, 31);
    TGradientProgress bar(&parent);
    bar.SetBounds(10, 8, bar.Width(), bar.Height());
    parent.show();
    out.SaveOnParent(bar, QStringLiteral("progress-new"));
  }
}
