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

// The press comes once the request is answered: a command may open a modal
// dialog, which would keep the screen reader waiting.
TEST(EditorAccessibility, TheButtonsAndTheFlagArePushButtonsThatPressAsAClick) {
  EditorHarness editor;
  QAccessibleInterface* evaluate = QAccessible::queryAccessibleInterface(editor.Form().NavPanelButton5);
  QAccessibleInterface* flag = QAccessible::queryAccessibleInterface(editor.Form().imIdioma);
  ASSERT_TRUE(evaluate && flag);
  EXPECT_EQ(evaluate->role(), QAccessible::Button);
  EXPECT_EQ(evaluate->text(QAccessible::Name), QStringLiteral("Evaluar"));
  EXPECT_EQ(evaluate->text(QAccessible::Description), QStringLiteral("Evaluar (Ctrl+E)"));
  EXPECT_EQ(evaluate->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            QStringList{QStringLiteral("Ctrl+E")});
  EXPECT_EQ(flag->role(), QAccessible::Button);
  EXPECT_EQ(flag->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            QStringList{QStringLiteral("Ctrl+L")});
  evaluate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  flag->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(editor.Evaluation().isVisible());
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(editor.Evaluation().isVisible());
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Cambio de idioma"));
}

TEST(EditorAccessibility, ASpinBoxIsReadSetAndSteppedThroughItsValue) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.spPunch);
  ASSERT_TRUE(box && box->valueInterface() && box->textInterface());
  EXPECT_EQ(box->role(), QAccessible::SpinBox);
  editor.Type(form.spPunch, "15");
  EXPECT_EQ(box->valueInterface()->currentValue().toInt(), 15);
  EXPECT_EQ(box->valueInterface()->minimumValue().toInt(), 1);
  EXPECT_EQ(box->valueInterface()->maximumValue().toInt(), 20);
  EXPECT_EQ(box->textInterface()->text(0, box->textInterface()->characterCount()), QStringLiteral("15"));

  box->valueInterface()->setCurrentValue(25);
  EXPECT_EQ(form.spPunch->Text(), QStringLiteral("20")) << "clamped as typed";
  EXPECT_EQ(editor.Line(0), "20") << "through the change handler";
  box->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(editor.Line(0), "19");
}

TEST(EvaluationAccessibility, EachBarIsNamedByItsCaptionAsDrawnAndValuedByItsFill) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  for (QLineEdit* box : std::initializer_list<QLineEdit*>{form.spTD, form.spGnP, form.spSub})
    editor.Type(box, "10");
  editor.Type(form.spGroundGame, "12");
  editor.Click(form.NavPanelButton5);
  QAccessibleInterface* ground = QAccessible::queryAccessibleInterface(editor.Evaluation().gGround);
  ASSERT_TRUE(ground && ground->valueInterface());
  EXPECT_EQ(ground->role(), QAccessible::ProgressBar);
  EXPECT_EQ(ground->text(QAccessible::Name), QStringLiteral("Suelo 52%"));
  EXPECT_EQ(ground->valueInterface()->currentValue().toInt(), 52);
  EXPECT_EQ(Read(editor.Evaluation().gOverall, QAccessible::Name), QStringLiteral("Global 14%"));
}

}  // namespace
}  // namespace ostrak
