// The form's undo as a user meets it: each change one step, taken back and
// done again exactly, record lines and colours included; an edit's own
// typing first; Clear all, a load and a save.

#include <gtest/gtest.h>

#include <QAction>
#include <stdexcept>

#include "ui/EditorHarness.h"
#include "ui/FormUndo.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::FileOf;

void PressUndo(QWidget* focus) { QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); }
void PressRedo(QWidget* focus) { QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier); }

const QUndoStack& Steps(EditorHarness& editor) { return editor.Form().UndoHistory().Stack(); }

// Line 0 spelled as no box writes it, and two lines no control writes.
std::string Fighter(const char* name = "Bo Kim", int count = 29) {
  const char* lines[] = {" 7", "10",  "10", "10", "10", "10",   "10", "10",   "10",   "10",
                         "10", "10",  "10", "10", "10", "10",   "10", name,   "Bo",   "3",
                         "4",  "180", "77", "10", "KR", "1990", "77", "kept", "extra"};
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += std::string(lines[i]) + "\r\n";
  return bytes;
}

// A box that already shows 7 keeps the file's " 7" on its line.
void LoadOverASeven(EditorHarness& editor) {
  editor.Type(editor.Form().spPunch, "7");
  ASSERT_TRUE(
      editor.Form().LoadFighterFile(QString::fromStdString(editor.Files().File("bo.txt", Fighter()))));
  ASSERT_EQ(editor.Line(0), " 7");
}

struct Change {
  const char* name;
  std::function<void(EditorHarness&)> make;
};

class FormUndoStep : public ::testing::TestWithParam<Change> {};

TEST_P(FormUndoStep, IsOneStepThatUndoAndRedoPutBackExactly) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  LoadOverASeven(editor);
  const std::string before = editor.FormState();
  const int steps = Steps(editor).count();
  GetParam().make(editor);
  const std::string after = editor.FormState();
  ASSERT_NE(after, before);
  EXPECT_EQ(Steps(editor).count(), steps + 1);

  // The list has no typing of its own to take back.
  EditorHarness::Focus(form.cbGamePlan);
  PressUndo(form.cbGamePlan);
  EXPECT_EQ(editor.FormState(), before);
  EXPECT_EQ(Steps(editor).count(), steps + 1) << "putting the form back pushed a step";
  PressRedo(form.cbGamePlan);
  EXPECT_EQ(editor.FormState(), after);
  PressUndo(form.cbGamePlan);
  QTest::keyClick(form.cbGamePlan, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(editor.FormState(), after) << "the second redo key";
  EXPECT_TRUE(editor.errors.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachChange, FormUndoStep,
    ::testing::Values(Change{"TypingAName", [](EditorHarness& e) { e.Type(e.Form().edNombre, "Ann Lee"); }},
                      Change{"TypingInABox", [](EditorHarness& e) { e.Type(e.Form().spKick, "15"); }},
                      Change{"SteppingABoxThrice",
                             [](EditorHarness& e) {
                               for (int i = 0; i < 3; ++i) QTest::keyClick(e.Form().spKick, Qt::Key_Up);
                             }},
                      Change{"ChoosingAWeightClass",
                             [](EditorHarness& e) { QTest::keyClick(e.Form().cbCatPeso, Qt::Key_Up); }},
                      Change{"ClearAll", [](EditorHarness& e) { e.Click(e.Form().NavPanelButton4); }},
                      Change{"LoadingAnother",
                             [](EditorHarness& e) {
                               e.Form().LoadFighterFile(
                                   QString::fromStdString(e.Files().File("cy.txt", Fighter("Cy Ray"))));
                             }},
                      Change{"LoadingAShortFile",
                             [](EditorHarness& e) {
                               e.Form().LoadFighterFile(
                                   QString::fromStdString(e.Files().File("cy.txt", Fighter("Cy", 27))));
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormUndo, TheFirstLoadUndoesToTheNewFormAndTheCommandsNameTheStep) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  const std::string fresh = editor.FormState();
  auto* undo = form.findChild<QAction*>(QStringLiteral("commandUndo"));
  auto* redo = form.findChild<QAction*>(QStringLiteral("commandRedo"));
  ASSERT_TRUE(undo && redo);
  EXPECT_FALSE(undo->isEnabled());
  form.LoadFighterFile(QString::fromStdString(editor.Files().File("bo.txt", Fighter())));
  EXPECT_EQ(undo->text(), QStringLiteral("Deshacer Cargar Luchador"));
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  undo->trigger();
  EXPECT_EQ(editor.FormState(), fresh) << "boxes back in their first colour, lines empty";
  EXPECT_EQ(undo->text(), QStringLiteral("Deshacer"));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QStringLiteral("Rehacer Cargar Luchador"));
}

TEST(FormUndo, AnEditTakesBackItsOwnTypingOnlyWhileItIsTheNewest) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.Type(form.edNombre, "Ann");
  editor.Type(form.spKick, "9");
  EditorHarness::Focus(form.edNombre);

  // The box changed after the name: the form's step goes first.
  PressUndo(form.edNombre);
  EXPECT_EQ(form.spKick->Text(), QStringLiteral("1"));
  EXPECT_EQ(form.edNombre->Text(), QStringLiteral("Ann"));
  // Now the name's typing is the newest: the edit takes it back itself,
  // keeping its own redo, and the step it made is gone.
  PressUndo(form.edNombre);
  EXPECT_EQ(form.edNombre->Text(), QString());
  EXPECT_EQ(editor.Line(17), "");
  EXPECT_TRUE(form.edNombre->isRedoAvailable());
  EXPECT_EQ(Steps(editor).count(), 0);
  PressRedo(form.edNombre);
  EXPECT_EQ(form.edNombre->Text(), QStringLiteral("Ann"));
  EXPECT_EQ(editor.Line(17), "Ann");
  EXPECT_EQ(Steps(editor).count(), 1);
}

TEST(FormUndo, UndoAfterASaveBringsBackTheFighterAsSavedWhileACancelledSaveIsNoStep) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.FillRequired();
  const int steps = Steps(editor).count();
  editor.dialogs.Answer(std::nullopt);
  editor.Click(form.NavPanelButton1);
  EXPECT_EQ(Steps(editor).count(), steps) << "the fill alone";

  const std::string path = editor.Files() / "ann.txt";
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(form.NavPanelButton1);
  ASSERT_EQ(form.edNombre->Text(), QString());
  EditorHarness::Focus(form.cbCatPeso);
  PressUndo(form.cbCatPeso);
  EXPECT_EQ(form.edNombre->Text(), QStringLiteral("Ann Lee"));
  EXPECT_EQ(form.Record()->Lines().Text(), test::ReadBytes(path));
}

// What the next change will do when a draft is put back.
TEST(FormUndo, ASnapshotPutBackIsOneStepThatUndoTakesBack) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  LoadOverASeven(editor);
  const FormSnapshot taken = form.UndoHistory().Capture();
  const std::string loaded = editor.FormState();
  editor.Click(form.NavPanelButton4);
  editor.Type(form.edPeso, "80");
  const std::string changed = editor.FormState();

  form.UndoHistory().Restore(taken, QStringLiteral("Recover"));
  EXPECT_EQ(editor.FormState(), loaded);
  EXPECT_EQ(Steps(editor).undoText(), QStringLiteral("Recover"));
  form.UndoHistory().Undo();
  EXPECT_EQ(editor.FormState(), changed);
}

// The stack has moved and the form matches it before the failure is shown.
TEST(FormUndo, AListenerFailingDuringUndoIsShownOnceWithTheFormPutBack) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.Type(form.edNombre, "Ann");
  const std::string named = editor.FormState();
  editor.Type(form.edPeso, "80");
  const std::string weighed = editor.FormState();
  form.OnRecordChange = [] { throw std::runtime_error("Listener failed"); };
  EditorHarness::Focus(form.cbGamePlan);

  PressUndo(form.cbGamePlan);
  EXPECT_EQ(editor.errors.messages(), std::vector<std::string>{"Listener failed"});
  EXPECT_EQ(editor.FormState(), named);
  EXPECT_EQ(Steps(editor).index(), 1);
  PressRedo(form.cbGamePlan);
  EXPECT_EQ(editor.FormState(), weighed);
  EXPECT_EQ(Steps(editor).index(), 2);
  form.OnRecordChange = nullptr;
}

}  // namespace
}  // namespace ostrak
