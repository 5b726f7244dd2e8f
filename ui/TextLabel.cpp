#include "ui/TextLabel.h"

#include "platform/ErrorGuard.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

namespace ostrak {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  font_.OnChange = [this](TFont&) { ApplyFont(); };
  ApplyFont();
}

void TLabel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  ShowCaption();
  AutoSize();
  NameFocusControl();
}

void TLabel::SetFocusControl(QWidget* control) {
  setBuddy(control);
  ShowCaption();
  NameFocusControl();
}

// A label with a buddy reads '&' as a shortcut mark even in plain text; a
// doubled one shows a single '&' and marks nothing.
void TLabel::ShowCaption() {
  QString shown = caption_;
  if (buddy()) shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  setText(shown);
}

// Qt would name some controls by their own text (a list by its item), so
// the name is given outright.
void TLabel::NameFocusControl() {
  if (QWidget* control = buddy()) control->setAccessibleName(caption_);
}

void TLabel::ApplyFont() {
  setFont(font_.ToQFont());
  QPalette colours = palette();
  const TColor rgb = ColorToRGB(font_.Color());
  colours.setColor(QPalette::WindowText, QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
  setPalette(colours);
  AutoSize();
}

// The size the platform measures for the text: its advance and the font's
// cell height; an empty label measures as one space, so it never vanishes.
void TLabel::AutoSize() {
  Surface measure(1, 1);
  measure.SelectFont(font_.ToQFont());
  const QString shown = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
  const TSize size = measure.GetTextExtentPoint32(shown);
  if (size.cx == width() && size.cy == height()) return;
  resize(size.cx, size.cy);
  if (OnResize) OnResize();
}

}  // namespace ostrak
