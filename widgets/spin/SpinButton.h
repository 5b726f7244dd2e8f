#pragma once

// TSpinButton: the window-less, self-drawn pair of step buttons. A left press
// on a half raises its click event at once, again after InitRepeatPause and
// then every RepeatPause while the button is held; dragging off the pressed
// half pauses the repeat and dragging back resumes it. A press ends with its
// release, or when the button is hidden, disabled or blocked by a modal
// window, also from inside its own click. The faces come from the shared
// cache of TSpinButtonBitmapsManager.

#include <QImage>
#include <QPointer>
#include <QTimer>

#include "widgets/ControlsEx.h"
#include "widgets/spin/SpinButtonBitmaps.h"

namespace ostrak {

class TSpinButton : public TGraphicControlEx {
  Q_OBJECT

public:
  explicit TSpinButton(QWidget* parent = nullptr);
  ~TSpinButton() override;

  TSpinButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TSpinButtonStyle style);
  const QImage& UpGlyph() const { return upGlyph_; }
  // Copies the picture (a null one clears the glyph); drawn transparent.
  void SetUpGlyph(const QImage& glyph);
  const QImage& DownGlyph() const { return downGlyph_; }
  void SetDownGlyph(const QImage& glyph);
  // Takes the keyboard focus on a press; forgotten when it is destroyed.
  QWidget* FocusControl() const { return focusControl_; }
  void SetFocusControl(QWidget* control) { focusControl_ = control; }
  int InitRepeatPause() const { return initRepeatPause_; }
  void SetInitRepeatPause(int milliseconds) { initRepeatPause_ = milliseconds; }
  int RepeatPause() const { return repeatPause_; }
  void SetRepeatPause(int milliseconds) { repeatPause_ = milliseconds; }

  // The half under (x, y): sbsDefault splits along the diagonal from the
  // lower-left to the upper-right corner, sbsClassic at height / 2 (that row
  // belongs to the up half).
  TSpinButtonState HalfAt(int x, int y) const;

  TSpinButtonState PressedHalf() const { return pressedHalf_; }
  TSpinButtonState FirstPressedHalf() const { return firstPressedHalf_; }
  bool Dragging() const { return dragging_; }
  bool HotUp() const { return hotUp_; }
  bool HotDown() const { return hotDown_; }

  // What the repeat timer does on each tick; tests call it instead of
  // waiting. A failing click handler stops the timer and propagates.
  void TimerTick();
  bool RepeatTimerActive() const { return timer_ && timer_->isActive(); }
  int RepeatTimerInterval() const { return timer_ ? timer_->interval() : 0; }

  // The cache entry the faces come from, once painted or sized.
  const TSpinButtonBitmaps* BitmapsEntry() const { return entry_; }
  // A system colour change: the held faces are drawn anew.
  void SystemColorsChanged();

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

protected:
  void Paint(Surface& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void PressInterrupted() override;

  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  bool HasCustomGlyphs() const { return !upGlyph_.isNull() || !downGlyph_.isNull(); }
  // Holds the cache entry of the current size, style and glyphs.
  void UpdateEntry();
  void ReleaseEntry();
  void RaiseClick(TSpinButtonState half);
  void SetPressedHalf(TSpinButtonState half);
  void UpdateHot(int x, int y);
  void LoseCapture();
  void AbortPress();

  TSpinButtonStyle buttonStyle_ = TSpinButtonStyle::sbsDefault;
  QImage upGlyph_;
  QImage downGlyph_;
  QPointer<QWidget> focusControl_;
  int initRepeatPause_ = 400;
  int repeatPause_ = 100;

  TSpinButtonState pressedHalf_ = TSpinButtonState::sbNotDown;
  TSpinButtonState firstPressedHalf_ = TSpinButtonState::sbNotDown;
  bool dragging_ = false;
  bool captured_ = false;  // the left button is held since a press here
  bool hotUp_ = false;
  bool hotDown_ = false;
  std::unique_ptr<QTimer> timer_;
  TSpinButtonBitmaps* entry_ = nullptr;
};

}  // namespace ostrak
