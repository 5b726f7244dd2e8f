#include "ui/EditorHarness.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

namespace ostrak::test {

EditorHarness::EditorHarness(const std::function<void(const TempDirectory&)>& prepare)
    : EditorHarness(Copy::Portable, "", prepare) {}

EditorHarness::EditorHarness(Copy copy, const std::string& configHome,
                             const std::function<void(const TempDirectory&)>& prepare)
    : previousDirectory_(QDir::currentPath()) {
  for (const char* name : {"Config.txt", "ES-Translation.txt", "EN-Translation.txt", "Fondo6.jpg",
                           "EnglishLang.jpg", "SPanishLang.jpg"}) {
    WriteBytes(program_ / name, ReadBytes(std::string(OSTRAK_SHIPPED_DATA_DIR) + name));
  }
  if (prepare) prepare(program_);
  QDir::setCurrent(QString::fromStdString(files_.path()));
  const ProgramFolder folder = copy == Copy::Installed ? ProgramFolder::Installed : ProgramFolder::Portable;
  form_ = std::make_unique<TForm1>(dialogs, program_.path(),
                                   SettingsPlaceFor(program_.path(), folder, configHome));
  evaluation_ = new TForm2(*form_);
  form_->show();
}

EditorHarness::~EditorHarness() {
  form_.reset();
  QDir::setCurrent(previousDirectory_);
}

std::string EditorHarness::Line(int line) {
  const FighterRecord* record = form_->Record();
  if (!record || line >= record->Lines().Count()) return "(none)";
  return record->Lines().Get(line);
}

void EditorHarness::Type(QLineEdit* edit, const char* text) {
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

void EditorHarness::Choose(QWidget* list, int index) {
  for (int i = 0; i <= index; ++i) QTest::keyClick(list, Qt::Key_Down);
}

void EditorHarness::FillRequired() {
  Type(form_->edNombre, "Ann Lee");
  Type(form_->edNombreCorto, "Ann");
  Type(form_->edSherdog, "4242");
  Choose(form_->cbCatPeso, 2);
  Choose(form_->cbGamePlan, 1);
}

void EditorHarness::Focus(QWidget* control) {
  control->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(control->window()));
  control->setFocus();
}

std::string EditorHarness::FormState() {
  std::string state = form_->Record()->Lines().Text();
  for (QObject* child : form_->children()) {
    if (auto* box = qobject_cast<TSpinEdit*>(child)) {
      state += box->Text().toStdString() + "/" + std::to_string(box->Font().Color()) + ";";
    } else if (auto* edit = qobject_cast<TLabeledEdit*>(child)) {
      state += edit->Text().toStdString() + ";";
    } else if (auto* list = qobject_cast<TComboBox*>(child)) {
      state += std::to_string(list->ItemIndex()) + ";";
    }
  }
  return state;
}

std::string FileOf(std::initializer_list<const char*> lines) {
  std::string bytes;
  for (const char* line : lines) bytes += std::string(line) + "\r\n";
  return bytes;
}

}  // namespace ostrak::test
