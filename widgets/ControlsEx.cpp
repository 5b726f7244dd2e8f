#include "widgets/ControlsEx.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/AliveWatch.h"
#include "platform/DeviceScale.h"
#include "platform/ErrorGuard.h"
#include "platform/PlainToolTip.h"
#include "platform/PressInterruption.h"

namespace ostrak {

bool TGraphicControlEx::ToMouseButton(Qt::MouseButton qt, TMouseButton& button) {
  switch (qt) {
    case Qt::LeftButton:
      button = TMouseButton::mbLeft;
      return true;
    case Qt::RightButton:
      button = TMouseButton::mbRight;
      return true;
    case Qt::MiddleButton:
      button = TMouseButton::mbMiddle;
      return true;
    default:
      return false;
  }
}

TGraphicControlEx::TGraphicControlEx(QWidget* parent) : QWidget(parent) {
  // Window-less: no native window, no background of its own.
  setAttribute(Qt::WA_NoSystemBackground, true);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
  font_.OnChange = [this](TFont&) { FontChanged(); };
}

TGraphicControlEx::~TGraphicControlEx() { font_.OnChange = nullptr; }

namespace {

// Assistive technology reads a caption without its mnemonic markers: "&&"
// is one '&', a lone '&' is dropped.
QString WithoutMnemonics(const QString& caption) {
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
    text += caption[i];
  }
  return text;
}

}  // namespace

void TGraphicControlEx::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  setAccessibleName(WithoutMnemonics(caption));
  CaptionChanged();
}

void TGraphicControlEx::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

// Stored for the controls that draw by it; the window's layout places
// controls by their bounds.
void TGraphicControlEx::SetAlign(TAlign align) { align_ = align; }

QImage TGraphicControlEx::RenderToImage(int scale) {
  scale = std::max(1, scale);
  QImage image(std::max(0, width()) * scale, std::max(0, height()) * scale,
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  Surface canvas(&image);
  Paint(canvas);
  return image;
}

bool TGraphicControlEx::DispatchDialogChar(QWidget* parent, QChar character) {
  if (!parent) return false;
  for (QObject* child : parent->children()) {
    auto* control = qobject_cast<TGraphicControlEx*>(child);
    if (control && control->DialogChar(character)) return true;
  }
  return false;
}

void TGraphicControlEx::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TGraphicControlEx::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TGraphicControlEx::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// The press ends after Qt's own handling of the event, so the control's
// reaction to it (a disabled face, say) comes first.
bool TGraphicControlEx::event(QEvent* event) {
  if (ShowPlainToolTip(*this, *event)) return true;
  const bool interrupted = InterruptsPress(*this, *event);
  const AliveWatch alive(this);
  const bool handled = QWidget::event(event);
  if (interrupted && alive) Guard([this] { PressInterrupted(); });
  return handled;
}

void TGraphicControlEx::paintEvent(QPaintEvent*) {
  Guard([this] {
    QPainter painter(this);
    DrawScaledImage(painter, QPoint(0, 0), RenderToImage(DrawingScale(painter)));
  });
}

void TGraphicControlEx::enterEvent(QEnterEvent*) {
  Guard([this] {
    pointerOver_ = true;
    MouseEnter();
  });
}

void TGraphicControlEx::leaveEvent(QEvent*) {
  Guard([this] {
    pointerOver_ = false;
    MouseLeave();
  });
}

void TGraphicControlEx::changeEvent(QEvent* event) {
  const AliveWatch alive(this);
  if (event->type() == QEvent::EnabledChange) Guard([this] { EnabledChanged(); });
  if (alive) QWidget::changeEvent(event);
}

TShiftState TGraphicControlEx::ShiftStateOf(const QMouseEvent& event) {
  TShiftState shift = 0;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  const Qt::MouseButtons buttons = event.buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

void TGraphicControlEx::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  Guard([&] { MouseDown(button, ShiftStateOf(*event), at.x(), at.y()); });
}

// Controls of this kind take no double-clicks: the second press of a
// double-click arrives as an ordinary press.
void TGraphicControlEx::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TGraphicControlEx::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Guard([&] { MouseMove(ShiftStateOf(*event), at.x(), at.y()); });
}

void TGraphicControlEx::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  Guard([&] { MouseUp(button, ShiftStateOf(*event), at.x(), at.y()); });
}

}  // namespace ostrak
