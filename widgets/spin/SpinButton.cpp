#include "widgets/spin/SpinButton.h"

#include <QCursor>
#include <QEvent>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"

namespace ostrak {

TSpinButton::TSpinButton(QWidget* parent) : TGraphicControlEx(parent) {
  TSpinButtonBitmapsManager::AddClient();
  resize(20, 20);
  UpdateEntry();
}

TSpinButton::~TSpinButton() {
  ReleaseEntry();
  TSpinButtonBitmapsManager::RemoveClient();
  upGlyph_ = QImage();
  downGlyph_ = QImage();
  timer_.reset();
}

void TSpinButton::SetButtonStyle(TSpinButtonStyle style) {
  if (style == buttonStyle_) return;
  buttonStyle_ = style;
  ReleaseEntry();
  update();
}

void TSpinButton::SetUpGlyph(const QImage& glyph) {
  upGlyph_ = glyph;
  ReleaseEntry();
  update();
}

void TSpinButton::SetDownGlyph(const QImage& glyph) {
  downGlyph_ = glyph;
  ReleaseEntry();
  update();
}

// Compared exactly as y > height - x * height / width, without rounding.
// Press, drag and hot tracking all use this one line: a drag judged by another
// slope would pause a narrow button's repeat while the pointer is still inside
// the half it pressed.
TSpinButtonState TSpinButton::HalfAt(int x, int y) const {
  const long long w = width();
  const long long h = height();
  bool down = false;
  if (buttonStyle_ == TSpinButtonStyle::sbsClassic) {
    down = y > h / 2;
  } else if (w > 0) {
    down = y * w > h * w - x * h;
  }
  return down ? TSpinButtonState::sbBottomDown : TSpinButtonState::sbTopDown;
}

void TSpinButton::UpdateEntry() {
  const TSpinButtonKey key{width(), height(), buttonStyle_, HasCustomGlyphs()};
  if (entry_ && entry_->Key() == key) return;
  ReleaseEntry();
  if (TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Instance()) {
    entry_ = manager->Acquire(key.width, key.height, key.customGlyphs, key.style);
  }
}

void TSpinButton::ReleaseEntry() {
  if (!entry_) return;
  if (TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Instance()) manager->Release(entry_);
  entry_ = nullptr;
}

void TSpinButton::SystemColorsChanged() {
  if (entry_) entry_->Reset();
  update();
}

// The entry is a cache, not state: painting may move to the entry of the
// current size.
void TSpinButton::Paint(Surface& canvas) {
  UpdateEntry();
  if (!entry_) return;
  entry_->Draw(canvas, pressedHalf_, hotUp_, hotDown_, isEnabled());
  if (HasCustomGlyphs()) entry_->DrawGlyphs(canvas, pressedHalf_, upGlyph_, downGlyph_);
}

void TSpinButton::RaiseClick(TSpinButtonState half) {
  if (half == TSpinButtonState::sbBottomDown) {
    if (OnBottomClick) OnBottomClick(this);
  } else if (half == TSpinButtonState::sbTopDown) {
    if (OnTopClick) OnTopClick(this);
  }
}

void TSpinButton::SetPressedHalf(TSpinButtonState half) {
  if (half == pressedHalf_) return;
  pressedHalf_ = half;
  update();
}

// Each handler on the way (the mouse-down event, the focus control's enter,
// the click) may destroy the button, hide or disable it, or end the press.
void TSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const AliveWatch alive(this);
  TGraphicControlEx::MouseDown(button, shift, x, y);
  if (!alive || button != TMouseButton::mbLeft || !isEnabled()) return;
  if (QWidget* focus = focusControl_) {
    if ((focus->focusPolicy() & Qt::TabFocus) && focus->isEnabled() && focus->isVisible() &&
        !focus->hasFocus()) {
      focus->setFocus(Qt::OtherFocusReason);
      if (!alive || !isEnabled() || !isVisible()) return;
    }
  }
  if (pressedHalf_ == TSpinButtonState::sbNotDown) {
    firstPressedHalf_ = TSpinButtonState::sbNotDown;
    captured_ = true;
    pressedHalf_ = HalfAt(x, y);
    try {
      RaiseClick(pressedHalf_);
    } catch (...) {
      if (alive) AbortPress();
      throw;
    }
    if (!alive) return;
    // The click ended the press (the button was released, hidden or
    // disabled, or a modal window took the mouse): nothing repeats or drags.
    if (!captured_) {
      pressedHalf_ = TSpinButtonState::sbNotDown;
      return;
    }
    if (pressedHalf_ != firstPressedHalf_) {
      firstPressedHalf_ = pressedHalf_;
      update();
    }
    if (!timer_) {
      timer_ = std::make_unique<QTimer>();
      connect(timer_.get(), &QTimer::timeout, this, [this] { Guard([this] { TimerTick(); }); });
    }
    timer_->setInterval(initRepeatPause_);
    timer_->start();
  }
  dragging_ = true;
}

void TSpinButton::TimerTick() {
  if (!timer_) return;
  timer_->setInterval(repeatPause_);
  if (pressedHalf_ == TSpinButtonState::sbNotDown || !captured_) return;
  const AliveWatch alive(this);
  try {
    RaiseClick(pressedHalf_);
  } catch (...) {
    if (alive) timer_->stop();
    throw;
  }
  if (alive && !captured_) SetPressedHalf(TSpinButtonState::sbNotDown);
}

// Off the half of the first press nothing is pressed, so the repeat pauses
// until the pointer comes back.
void TSpinButton::MouseMove(TShiftState shift, int x, int y) {
  const AliveWatch alive(this);
  TGraphicControlEx::MouseMove(shift, x, y);
  if (!alive) return;
  if (dragging_) {
    TSpinButtonState half = TSpinButtonState::sbNotDown;
    if (rect().contains(x, y) && HalfAt(x, y) == firstPressedHalf_) half = firstPressedHalf_;
    SetPressedHalf(half);
    return;
  }
  if (entry_ && entry_->Themed()) UpdateHot(x, y);
}

void TSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const AliveWatch alive(this);
  TGraphicControlEx::MouseUp(button, shift, x, y);
  if (!alive || button != TMouseButton::mbLeft) return;
  dragging_ = false;
  LoseCapture();
  if (rect().contains(x, y)) {
    firstPressedHalf_ = TSpinButtonState::sbNotDown;
    pressedHalf_ = TSpinButtonState::sbNotDown;
    update();
  }
}

// The left button is no longer held for this button: no more repeats.
void TSpinButton::LoseCapture() {
  captured_ = false;
  if (timer_) timer_->stop();
}

// The press ends without a release on the button (its first click failed, a
// modal window took the mouse, the button was hidden or disabled): nothing
// stays pressed, so the next press clicks at once.
void TSpinButton::PressInterrupted() { AbortPress(); }

void TSpinButton::AbortPress() {
  dragging_ = false;
  LoseCapture();
  firstPressedHalf_ = TSpinButtonState::sbNotDown;
  SetPressedHalf(TSpinButtonState::sbNotDown);
}

void TSpinButton::UpdateHot(int x, int y) {
  const bool inside = rect().contains(x, y);
  const TSpinButtonState half = HalfAt(x, y);
  const bool up = inside && half == TSpinButtonState::sbTopDown;
  const bool down = inside && half == TSpinButtonState::sbBottomDown;
  if (up == hotUp_ && down == hotDown_) return;
  hotUp_ = up;
  hotDown_ = down;
  if (entry_ && entry_->Themed()) update();
}

void TSpinButton::MouseEnter() {
  const QPoint at = mapFromGlobal(QCursor::pos());
  UpdateHot(at.x(), at.y());
}

void TSpinButton::MouseLeave() {
  if (!hotUp_ && !hotDown_) return;
  hotUp_ = false;
  hotDown_ = false;
  if (entry_ && entry_->Themed()) update();
}

void TSpinButton::EnabledChanged() { update(); }

bool TSpinButton::event(QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange) Guard([this] { SystemColorsChanged(); });
  return TGraphicControlEx::event(event);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
  const AliveWatch alive(this);
  TGraphicControlEx::resizeEvent(event);
  if (alive) Guard([this] { UpdateEntry(); });
}

}  // namespace ostrak
