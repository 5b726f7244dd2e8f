// The two windows as a user first sees them: the editor after start-up, and
// the evaluation window for a sample fighter. They read the data files beside
// the gallery, as the editor reads those beside itself.

#include "platform/ProgramDirectory.h"
#include "tools/gallery/Gallery.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace {

using namespace ostrak;

using gallery::NoDialogs;

void EnterSampleFighter(TForm1& form) {
  const std::pair<TSpinEdit*, int> attributes[] = {
      {form.spPunch, 16},   {form.spKick, 12},      {form.spStrenght, 14},   {form.spClinch, 11},
      {form.spAgility, 15}, {form.spDodge, 13},     {form.spMotivation, 18}, {form.spTD, 9},
      {form.spTDDef, 12},   {form.spGnP, 10},       {form.spSub, 6},         {form.spSubDef, 11},
      {form.spStamina, 17}, {form.spFortitude, 15}, {form.spPace, 14},       {form.spAgressivity, 19},
      {form.spKORes, 13},   {form.spGroundGame, 8}};
  for (const auto& [box, value] : attributes) box->SetValue(value);
  form.edNombre->SetText(QStringLiteral("Rafael Duarte Costa"));
  form.edNombreCorto->SetText(QStringLiteral("Rafa"));
  form.edEstatura->SetText(QStringLiteral("1.78 m"));
  form.edPeso->SetText(QStringLiteral("70 kg"));
  form.lbNacionalidad->SetText(QStringLiteral("Brasil"));
  form.lbFechaNac->SetText(QStringLiteral("12/03/1991"));
  form.edSherdog->SetText(QStringLiteral("48213"));
  form.cbGamePlan->SetItemIndex(1);
  form.cbCatPeso->SetItemIndex(1);
}

}  // namespace

OSTRAK_GALLERY_PAGE(EditorWindows) {
  NoDialogs dialogs;
  TForm1 editor(dialogs, ProgramDirectory());
  auto* evaluation = new TForm2(editor);
  editor.show();
  out.SaveWidget(editor, QStringLiteral("editor-startup"));

  EnterSampleFighter(editor);
  out.SaveWidget(editor, QStringLiteral("editor-sample-fighter"));
  editor.NavPanelButton5Click(editor.NavPanelButton5);
  out.SaveWidget(*evaluation, QStringLiteral("evaluation-sample-fighter"));
}
