// The edit's keyboard: the key down and key press stages, the characters an
// input method commits, and the clipboard and line keys the gate must see.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <array>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "widgets/spin/MaskEditEx.h"

namespace ostrak {

namespace {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  return shift;
}

bool HasPrintableText(const QKeyEvent& event) {
  const QString text = event.text();
  return !text.isEmpty() && text.front().unicode() >= 32 && text.front().unicode() != 127;
}

// The character a key produces as the platform reports typed characters:
// Ctrl with a letter gives its control code; Ctrl with Alt gives the
// character it composes (AltGr); Alt or Meta alone are system keys and give
// none; Delete and the keys without text give none. The same whatever text
// the windowing system attached to the event otherwise.
QChar CharacterOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const int key = event.key();
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool alt = modifiers & Qt::AltModifier;
  if (ctrl && alt) return HasPrintableText(event) ? event.text().front() : QChar();
  if (ctrl) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(static_cast<char16_t>(key - Qt::Key_A + 1));
    const QString text = event.text();
    return !text.isEmpty() && text.front().unicode() < 32 ? text.front() : QChar();
  }
  if (alt || (modifiers & Qt::MetaModifier)) return QChar();
  switch (key) {
    case Qt::Key_Backspace:
      return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(13);
    case Qt::Key_Escape:
      return QChar(27);
    case Qt::Key_Tab:
      return QChar(9);
    case Qt::Key_Delete:
      return QChar();
    default:
      break;
  }
  return HasPrintableText(event) ? event.text().front() : QChar();
}

// A key event for `character` typed with the original modifiers, for when a
// handler replaced the typed character.
QKeyEvent KeyEventFor(QChar character, const QKeyEvent& original) {
  int key = Qt::Key_unknown;
  const char16_t code = character.unicode();
  if (code >= 0x20 && code < 0x7F) key = QChar(code).toUpper().unicode();
  if (code == 8) key = Qt::Key_Backspace;
  if (code == 13) key = Qt::Key_Return;
  if (code == 27) key = Qt::Key_Escape;
  return QKeyEvent(QEvent::KeyPress, key, original.modifiers(), QString(character), original.isAutoRepeat());
}

// The standard keys the gate watches, in the order it asks about them.
constexpr std::array kGateKeys = {QKeySequence::Cut,
                                  QKeySequence::Copy,
                                  QKeySequence::Paste,
                                  QKeySequence::Undo,
                                  QKeySequence::Redo,
                                  QKeySequence::DeleteEndOfLine,
                                  QKeySequence::DeleteCompleteLine};

// QKeyEvent::matches with the platform's bindings read once: Qt builds the
// list anew at every call, and the gate asks seven times for every key
// typed. The bindings are the platform theme's, fixed while the program runs.
bool Matches(const QKeyEvent& event, QKeySequence::StandardKey standard) {
  static const auto bindings = [] {
    std::array<QList<QKeySequence>, kGateKeys.size()> lists;
    for (std::size_t i = 0; i < kGateKeys.size(); ++i) lists[i] = QKeySequence::keyBindings(kGateKeys[i]);
    return lists;
  }();
  // As Qt compares: the keypad and group switch modifiers make no difference.
  const int combined =
      (event.modifiers().toInt() | event.key()) & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier).toInt();
  for (std::size_t i = 0; i < kGateKeys.size(); ++i) {
    if (kGateKeys[i] == standard) return bindings[i].contains(QKeySequence(combined));
  }
  return event.matches(standard);
}

}  // namespace

void TCustomMaskEditEx::KeyDown(int& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TCustomMaskEditEx::KeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

// The key down stage sees every key; the key press stage the character the
// key typed. Either may consume it; what is left reaches the edit. A stage
// whose handler destroyed the edit has consumed the key.
void TCustomMaskEditEx::keyPressEvent(QKeyEvent* event) {
  const AliveWatch alive(this);
  Guard([&] {
    int key = event->key();
    KeyDown(key, ShiftStateOf(event->modifiers()));
    if (!alive || key == 0) {
      event->accept();
      return;
    }
    if (key != event->key()) {
      QKeyEvent replaced(QEvent::KeyPress, key, event->modifiers());
      DefaultKeyHandling(&replaced);
      event->setAccepted(replaced.isAccepted());
      return;
    }
    const QChar typed = CharacterOf(*event);
    if (typed.isNull() && HasPrintableText(*event)) {
      // The edit would insert the text of a key that types nothing: keep
      // the key, drop its text.
      QKeyEvent bare(QEvent::KeyPress, event->key(), event->modifiers(), QString(), event->isAutoRepeat());
      DefaultKeyHandling(&bare);
      event->setAccepted(bare.isAccepted());
      return;
    }
    if (typed.isNull()) {
      DefaultKeyHandling(event);
      return;
    }
    QChar character = typed;
    KeyPress(character);
    if (!alive || character.isNull()) {
      event->accept();
      return;
    }
    if (character != typed) {
      QKeyEvent replaced = KeyEventFor(character, *event);
      DefaultKeyHandling(&replaced);
      event->setAccepted(replaced.isAccepted());
      return;
    }
    DefaultKeyHandling(event);
  });
}

// Characters an input method commits are typed characters: each goes through
// the key stages like a key press. The composition itself stays Qt's.
void TCustomMaskEditEx::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  if (committed.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  const AliveWatch alive(this);
  QLineEdit::inputMethodEvent(&composing);
  for (QChar character : committed) {
    if (!alive) break;
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    keyPressEvent(&typed);
  }
  event->accept();
}

// Before a key reaches the edit, Qt asks whether the edit wants it rather
// than a shortcut. A writable edit wants every key below Escape typed with no
// modifier but Shift or the keypad's, whether or not it is a standard key;
// Qt finds that out by building and comparing the bindings of some twenty
// standard keys first, which costs more than the keystroke's whole insert.
// Any other key, or a read-only edit, is left to Qt's own answer.
bool TCustomMaskEditEx::ClaimPlainKey(QKeyEvent& event) const {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (isReadOnly() || event.key() >= Qt::Key_Escape ||
      (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier && modifiers != Qt::KeypadModifier)) {
    return false;
  }
  event.accept();
  return true;
}

void TCustomMaskEditEx::DefaultKeyHandling(QKeyEvent* event) {
  if (Matches(*event, QKeySequence::Cut)) {
    CutToClipboard();
  } else if (Matches(*event, QKeySequence::Copy)) {
    CopyToClipboard();
  } else if (Matches(*event, QKeySequence::Paste)) {
    PasteFromClipboard();
  } else if (Matches(*event, QKeySequence::Undo)) {
    Undo();
  } else if (Matches(*event, QKeySequence::Redo)) {
    Redo();
  } else if (Matches(*event, QKeySequence::DeleteEndOfLine)) {
    CutRange(cursorPosition(), static_cast<int>(text().size()));
  } else if (Matches(*event, QKeySequence::DeleteCompleteLine)) {
    CutRange(0, static_cast<int>(text().size()));
  } else {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
}

}  // namespace ostrak
