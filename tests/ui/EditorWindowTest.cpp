// The editor window's frame, the places its labels take beside their edits,
// and the order Tab visits its controls in.

#include <gtest/gtest.h>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;

TEST(EditorWindow, AFixedClientAreaThatMinimisesButDoesNotMaximise) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Ostrak Editor"));
  EXPECT_EQ(form.size(), QSize(463, 587));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form.imFondo->geometry(), QRect(0, 0, 463, 587));
  EXPECT_EQ(form.imIdioma->geometry(), QRect(417, -1, 45, 30));
}

TEST(EditorWindow, EditLabelsKeepThreePixelsAboveOrToTheLeftWhateverTheirText) {
  EditorHarness editor([](const test::TempDirectory& p) { test::WriteBytes(p / "Config.txt", "EN\r\n"); });
  TForm1& form = editor.Form();
  for (TLabeledEdit* edit : {form.edNombre, form.lbFechaNac}) {
    const TLabel* label = edit->EditLabel();
    EXPECT_EQ(label->pos(), QPoint(edit->Left(), edit->Top() - label->Height() - 3))
        << label->Caption().toStdString();
  }
  const TLabel* sherdog = form.edSherdog->EditLabel();
  EXPECT_EQ(sherdog->Caption(), QStringLiteral("Sherdog ID"));
  EXPECT_EQ(sherdog->pos(), QPoint(312 - sherdog->Width() - 3, 439 + (21 - sherdog->Height()) / 2));
  form.edSherdog->SetBounds(300, 400, 120, 21);
  EXPECT_EQ(sherdog->pos(), QPoint(300 - sherdog->Width() - 3, 400 + (21 - sherdog->Height()) / 2));
}

TEST(EditorWindow, TabVisitsTheEditsThenTheBoxesThenTheListsThenTheSherdogId) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  QStringList order;
  QWidget* control = form.edNombre;
  do {
    if (control->parentWidget() == &form && control->focusPolicy() == Qt::StrongFocus) {
      order << control->objectName();
    }
    control = control->nextInFocusChain();
  } while (control != form.edNombre && order.size() < 40);
  EXPECT_EQ(
      order.join(' '),
      QStringLiteral("edNombre edNombreCorto edEstatura edPeso lbNacionalidad lbFechaNac spPunch spKick "
                     "spStrenght spClinch spAgility spDodge spMotivation spTD spTDDef spGnP spGroundGame "
                     "spSub spSubDef spStamina spFortitude spPace spAgressivity spKORes cbCatPeso "
                     "cbGamePlan edSherdog"));
}

}  // namespace
}  // namespace ostrak
