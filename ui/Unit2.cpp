#include "ui/Unit2.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <memory>
#include <vector>

#include "localisation/CaptionLines.h"
#include "platform/ErrorGuard.h"
#include "platform/Fonts.h"
#include "record/Ratings.h"
#include "ui/Unit1.h"
#include "ui/WindowPlacement.h"

namespace ostrak {

void ApplyEvaluationBarConfiguration(TGradientProgress& bar, TColor fillFrom, TColor fillTo) {
  bar.SetBevelInner(TBevelCut::bvSpace);
  bar.Colors().SetDelineate(clGray);
  bar.Colors().SetShadow(clBlack);
  bar.Colors().SetBackground(clBlack);
  bar.Gradient().SetFromColor(fillFrom);
  bar.Gradient().SetToColor(fillTo);
  bar.Gradient().SetActive(true);
  bar.Gradient().SetOrientation(TGradientDir::fgdVertical);
  bar.GradientBack().SetFromColor(clYellow);
  bar.GradientBack().SetToColor(clGreen);
  bar.GradientBack().SetOrientation(TGradientDir::fgdVertical);
  bar.GradientBack().SetSteps(100);
  bar.SetPercent(100);
  bar.SetCaptionAlignment(TAlignment::taCenter);
  bar.SetCaptionStyle(TTextStyle::fstNone);
  bar.SetStep(100);
  bar.SetOptions({TProgressOption::fpoDelineatedText, TProgressOption::fpoTransparent});
  TFont font = TahomaFont();
  font.SetColor(clWhite);
  bar.SetFont(font);
}

namespace {

// Holds a control's painting while it lives; its end schedules one paint.
class UpdatesHeld {
public:
  explicit UpdatesHeld(QWidget& control) : control_(control) { control_.setUpdatesEnabled(false); }
  ~UpdatesHeld() { control_.setUpdatesEnabled(true); }
  UpdatesHeld(const UpdatesHeld&) = delete;
  UpdatesHeld& operator=(const UpdatesHeld&) = delete;

private:
  QWidget& control_;
};

TGradientProgress* NewBar(QWidget* window, const char* name, int top, TColor from, TColor to) {
  auto* bar = new TGradientProgress(window);
  bar->setObjectName(QLatin1String(name));
  bar->SetBounds(9, top, 276, 20);
  ApplyEvaluationBarConfiguration(*bar, from, to);
  bar->SetCaption(QLatin1String(name + 1));
  return bar;
}

}  // namespace

TForm2::TForm2(TForm1& editor)
    : QWidget(&editor, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      editor_(editor) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  setFixedSize(294, 148);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(TahomaFont().ToQFont());
  // Closing it hides it; the editor alone decides when the program ends.
  setAttribute(Qt::WA_QuitOnClose, false);

  gGround = NewBar(this, "gGround", 8, clRed, clYellow);
  gStriking = NewBar(this, "gStriking", 28, clRed, clYellow);
  gDefense = NewBar(this, "gDefense", 48, clRed, clYellow);
  gFitness = NewBar(this, "gFitness", 68, clRed, clYellow);
  gMental = NewBar(this, "gMental", 88, clRed, clYellow);
  gOverall = NewBar(this, "gOverall", 117, clTeal, clLime);
  editor.SetEvaluationWindow(this);
  editor.OnRecordChange = [this] { FollowRecord(); };
}

TForm2::~TForm2() { editor_.OnRecordChange = nullptr; }

void TForm2::FormShow(QObject*) { Evaluate(); }

std::array<int, 6> TForm2::Percentages() const {
  AttributeValues values;
  for (FighterField field : kAttributeFields) values.Set(field, editor_.AttributeBox(field).IntegerValue());
  return EvaluateRatings(values).InBarOrder();
}

void TForm2::Evaluate() {
  const auto percentages = Percentages();
  const auto bars = Bars();
  for (std::size_t i = 0; i < bars.size(); ++i) bars[i]->Gradient().SetPercentFilling(percentages[i]);
  setWindowTitle(editor_.CaptionText(kCaptionEvaluate));
  // The bar formats its caption with its Percent, so "%%" shows one '%'; the
  // number is the fill the bar now holds.
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const int filled = bars[i]->Gradient().PercentFilling();
    bars[i]->SetCaption(editor_.CaptionText(kCaptionBars[i]) + QStringLiteral(" %1%%").arg(filled));
  }
}

void TForm2::FollowRecord() {
  if (!isVisible()) return;
  // A failure here is this window's own; the editor's change goes on.
  Guard([this] {
    const auto percentages = Percentages();
    const auto bars = Bars();
    // A bar repaints at once for each of its changes; held, each bar that
    // moves is drawn once, at its new value, after the change is over.
    std::vector<std::unique_ptr<UpdatesHeld>> held;
    for (std::size_t i = 0; i < bars.size(); ++i) {
      if (bars[i]->Gradient().PercentFilling() != percentages[i])
        held.push_back(std::make_unique<UpdatesHeld>(*bars[i]));
    }
    if (held.empty()) return;
    Evaluate();
  });
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// Runs only when the window goes from hidden to shown, before it appears.
void TForm2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (!placed_) {
    placed_ = true;
    // Its own frame is unknown until it is first shown: the editor's stands
    // in for it.
    const QRect editor = editor_.frameGeometry();
    const QRect client = editor_.geometry();
    PlaceCentred(*this, editor.center(), editor_.screen(),
                 QMargins(client.left() - editor.left(), client.top() - editor.top(),
                          editor.right() - client.right(), editor.bottom() - client.bottom()));
  }
  Guard([this] { FormShow(this); });
}

}  // namespace ostrak
