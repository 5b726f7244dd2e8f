// The commands from the keyboard: each shortcut wherever the keyboard is,
// and the context menu made of the same commands in the interface's
// language. That an edit's own binding for a key gives way (end-of-line on
// Ctrl+E) shows only where the desktop binds it: the end-to-end test.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;

// A shortcut answers only in the active window.
void Focus(QWidget* control) { EditorHarness::Focus(control); }

// The first thing a command shows or does.
std::string Outcome(EditorHarness& e) {
  if (!e.dialogs.messages.empty()) return e.dialogs.messages[0].title.toStdString();
  if (!e.dialogs.fileDialogs.empty()) return e.dialogs.fileDialogs[0].title.toStdString();
  if (!e.Form().isVisible()) return "closed";
  if (e.Evaluation().isVisible()) return "evaluated";
  return e.Form().edNombre->Text().isEmpty() ? "cleared" : "nothing";
}

struct Shortcut {
  const char* name;
  Qt::Key key;
  const char* focus;  // a control of the editor, or the evaluation window
  const char* outcome;
};

class EditorShortcut : public ::testing::TestWithParam<Shortcut> {};

TEST_P(EditorShortcut, RunsItsCommandWhereverTheKeyboardIs) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.Type(form.edNombre, "Ann");
  editor.dialogs.Answer(std::nullopt);
  QWidget* focus = form.findChild<QWidget*>(QLatin1String(GetParam().focus));
  if (focus == &editor.Evaluation()) editor.Click(form.NavPanelButton5);
  Focus(focus);
  QTest::keyClick(focus, GetParam().key, Qt::ControlModifier);
  EXPECT_EQ(Outcome(editor), GetParam().outcome);
  EXPECT_TRUE(editor.errors.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachCommand, EditorShortcut,
    ::testing::Values(Shortcut{"SaveFromAnEdit", Qt::Key_S, "edNombre", "Faltan datos"},
                      Shortcut{"LoadFromASpinBox", Qt::Key_O, "spPunch", "Abrir luchador"},
                      Shortcut{"ClearAllFromAList", Qt::Key_N, "cbCatPeso", "cleared"},
                      Shortcut{"EvaluateFromAnEdit", Qt::Key_E, "edNombre", "evaluated"},
                      Shortcut{"LanguageFromTheEvaluationWindow", Qt::Key_L, "Form2", "Cambio de idioma"},
                      Shortcut{"ExitFromTheEvaluationWindow", Qt::Key_Q, "Form2", "closed"}),
    [](const auto& info) { return std::string(info.param.name); });

QMenu& ContextMenu(TForm1& form) { return *form.findChild<QMenu*>(QStringLiteral("EditorContextMenu")); }

class EditorContextMenu : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(EditorContextMenu, ListsTheCommandsWithTheirKeysAndRunsThem) {
  const std::string settings = std::string(GetParam().first) + "\r\n";
  EditorHarness editor([&](const test::TempDirectory& p) { test::WriteBytes(p / "Config.txt", settings); });
  TForm1& form = editor.Form();
  // What the platform sends a label on a right click; it has no menu.
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2),
                               form.Label2->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(form.Label2, &rightClick);
  QMenu& menu = ContextMenu(form);
  ASSERT_TRUE(menu.isVisible());
  QStringList entries;
  for (const QAction* action : menu.actions())
    entries << (action->text() + ' ' + action->shortcut().toString()).trimmed();
  EXPECT_EQ(entries.join(QStringLiteral(", ")), QString::fromUtf8(GetParam().second));
  EXPECT_EQ(form.NavPanelButton1->Hint(), menu.actions()[0]->text() + QStringLiteral(" (Ctrl+S)"));

  QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(menu.actions()[5]).center());
  EXPECT_FALSE(menu.isVisible());
  EXPECT_TRUE(editor.Evaluation().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EachLanguage, EditorContextMenu,
    ::testing::Values(
        std::pair{"ES",
                  "Guardar Luchador Ctrl+S, Cargar Luchador Ctrl+O, Limpiar todo Ctrl+N, "
                  "Deshacer Ctrl+Z, Rehacer Ctrl+Y, Evaluar Ctrl+E, Guardar ficha… Ctrl+Shift+C, "
                  "Recuperar luchador sin guardar, Cambiar a inglés Ctrl+L, Plantilla Ctrl+R, Salir Ctrl+Q"},
        std::pair{"EN",
                  "Save fighter Ctrl+S, Load fighter Ctrl+O, Clear all Ctrl+N, Undo Ctrl+Z, "
                  "Redo Ctrl+Y, Evaluate Ctrl+E, Save card… Ctrl+Shift+C, Recover unsaved fighter, "
                  "Switch to Spanish Ctrl+L, Roster Ctrl+R, Exit Ctrl+Q"}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(EditorContextMenuKeys, OpenFromControlsWithoutAMenuOfTheirOwnWhileEditsKeepTheirs) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  QMenu& menu = ContextMenu(form);
  Focus(form.cbGamePlan);
  QTest::keyClick(form.cbGamePlan, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(menu.isVisible());
  menu.close();

  // The edit's menu runs modally: it is looked at and closed from inside.
  QWidget* shown = nullptr;
  QTimer::singleShot(0, [&shown] {
    if ((shown = QApplication::activePopupWidget())) shown->close();
  });
  Focus(form.edPeso);
  QTest::keyClick(form.edPeso, Qt::Key_F10, Qt::ShiftModifier);
  ASSERT_NE(shown, nullptr);
  EXPECT_NE(shown, &menu);
}

}  // namespace
}  // namespace ostrak
