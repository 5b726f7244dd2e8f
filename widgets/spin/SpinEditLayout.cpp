// The spin box's stepper: which kind, where it sits, and the text area it
// leaves.

#include <QResizeEvent>
#include <algorithm>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "platform/Surface.h"
#include "platform/SystemMetrics.h"
#include "widgets/spin/SpinButton.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {

// The platform always has the up-down control, so the kind asked for is the
// kind shown.
TSpinButtonKind TCustomSpinEdit::EffectiveButtonKind() const { return buttonKind_; }

int TCustomSpinEdit::StepperWidth() const {
  if (!showButton_) return 0;
  if (upDown_) return upDown_->width();
  if (buttonHost_) return buttonHost_->width();
  return TSpinUpDown::StandardWidth();
}

// The text height is the platform's cell height of the font, as the drawing
// surface measures it.
int TCustomSpinEdit::MinimumHeight() const {
  Surface measure(1, 1);
  SelectedFont selected(measure, Font().ToQFont());
  return measure.GetTextExtentPoint32(QString()).cy + 4 * GetSystemMetrics(SM_CYBORDER) + 1;
}

void TCustomSpinEdit::RebuildButtons() {
  if (destroying_) return;
  upDown_.reset();
  button_ = nullptr;
  buttonHost_.reset();
  if (!showButton_) return;
  if (EffectiveButtonKind() == TSpinButtonKind::bkStandard) {
    upDown_ = std::make_unique<TSpinUpDown>(this);
    upDown_->OnClick = [this](QObject*, TUDBtnType button) { UpDownClick(button); };
    upDown_->setEnabled(isEnabled());
    upDown_->show();
    return;
  }
  buttonHost_ = std::make_unique<QWidget>(this);
  buttonHost_->resize(TSpinUpDown::StandardWidth(), std::max(1, ClientRect().Height()));
  button_ = new TSpinButton(buttonHost_.get());
  button_->SetButtonStyle(EffectiveButtonKind() == TSpinButtonKind::bkClassic ? TSpinButtonStyle::sbsClassic
                                                                              : TSpinButtonStyle::sbsDefault);
  button_->SetFocusControl(this);
  button_->OnTopClick = [this](QObject* sender) { StepUp(sender); };
  button_->OnBottomClick = [this](QObject* sender) { StepDown(sender); };
  buttonHost_->setEnabled(isEnabled());
  buttonHost_->show();
}

// Taking the focus runs the enter handlers, which may destroy the box.
void TCustomSpinEdit::UpDownClick(TUDBtnType button) {
  const AliveWatch alive(this);
  if (TabStop() && CanFocus()) SetFocus();
  if (!alive) return;
  if (button == TUDBtnType::btNext) {
    StepUp(upDown_.get());
  } else {
    StepDown(upDown_.get());
  }
}

// Docked to the right edge of the client area, or the left one when the box
// reads right to left.
void TCustomSpinEdit::LayoutButtons() {
  QWidget* stepper = upDown_ ? static_cast<QWidget*>(upDown_.get()) : buttonHost_.get();
  if (!stepper) return;
  const TRect client = ClientRect();
  const int border = (width() - client.Width()) / 2;
  const int stepperWidth = StepperWidth();
  const int left = UseRightToLeftReading() ? border : border + client.Width() - stepperWidth;
  stepper->setGeometry(left, border, stepperWidth, client.Height());
  if (button_) button_->SetBounds(0, 0, stepperWidth, client.Height());
}

// The text never runs under the stepper.
void TCustomSpinEdit::ApplyTextMargins() {
  const int stepperWidth = StepperWidth();
  const TRect client = ClientRect();
  if (!UseRightToLeftReading()) {
    SetMargins(0, stepperWidth);
    SetFormattingRect(TRect{0, 0, client.Width() - stepperWidth - 2, client.Height() + 1});
  } else {
    SetMargins(stepperWidth, 0);
    SetFormattingRect(TRect{stepperWidth + 1, 0, client.Width() - 1, client.Height() + 1});
  }
}

void TCustomSpinEdit::CreateWnd() {
  LayoutButtons();
  ApplyTextMargins();
}

void TCustomSpinEdit::resizeEvent(QResizeEvent* event) {
  const AliveWatch alive(this);
  TCustomMaskEditEx::resizeEvent(event);
  if (!alive) return;
  Guard([this] {
    LayoutButtons();
    ApplyTextMargins();
  });
}

// Qt keeps every resize at or above the minimum, also while the box is hidden
// and gets no resize events.
void TCustomSpinEdit::ApplyMinimumHeight() { setMinimumHeight(MinimumHeight()); }

void TCustomSpinEdit::FontChanged() {
  ApplyMinimumHeight();
  ApplyTextMargins();
}

void TCustomSpinEdit::EnabledChanged() {
  if (upDown_) upDown_->setEnabled(isEnabled());
  if (buttonHost_) buttonHost_->setEnabled(isEnabled());
}

void TCustomSpinEdit::ReadingDirectionChanged() {
  LayoutButtons();
  ApplyTextMargins();
}

void TCustomSpinEdit::SetArrowKeys(bool arrowKeys) {
  arrowKeys_ = arrowKeys;
  LayoutButtons();
}

void TCustomSpinEdit::SetShowButton(bool show) {
  if (show == showButton_) return;
  showButton_ = show;
  RebuildButtons();
  LayoutButtons();
  ApplyTextMargins();
}

void TCustomSpinEdit::SetButtonKind(TSpinButtonKind kind) {
  const TSpinButtonKind before = EffectiveButtonKind();
  buttonKind_ = kind;
  if (EffectiveButtonKind() == before) return;
  RebuildButtons();
  LayoutButtons();
  ApplyTextMargins();
}

}  // namespace ostrak
