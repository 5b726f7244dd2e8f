// What the editor window does when its controls report: each control writes
// its own record line, and the five commands and the language toggle.

#include <QFile>
#include <QFileInfo>

#include "localisation/CaptionLines.h"
#include "localisation/EditorTexts.h"
#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "record/LoadOrder.h"
#include "recorded/ChangeWords.h"
#include "recorded/KeptHistory.h"
#include "roster/SaveFile.h"
#include "ui/AttributeBands.h"
#include "ui/FormDraft.h"
#include "ui/FormUndo.h"
#include "ui/Unit1.h"

namespace ostrak {
namespace {

// The user picks paths as text; the file system takes the local encoding.
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

constexpr const char* kLoadFailed = "El luchador no se ha cargado correctamente";

}  // namespace

// Green from 15, black above 7, red up to 7; the box's tag is its line.
void TForm1::spPunchChange(QObject* sender) {
  auto* box = qobject_cast<TSpinEdit*>(sender);
  if (!box) return;
  const long double value = box->Value();
  box->Font().SetColor(AttributeBandColor(value));
  LiveRecord().Lines().Put(box->Tag(), EncodeAttribute(value));
  for (FighterField field : kAttributeFields) {
    if (FieldControl(field) != box) continue;
    RecordChanged(field);
    break;
  }
}

void TForm1::PutText(FighterField field, QObject*) {
  LiveRecord().PutText(field, QStringToAnsi(TextEdit(field).Text()));
  RecordChanged(field);
}

// The step is recorded before anyone is told, so a failing listener cannot
// leave a change the undo does not know of. Undo and redo tell once, at
// their end.
void TForm1::RecordChanged(FighterField field) {
  if (undo_) {
    if (undo_->Restoring()) return;
    undo_->ControlChanged(field);
  }
  if (OnRecordChange) OnRecordChange();
}

void TForm1::edNombreChange(QObject* sender) { PutText(FighterField::FullName, sender); }
void TForm1::edNombreCortoChange(QObject* sender) { PutText(FighterField::ShortName, sender); }
void TForm1::edEstaturaChange(QObject* sender) { PutText(FighterField::Height, sender); }
void TForm1::edPesoChange(QObject* sender) { PutText(FighterField::Weight, sender); }
void TForm1::lbNacionalidadChange(QObject* sender) { PutText(FighterField::Nationality, sender); }
void TForm1::lbFechaNacChange(QObject* sender) { PutText(FighterField::DateOfBirth, sender); }
void TForm1::edSherdogChange(QObject* sender) { PutText(FighterField::SherdogId, sender); }

void TForm1::cbGamePlanChange(QObject*) {
  LiveRecord().PutGamePlanIndex(cbGamePlan->ItemIndex());
  RecordChanged(FighterField::GamePlan);
}
void TForm1::cbCatPesoChange(QObject*) {
  LiveRecord().PutWeightClassIndex(cbCatPeso->ItemIndex());
  RecordChanged(FighterField::WeightClass);
}

// Save: the five required fields, in order; every character storable; the
// fill; the dialog; the file; the message; a clear form.
void TForm1::NavPanelButton1Click(QObject* sender) {
  if (edNombre->Text().isEmpty() || edNombreCorto->Text().isEmpty() || cbCatPeso->ItemIndex() < 0 ||
      cbGamePlan->ItemIndex() < 0 || edSherdog->Text().isEmpty()) {
    dialogs_.ShowMessage(CaptionText(kCaptionMissingFieldsText), CaptionText(kCaptionMissingFieldsTitle),
                         MessageIcon::Information);
    return;
  }
  if (RefuseCharactersWithoutByte()) return;
  LiveRecord().PrepareForSave();
  // The fill shows in no control: not a step, but where the next one starts,
  // so that undoing the clear after the save brings back the lines as saved.
  UndoHistory().Adopt();
  const SaveProposal proposal = opened_.ProposalFor(edNombre->Text());
  SaveDialog1.SetFileName(proposal.fileName);
  if (proposal.folder) SaveDialog1.SetInitialDir(*proposal.folder);
  if (!SaveDialog1.Execute(dialogs_)) return;
  SaveRecorded(LocalPath(SaveDialog1.FileName()));
  dialogs_.ShowMessage(CaptionText(kCaptionSavedText), CaptionText(kCaptionSavedTitle),
                       MessageIcon::Information);
  NavPanelButton4Click(sender);
  if (draft_) draft_->Clean();
}

// The store stays open from the first save on (see KeptHistory); a reason
// it cannot be used is said once a run, not at every save.
void TForm1::SaveRecorded(const std::string& path) {
  const auto journal = history_->Current().JournalFor(recorded::kSaveWords);
  roster::SaveFighterFile(path, LiveRecord().Lines().Text(), journal.get());
  if (!journal->Problem().empty() && journal->Problem() != noHistoryTold_) {
    noHistoryTold_ = journal->Problem();
    const MessageTexts& message = NoHistoryMessage(language_.Shown());
    dialogs_.ShowMessage(QString::fromUtf8(message.text).arg(QString::fromStdString(noHistoryTold_)),
                         QString::fromUtf8(message.title), MessageIcon::Information);
  }
  history_->Written(*journal);
}

// The record holds '?' for a character that has no Windows-1252 byte; the
// save names the first such character, in line order, instead of writing it.
bool TForm1::RefuseCharactersWithoutByte() {
  for (const FieldDescription& field : kFighterFields) {
    if (field.content != FieldContent::FreeText) continue;
    const TLabeledEdit& edit = TextEdit(field.field);
    const std::optional<char32_t> character = FirstCharacterWithoutAnsiByte(edit.Text());
    if (!character) continue;
    const MessageTexts& message = CharacterWithoutByteMessage(language_.Shown());
    const QString code =
        QStringLiteral("U+") + QString::number(*character, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    dialogs_.ShowMessage(QString::fromUtf8(message.text)
                             .arg(edit.EditLabel()->Caption(), QString::fromUcs4(&*character, 1), code),
                         QString::fromUtf8(message.title), MessageIcon::Information);
    return true;
  }
  return false;
}

// Load: whatever fails, from the dialog to the last control, ends in the
// one notice.
void TForm1::NavPanelButton2Click(QObject*) {
  bool chosen = false;
  try {
    chosen = OpenDialog1.Execute(dialogs_);
  } catch (...) {
    ShowLoadFailure();
    return;
  }
  if (chosen) LoadFighterFile(OpenDialog1.FileName());
}

// All or nothing: the file's lines are checked with the load order's own
// rules before the record or any control changes, so a failure leaves the
// fighter on screen as it was. A short file that loads is completed to the
// full record, which the save needs.
bool TForm1::LoadFighterFile(const QString& path) {
  try {
    FighterRecord& record = LiveRecord();
    TStringList lines;
    lines.LoadFromFile(LocalPath(path));
    CheckLoadable(lines);
    CompleteFighterLines(lines);
    const FormUndo::Step step(UndoHistory(), NavPanelButton2->Caption());
    record.Lines() = std::move(lines);
    LoadControlsFromRecord();
    opened_.Opened(path, edNombre->Text());
    const QString folder = QFileInfo(path).absolutePath();
    OpenDialog1.SetInitialDir(folder);
    SaveDialog1.SetInitialDir(folder);
    if (draft_) draft_->Clean();
    return true;
  } catch (...) {
    ShowLoadFailure();
    return false;
  }
}

void TForm1::ShowLoadFailure() {
  dialogs_.ShowNotice(QString::fromUtf8(kLoadFailed), QString::fromLatin1(kApplicationTitle));
}

void TForm1::LoadControlsFromRecord() {
  const TStringList& lines = LiveRecord().Lines();
  for (const LoadStep& step : LoadOrder()) {
    switch (step.kind) {
      case LoadStepKind::AttributeValue:
        AttributeBox(step.target).SetValue(step.Number(lines));
        break;
      case LoadStepKind::Text:
        TextEdit(step.target).SetText(AnsiToQString(step.Text(lines)));
        break;
      case LoadStepKind::GamePlanIndex:
        cbGamePlan->SetItemIndex(step.Number(lines));
        break;
      case LoadStepKind::WeightClassIndex:
        cbCatPeso->SetItemIndex(step.Number(lines));
        break;
    }
  }
}

void TForm1::NavPanelButton3Click(QObject*) { close(); }

// Clear all: every control in creation order; boxes to 1, edits emptied.
// The record follows through the controls' own change handlers.
void TForm1::NavPanelButton4Click(QObject*) {
  const FormUndo::Step step(UndoHistory(), NavPanelButton4->Caption());
  opened_.Forget();
  for (QWidget* component : components_) {
    if (auto* box = qobject_cast<TSpinEdit*>(component)) {
      box->SetValue(1);
    } else if (auto* edit = qobject_cast<TLabeledEdit*>(component)) {
      edit->SetText(QString());
    }
  }
}

// Showing a window that is already visible only brings it forward.
void TForm1::NavPanelButton5Click(QObject*) {
  if (!evaluationWindow_) return;
  evaluationWindow_->show();
  evaluationWindow_->raise();
  evaluationWindow_->activateWindow();
}

// Opens nothing until the roster window's wing has handed its opener over.
void TForm1::OpenRoster(QObject*) {
  if (rosterOpener_) rosterOpener_();
}

void TForm1::SaveCard(QObject*) {
  if (cardSaver_) cardSaver_();
}

void TForm1::imIdiomaClick(QObject*) {
  language_.Toggle([this](const LanguageMessage& message) {
    dialogs_.ShowMessage(QString::fromUtf8(message.text), QString::fromUtf8(message.title),
                         MessageIcon::None);
  });
}

// The dialog is already built when this runs, so the folder governs its next
// opening.
void TForm1::OpenDialog1Show() { OpenDialog1.SetInitialDir(QStringLiteral("Fighters")); }
void TForm1::SaveDialog1Show() { SaveDialog1.SetInitialDir(QStringLiteral("Fighters")); }

}  // namespace ostrak
