#include "platform/UpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "platform/PressInterruption.h"

namespace ostrak {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), acceleration_{UDACCEL{0, 1}, UDACCEL{2, 5}, UDACCEL{5, 20}} {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  // The arrows show no text, so they hold a text colour of their own: a box
  // showing its number in a new colour then gives them no new palette, which
  // would repaint them and make the style draw their face again.
  QPalette ownText;
  ownText.setColor(QPalette::Text, ownText.color(QPalette::Text));
  setPalette(ownText);
  connect(&timer_, &QTimer::timeout, this, [this] { Guard([this] { AutoRepeatTick(); }); });
}

UpDown::~UpDown() { timer_.stop(); }

void UpDown::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  SetPosition(position_);
}

void UpDown::SetPosition(int position) {
  const int clamped = std::clamp(position, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
  if (clamped == position_) return;
  position_ = clamped;
}

void UpDown::SetAcceleration(std::vector<UDACCEL> table) {
  if (table.empty()) return;
  std::stable_sort(table.begin(), table.end(),
                   [](const UDACCEL& a, const UDACCEL& b) { return a.nSec < b.nSec; });
  acceleration_ = std::move(table);
}

UpDownArrow UpDown::ArrowAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return UpDownArrow::None;
  return y < height() / 2 ? UpDownArrow::Up : UpDownArrow::Down;
}

// The increment of the last table entry whose time has come. The time of a
// press is counted in timer periods, so it is the same however late the
// ticks arrive.
int UpDown::CurrentIncrement() const {
  const long long elapsedMs = ticks_ == 0 ? 0 : threshold_ + static_cast<long long>(ticks_ - 1) * rate_;
  int increment = acceleration_.front().nInc;
  for (const UDACCEL& entry : acceleration_) {
    if (static_cast<long long>(entry.nSec) * 1000 <= elapsedMs) increment = entry.nInc;
  }
  return increment;
}

void UpDown::Step() {
  const int low = std::min(minimum_, maximum_);
  const int high = std::max(minimum_, maximum_);
  const int towardMaximum = maximum_ >= minimum_ ? 1 : -1;
  const int direction = pressed_ == UpDownArrow::Up ? towardMaximum : -towardMaximum;
  long long next = position_ + static_cast<long long>(direction) * CurrentIncrement();
  if (next > high) next = wrap_ == UpDownWrap::Yes ? low : high;
  if (next < low) next = wrap_ == UpDownWrap::Yes ? high : low;
  if (next == position_) return;
  position_ = static_cast<int>(next);
  Scroll(SB_THUMBPOSITION, position_);
}

void UpDown::Press(UpDownArrow arrow) {
  if (arrow == UpDownArrow::None || !isEnabled()) return;
  EndPress(false);
  pressed_ = arrow;
  overPressed_ = true;
  ticks_ = 0;
  threshold_ = style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, this);
  rate_ = style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, this);
  update();
  const AliveWatch alive(this);
  try {
    Step();
  } catch (...) {
    if (alive) EndPress(false);
    throw;
  }
  if (!alive || pressed_ == UpDownArrow::None) return;  // the handler ended the press
  timer_.start(threshold_);
}

void UpDown::AutoRepeatTick() {
  if (pressed_ == UpDownArrow::None) {
    timer_.stop();
    return;
  }
  timer_.setInterval(rate_);
  ++ticks_;
  if (!overPressed_) return;
  const AliveWatch alive(this);
  try {
    Step();
  } catch (...) {
    // A failing handler would fail again on every tick: end the press.
    if (alive) EndPress(false);
    throw;
  }
}

void UpDown::SetPointerOverPressedArrow(bool over) {
  if (over == overPressed_) return;
  overPressed_ = over;
  update();
}

void UpDown::Release() { EndPress(true); }

void UpDown::EndPress(bool notify) {
  timer_.stop();
  if (pressed_ == UpDownArrow::None) return;
  pressed_ = UpDownArrow::None;
  overPressed_ = false;
  update();
  if (notify) Scroll(SB_ENDSCROLL, position_);
}

void UpDown::Scroll(int, int) {}

QSize UpDown::sizeHint() const { return QSize(15, 21); }

void UpDown::paintEvent(QPaintEvent*) {
  Guard([this] {
    QPainter painter(this);
    QStyleOptionSpinBox option;
    option.initFrom(this);
    option.rect = rect();
    option.frame = false;
    option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = isEnabled() ? (QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled)
                                     : QAbstractSpinBox::StepNone;
    option.activeSubControls = QStyle::SC_None;
    if (pressed_ != UpDownArrow::None && overPressed_) {
      option.activeSubControls = pressed_ == UpDownArrow::Up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
      option.state |= QStyle::State_Sunken;
    } else {
      option.state &= ~QStyle::State_Sunken;
    }
    option.state &= ~QStyle::State_HasFocus;
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
  });
}

void UpDown::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  Guard([&] { Press(ArrowAt(at.x(), at.y())); });
}

// A double-click's second press is an ordinary press.
void UpDown::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void UpDown::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ == UpDownArrow::None) return;
  const QPoint at = event->position().toPoint();
  Guard([&] { SetPointerOverPressedArrow(ArrowAt(at.x(), at.y()) == pressed_); });
}

void UpDown::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Guard([this] { Release(); });
}

bool UpDown::event(QEvent* event) {
  const bool interrupted = InterruptsPress(*this, *event);
  const AliveWatch alive(this);
  const bool handled = QWidget::event(event);
  if (interrupted && alive) Guard([this] { Release(); });
  return handled;
}

}  // namespace ostrak
