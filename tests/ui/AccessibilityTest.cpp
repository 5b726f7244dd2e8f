// What a screen reader learns of the editor: every control that takes the
// focus is named by its caption, and reads its value.

#include <gtest/gtest.h>

#include <QAccessible>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;

QString Read(QObject* control, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(text) : QStringLiteral("(none)");
}

// Qt names a list on this desktop by its current item and leaves its label
// to the "labelled by" relation, which screen readers announce first.
QString Name(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  if (!face) return QStringLiteral("(none)");
  if (face->role() == QAccessible::ComboBox) {
    for (const auto& [label, relation] : face->relations(QAccessible::Label))
      return label->text(QAccessible::Name);
    return QString();
  }
  return face->text(QAccessible::Name);
}

TEST(EditorAccessibility, FocusableControlsAreNamedByTheirCaptionsInTheChosenLanguage) {
  EditorHarness editor([](const test::TempDirectory& p) { test::WriteBytes(p / "Config.txt", "EN\r\n"); });
  TForm1& form = editor.Form();
  editor.Type(form.spPunch, "15");
  editor.Choose(form.cbGamePlan, 2);
  const std::pair<QWidget*, const char*> named[] = {{form.spPunch, "Punches"},
                                                    {form.spGroundGame, "Ground game"},
                                                    {form.spKORes, "KO resistance"},
                                                    {form.edNombre, "Full name"},
                                                    {form.edSherdog, "Sherdog ID"},
                                                    {form.cbGamePlan, "Game plan"},
                                                    {form.cbCatPeso, "Weight class"},
                                                    {form.NavPanelButton1, "Save fighter"},
                                                    {form.imIdioma, "Cambiar a castellano"}};
  for (const auto& [control, name] : named) {
    EXPECT_EQ(Name(control), QString::fromUtf8(name)) << control->objectName().toStdString();
  }
  EXPECT_EQ(Read(form.spPunch, QAccessible::Value), QStringLiteral("15"));
  EXPECT_EQ(Read(form.cbGamePlan, QAccessible::Value), QStringLiteral("GnP"));

  // Every control that takes the focus has a name.
  for (QWidget* control : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (control->focusPolicy() != Qt::NoFocus) {
      EXPECT_FALSE(Name(control).isEmpty()) << control->objectName().toStdString();
    }
  }
}

TEST(EditorAccessibility, TheButtonsArePushButtonsThatPressAsAClick) {
  EditorHarness editor;
  QAccessibleInterface* evaluate = QAccessible::queryAccessibleInterface(editor.Form().NavPanelButton5);
  ASSERT_NE(evaluate, nullptr);
  EXPECT_EQ(evaluate->role(), QAccessible::Button);
  EXPECT_EQ(evaluate->text(QAccessible::Name), QStringLiteral("Evaluar"));
  evaluate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(editor.Evaluation().isVisible());
}

}  // namespace
}  // namespace ostrak
