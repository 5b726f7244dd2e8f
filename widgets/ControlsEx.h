#pragma once

// TGraphicControlEx: the window-less control base. A QWidget without a native
// window that never fills its own background, so its parent shows through
// wherever it draws nothing. It keeps PointerOver and turns Qt's
// notifications into overridable operations, each run inside the error guard.
// Any of them, and any handler they raise, may destroy the control: code
// that goes on after one takes an AliveWatch first.

#include <QString>
#include <QWidget>

#include "platform/Font.h"
#include "platform/Surface.h"
#include "widgets/Events.h"

class QMouseEvent;

namespace ostrak {

class TGraphicControlEx : public QWidget {
  Q_OBJECT

public:
  explicit TGraphicControlEx(QWidget* parent = nullptr);
  ~TGraphicControlEx() override;

  bool PointerOver() const { return pointerOver_; }

  const QString& Caption() const { return caption_; }
  // A different text is stored, then CaptionChanged runs.
  void SetCaption(const QString& caption);

  // The owned font; assigning copies attributes, and any real change of the
  // owned font runs FontChanged.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  bool Visible() const { return isVisibleTo(parentWidget()); }
  void SetVisible(bool visible) { setVisible(visible); }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  // The pointer's tip text.
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  // Asks for a paint later (the parent's background is repainted under the
  // control first, as it is not opaque).
  virtual void Invalidate() { update(); }
  // Paints now, when the control is visible.
  virtual void Repaint() { repaint(); }

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  void SetWidth(int w) { resize(w, height()); }
  void SetHeight(int h) { resize(width(), h); }

  // Paints the control as it would appear, on a transparent image of its
  // size at `scale` device pixels a pixel (the image's device pixel ratio).
  QImage RenderToImage(int scale = 1);

  // Offers a dialog character (a mnemonic typed in the window that no focused
  // control consumed) to every window-less control of `parent` in turn, until
  // one reports it handled.
  static bool DispatchDialogChar(QWidget* parent, QChar character);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

protected:
  // Paints the control on a surface the size of the control whose pixels
  // start transparent, at the target's scale. Must not change state.
  virtual void Paint(Surface& canvas) = 0;

  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void EnabledChanged() {}
  virtual void FontChanged() {}
  virtual void CaptionChanged() {}
  virtual void ColorChanged() {}
  virtual bool DialogChar(QChar /*character*/) { return false; }
  // A press in progress, if any, ends without its release: the control was
  // hidden, disabled or blocked by a modal window (see InterruptsPress).
  virtual void PressInterrupted() {}

  // Mouse operations in control coordinates; the defaults raise the
  // OnMouse* events.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  static TShiftState ShiftStateOf(const QMouseEvent& event);
  // Left, right and middle; false for any other button.
  static bool ToMouseButton(Qt::MouseButton qt, TMouseButton& button);

private:
  bool pointerOver_ = false;
  QString caption_;
  TFont font_;
  TColor color_ = clBtnFace;
  TAlign align_ = TAlign::alNone;
};

}  // namespace ostrak
