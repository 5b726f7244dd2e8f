#pragma once

// TLabel: a one-line text label without a background of its own, so the
// window's picture shows around its letters. It is always exactly as large
// as its text.

#include <QLabel>
#include <functional>

#include "platform/Font.h"

namespace ostrak {

class TLabel : public QLabel {
  Q_OBJECT

public:
  explicit TLabel(QWidget* parent = nullptr);

  // Shown as it is: an '&' is a letter, never a shortcut mark.
  QString Caption() const { return caption_; }
  // A different text is stored and the label resized to fit it.
  void SetCaption(const QString& caption);

  // The owned font; its colour is the text colour. A change resizes.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }

  // The control this label names: assistive technology reads the caption as
  // the control's name, now and after every change of the caption.
  QWidget* FocusControl() const { return buddy(); }
  void SetFocusControl(QWidget* control);

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetPosition(int left, int top) { move(left, top); }

  // After every change of the label's size, for a control that places it.
  std::function<void()> OnResize;

private:
  void ApplyFont();
  void AutoSize();
  void NameFocusControl();
  void ShowCaption();

  QString caption_;
  TFont font_;
};

}  // namespace ostrak
