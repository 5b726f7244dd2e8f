// The spin box's keyboard, character filter, wheel, focus and clipboard rules.

#include <QWheelEvent>

#include "core/Errors.h"
#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "platform/LocaleSeparators.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {

void TCustomSpinEdit::KeyDown(int& key, TShiftState shift) {
  const AliveWatch alive(this);
  TCustomMaskEditEx::KeyDown(key, shift);
  if (!alive) return;
  if (arrowKeys_ && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    if (key == Qt::Key_Up) {
      StepUp(this);
    } else {
      StepDown(this);
    }
    key = 0;
    return;
  }
  // Deleting toward the decimal separator steps over it instead.
  if (key != Qt::Key_Delete && key != Qt::Key_Backspace) return;
  const QChar decimal = DecimalSeparator();
  const QString text = Text();
  const int caret = SelStart();
  if (key == Qt::Key_Delete && caret < text.size() && text[caret] == decimal) key = Qt::Key_Right;
  if (key == Qt::Key_Backspace && caret > 0 && caret <= text.size() && text[caret - 1] == decimal) {
    key = Qt::Key_Left;
  }
}

// Enter and Escape are not touched here: they go on to the edit, which
// inserts neither and hands both up to the window as dialog keys. The
// separators are asked for only where they matter: each asking reads the
// system locale again.
void TCustomSpinEdit::KeyPress(QChar& key) {
  if (key == u'.' && !(thousands_ && ThousandsSeparator() == u'.')) key = DecimalSeparator();
  if (valueType_ == TValueType::vtFloat && key == DecimalSeparator()) {
    const QChar decimal = key;
    const qsizetype existing = Text().indexOf(decimal);
    if (existing >= 0) {
      key = QChar();
      SetSelStart(static_cast<int>(existing) + 1);
      return;
    }
  }
  if (!AcceptsChar(key)) {
    key = QChar();
    ErrorBeep();
    return;
  }
  TCustomMaskEditEx::KeyPress(key);
}

bool TCustomSpinEdit::AcceptsChar(QChar key) const {
  QString accepted = QStringLiteral("+-0123456789");
  const QString text = Text();
  if (valueType_ == TValueType::vtFloat) {
    const QChar decimal = DecimalSeparator();
    if (!text.contains(decimal)) {
      accepted += decimal;
      if (!(thousands_ && ThousandsSeparator() == u'.')) accepted += u'.';
    }
    if (!text.toUpper().contains(u'E')) accepted += QStringLiteral("Ee");
  }
  if (valueType_ == TValueType::vtHex) accepted += QStringLiteral("ABCDEFabcdef");
  const char16_t code = key.unicode();
  const bool allowed = accepted.contains(key) || code < 32;
  if (allowed && !editorEnabled_ && (code >= 32 || code == 8)) return false;
  return allowed;
}

bool TCustomSpinEdit::ClipboardRequestAllowed(TClipboardCommand command) const {
  if (!TCustomMaskEditEx::ClipboardRequestAllowed(command)) return false;
  if (command == TClipboardCommand::caCut || command == TClipboardCommand::caPaste) {
    return editorEnabled_ && !ReadOnly();
  }
  return true;
}

// Every wheel notification is one step, whatever its size. Scrolling that
// only moves sideways, and the zero-sized notices that begin and end a
// touchpad gesture, are no wheel turns.
void TCustomSpinEdit::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const bool gestureNotice =
      delta.isNull() && (event->phase() == Qt::ScrollBegin || event->phase() == Qt::ScrollEnd);
  if ((delta.y() == 0 && delta.x() != 0) || gestureNotice) {
    event->ignore();
    return;
  }
  event->accept();
  Guard([&] {
    if (delta.y() > 0) {
      StepUp(this);
    } else {
      StepDown(this);
    }
  });
}

void TCustomSpinEdit::DoEnter() {
  focusedFlag_ = true;
  const AliveWatch alive(this);
  RefreshEditingText();
  if (alive) TCustomMaskEditEx::DoEnter();
}

void TCustomSpinEdit::FocusLost() {
  if (checkOptions_.Contains(TCheckOption::coCheckOnExit) &&
      checkOptions_.Contains(TCheckOption::coCropBeyondLimit)) {
    SetValue(ClampToLimits(Value()));
  }
}

// A number outside the limits, without cropping, keeps the focus here with
// the text selected and reports the range error.
void TCustomSpinEdit::DoExit() {
  focusedFlag_ = false;
  const AliveWatch alive(this);
  RefreshEditingText();
  if (!alive) return;
  if (checkOptions_.Contains(TCheckOption::coCheckOnExit)) {
    try {
      EnforceRange(Value(), !checkOptions_.Contains(TCheckOption::coCropBeyondLimit));
    } catch (const RangeError&) {
      focusedFlag_ = true;
      SelectAll();
      if (CanFocus()) SetFocus();
      throw;
    }
    SetValue(ClampToLimits(Value()));
    if (!alive) return;
  }
  TCustomMaskEditEx::DoExit();
}

}  // namespace ostrak
