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

}  // namespace

TForm2::TForm2(TForm1& editor)
    : QWidget(&editor, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      editor_(editor) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  setFixedSize(kEvaluationWidth, kEvaluationHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(TahomaFont().ToQFont());
  // Closing it hides it; the editor alone decides when the program ends.
  setAttribute(Qt::WA_QuitOnClose, false);

  gGround = NewEvaluationBar(this, 0);
  gStriking = NewEvaluationBar(this, 1);
  gDefense = NewEvaluationBar(this, 2);
  gFitness = NewEvaluationBar(this, 3);
  gMental = NewEvaluationBar(this, 4);
  gOverall = NewEvaluationBar(this, 5);
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
  for (std::size_t i = 0; i < bars.size(); ++i)
    ShowRating(*bars[i], percentages[i], editor_.CaptionText(kCaptionBars[i]));
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
