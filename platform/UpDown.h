#pragma once

// UpDown: the platform's up-down control, a pair of arrow buttons holding an
// integer position inside a range. A press on an arrow moves the position by
// one increment at once and then, while the button stays down over that
// arrow, once per auto-repeat tick (after the style's click threshold, then
// at its repeat rate), with the increment taken from the acceleration table
// by the time the press has lasted. Every position change is reported
// through Scroll(SB_THUMBPOSITION, position); the end of a press through
// Scroll(SB_ENDSCROLL, position), also when the control is hidden, disabled
// or blocked by a modal window before the release. The arrows are the Fusion
// style's spin-box arrows. The control never takes the keyboard focus.

#include <QTimer>
#include <QWidget>
#include <vector>

namespace ostrak {

constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_ENDSCROLL = 8;

// After `nSec` seconds of holding an arrow, each step moves by `nInc`.
struct UDACCEL {
  int nSec = 0;
  int nInc = 1;
  friend bool operator==(const UDACCEL&, const UDACCEL&) = default;
};

enum class UpDownArrow { None, Up, Down };
enum class UpDownWrap { No, Yes };

class UpDown : public QWidget {
  Q_OBJECT

public:
  explicit UpDown(QWidget* parent = nullptr);
  ~UpDown() override;

  // The up arrow moves toward `maximum`, also when it is below `minimum`.
  // The position is clamped into the new range.
  void SetRange(int minimum, int maximum);
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

  // Clamped into the range; reports nothing.
  void SetPosition(int position);
  int Position() const { return position_; }

  const std::vector<UDACCEL>& Acceleration() const { return acceleration_; }
  // Entries apply in order of nSec; an empty table is refused.
  void SetAcceleration(std::vector<UDACCEL> table);

  UpDownWrap Wrap() const { return wrap_; }
  void SetWrap(UpDownWrap wrap) { wrap_ = wrap; }

  // The arrow under a point in control coordinates: the upper half is Up.
  UpDownArrow ArrowAt(int x, int y) const;

  // What a left press on an arrow does: one step at once, then the repeat
  // timer starts with the click threshold. A failure of the scroll handler
  // ends the press and propagates.
  void Press(UpDownArrow arrow);
  // What releasing the button does: the repeat stops, SB_ENDSCROLL follows.
  void Release();
  UpDownArrow PressedArrow() const { return pressed_; }

  // What the repeat timer does on each tick; tests call it instead of
  // waiting. Steps only while the pointer is over the pressed arrow.
  void AutoRepeatTick();
  bool AutoRepeating() const { return timer_.isActive(); }
  int AutoRepeatInterval() const { return timer_.interval(); }
  // Whether the pointer is over the pressed arrow (the press pauses, without
  // ending, while it is not).
  void SetPointerOverPressedArrow(bool over);

  QSize sizeHint() const override;

protected:
  // The scroll notification, raised synchronously by the control's own code.
  // It may destroy the control.
  virtual void Scroll(int code, int position);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

private:
  void Step();
  int CurrentIncrement() const;
  void EndPress(bool notify);

  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  UpDownWrap wrap_ = UpDownWrap::No;
  std::vector<UDACCEL> acceleration_;
  UpDownArrow pressed_ = UpDownArrow::None;
  bool overPressed_ = false;
  int ticks_ = 0;
  int threshold_ = 0;
  int rate_ = 0;
  QTimer timer_;
};

}  // namespace ostrak
