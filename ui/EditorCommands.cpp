#include "ui/EditorCommands.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>
#include <array>

#include "localisation/LanguageSettings.h"
#include "platform/ErrorGuard.h"
#include "ui/Image.h"
#include "ui/Unit1.h"
#include "widgets/navigation/GraphicButton.h"

namespace ostrak {
namespace {

constexpr QKeyCombination Ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }
constexpr QKeyCombination CtrlShift(Qt::Key key) {
  return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, key);
}

// The language toggle always offers the other language, so its text in each
// language names the one it switches to.
const std::array kCommands = {
    EditorCommand{"commandSave", Ctrl(Qt::Key_S), "NavPanelButton1", "Guardar luchador", "Save fighter",
                  &TForm1::NavPanelButton1Click},
    EditorCommand{"commandLoad", Ctrl(Qt::Key_O), "NavPanelButton2", "Cargar luchador", "Load fighter",
                  &TForm1::NavPanelButton2Click},
    EditorCommand{"commandClearAll", Ctrl(Qt::Key_N), "NavPanelButton4", "Limpiar todo", "Clear all",
                  &TForm1::NavPanelButton4Click},
    EditorCommand{"commandUndo", Ctrl(Qt::Key_Z), nullptr, "Deshacer", "Undo", &TForm1::UndoFormChange,
                  QKeyCombination(), &TForm1::EditUndoesFirst},
    EditorCommand{"commandRedo", Ctrl(Qt::Key_Y), nullptr, "Rehacer", "Redo", &TForm1::RedoFormChange,
                  CtrlShift(Qt::Key_Z), &TForm1::EditRedoesFirst},
    EditorCommand{"commandEvaluate", Ctrl(Qt::Key_E), "NavPanelButton5", "Evaluar", "Evaluate",
                  &TForm1::NavPanelButton5Click},
    EditorCommand{"commandSaveCard", CtrlShift(Qt::Key_C), nullptr, "Guardar ficha…", "Save card…",
                  &TForm1::SaveCard},
    EditorCommand{"commandRecover", QKeyCombination(), nullptr, "Recuperar luchador sin guardar",
                  "Recover unsaved fighter", &TForm1::RecoverUnsavedFighter},
    EditorCommand{"commandLanguage", Ctrl(Qt::Key_L), "imIdioma", "Cambiar a inglés", "Switch to Spanish",
                  &TForm1::imIdiomaClick},
    EditorCommand{"commandRoster", Ctrl(Qt::Key_R), nullptr, "Plantilla", "Roster", &TForm1::OpenRoster},
    EditorCommand{"commandExit", Ctrl(Qt::Key_Q), "NavPanelButton3", "Salir", "Exit",
                  &TForm1::NavPanelButton3Click},
};

constexpr QKeyCombination kMenuKey(Qt::ShiftModifier, Qt::Key_F10);

// The interface speaks English when the English caption table was loaded;
// the design-time captions, shown without a table, are Spanish.
bool EnglishInterface(const LanguageSettings& language) {
  const TStringList& settings = language.Settings();
  return language.HasCaptionTable() && settings.Count() > 0 && settings.Get(0) == kEnglishCode;
}

// What a control shows as its caption; empty for one that shows none.
QString CaptionOf(const QObject* control) {
  if (const auto* captioned = qobject_cast<const TGraphicControlEx*>(control)) return captioned->Caption();
  return QString();
}

// A menu entry's text is shown as written: a single '&' would mark a
// mnemonic.
QString Verbatim(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

std::span<const EditorCommand> EditorCommandTable() { return kCommands; }

EditorCommands::EditorCommands(TForm1& editor)
    : QObject(&editor), editor_(editor), menu_(new QMenu(&editor)) {
  menu_->setObjectName(QStringLiteral("EditorContextMenu"));
  const bool english = EnglishInterface(editor.Language());
  for (const EditorCommand& command : kCommands) AddCommand(command, english);

  auto* menuKey = new QAction(this);
  menuKey->setObjectName(QStringLiteral("commandContextMenu"));
  menuKey->setShortcut(kMenuKey);
  menuKey->setAutoRepeat(false);
  connect(menuKey, &QAction::triggered, this, [this] { OpenMenuFromKeyboard(); });
  actions_.push_back(menuKey);
  Attach(editor);
}

void EditorCommands::AddCommand(const EditorCommand& command, bool english) {
  QObject* control = command.control ? editor_.findChild<QObject*>(QLatin1String(command.control),
                                                                   Qt::FindDirectChildrenOnly)
                                     : nullptr;
  const QString caption = CaptionOf(control);
  const QString text =
      !caption.isEmpty() ? caption : QString::fromUtf8(english ? command.english : command.spanish);
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(command.name));
  action->setText(Verbatim(text));
  QList<QKeySequence> keys;
  if (command.key != QKeyCombination()) keys.append(command.key);
  if (command.otherKey != QKeyCombination()) keys.append(command.otherKey);
  action->setShortcuts(keys);
  // Held down, a key would save or toggle the language again and again.
  action->setAutoRepeat(false);
  QPointer<QObject> sender = control ? control : &editor_;
  TForm1* editor = &editor_;
  connect(action, &QAction::triggered, this, [editor, sender, handler = command.handler] {
    QObject* origin = sender ? sender.data() : editor;
    Guard([editor, origin, handler] { (editor->*handler)(origin); });
  });
  menu_->addAction(action);
  actions_.push_back(action);

  if (auto* button = qobject_cast<TCustomGraphicButton*>(control)) {
    button->SetHint(text + QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) +
                    QLatin1Char(')'));
    button->SetShortcut(action->shortcut());
  } else if (auto* image = qobject_cast<TImage*>(control)) {
    image->SetShortcut(action->shortcut());
  }
}

void EditorCommands::Attach(QWidget& window) {
  windows_.emplace_back(&window);
  for (QAction* action : actions_) window.addAction(action);
  // A shortcut override goes to the control that has the keyboard, and the
  // context menu event to the control under the pointer first.
  window.installEventFilter(this);
  for (QWidget* control : window.findChildren<QWidget*>()) control->installEventFilter(this);
}

QAction* EditorCommands::Action(const char* name) const {
  for (QAction* action : actions_) {
    if (action->objectName() == QLatin1String(name)) return action;
  }
  return nullptr;
}

bool EditorCommands::IsCommandKey(QKeyCombination key) const {
  const QKeySequence pressed(key);
  for (const QAction* action : actions_) {
    if (action->shortcuts().contains(pressed)) return true;
  }
  return false;
}

bool EditorCommands::KeyStaysWith(QKeyCombination key, const QObject* control) const {
  for (const EditorCommand& command : kCommands) {
    if (command.key != key && command.otherKey != key) continue;
    return command.keyStaysWith && (editor_.*command.keyStaysWith)(control);
  }
  return false;
}

bool EditorCommands::IsAttachedWindow(const QObject* object) const {
  for (const QPointer<QWidget>& window : windows_) {
    if (window == object) return true;
  }
  return false;
}

bool EditorCommands::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // Left unclaimed, the key goes to the shortcut: an edit's end-of-line
      // on Ctrl+E gives way to Evaluate.
      auto* key = static_cast<QKeyEvent*>(event);
      if (!IsCommandKey(key->keyCombination()) || KeyStaysWith(key->keyCombination(), watched)) return false;
      key->ignore();
      return true;
    }
    case QEvent::ContextMenu:
      // Reaches the window when no control under it had a menu of its own.
      if (!IsAttachedWindow(watched)) return false;
      menu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      event->accept();
      return true;
    default:
      return false;
  }
}

void EditorCommands::OpenMenuFromKeyboard() {
  QWidget* window = QApplication::activeWindow();
  if (!IsAttachedWindow(window) || !window->windowHandle()) return;
  QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos(),
                            QGuiApplication::keyboardModifiers());
  QCoreApplication::sendEvent(window->windowHandle(), &request);
}

}  // namespace ostrak
