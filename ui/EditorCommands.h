#pragma once

// The editor's commands as the keyboard and the context menu offer them. One
// table row per command names its shortcut, the control whose click it is,
// the handler and the menu text; the actions, the context menu, and the
// buttons' tool tips and shortcuts are all made from the table, so a new
// command is a new row. A shortcut works wherever the keyboard is in a window the commands
// are attached to: a control's own binding for the same key gives way, unless
// the row lets the control keep it (an edit undoing its own typing). The
// context menu opens over whatever has no menu of its own, with the right
// button, the Menu key or Shift+F10; edits keep their edit menu.

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace ostrak {

class TForm1;

struct EditorCommand {
  const char* name;  // the action's object name
  QKeyCombination key;
  // The editor's control whose click the command is, which the handler gets
  // as its sender; its caption, when it shows one, is the menu entry's text.
  // Null: the handler gets the editor window.
  const char* control;
  // The menu entry's text where there is no caption, in the interface's
  // language: Spanish or English (UTF-8).
  const char* spanish;
  const char* english;
  void (TForm1::*handler)(QObject* sender);
  // A second key for the same command; none when left out.
  QKeyCombination otherKey = QKeyCombination();
  // When set, a key of the command stays with the control that has the
  // keyboard whenever this says so for it: an edit takes its own typing back
  // before the form's steps.
  bool (TForm1::*keyStaysWith)(const QObject* control) const = nullptr;
};

// In menu order.
std::span<const EditorCommand> EditorCommandTable();

class EditorCommands : public QObject {
  Q_OBJECT

public:
  // Made once the editor's captions are set, in the language they are in;
  // attached to the editor at once.
  explicit EditorCommands(TForm1& editor);

  // The shortcuts and the context menu work in `window` too.
  void Attach(QWidget& window);

  QMenu& ContextMenu() { return *menu_; }
  // The action of the command of that name; null for none.
  QAction* Action(const char* name) const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void AddCommand(const EditorCommand& command, bool english);
  bool IsCommandKey(QKeyCombination key) const;
  bool KeyStaysWith(QKeyCombination key, const QObject* control) const;
  bool IsAttachedWindow(const QObject* object) const;
  // Asks the active window for its context menu as the platform does for
  // the Menu key: the focused control answers, or leaves it to the window.
  void OpenMenuFromKeyboard();

  TForm1& editor_;
  QMenu* menu_;
  std::vector<QAction*> actions_;  // the commands, then Shift+F10
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace ostrak
