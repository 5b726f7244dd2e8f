// How the editor is reached beyond its buttons: the commands' shortcuts and
// context menu, undo and redo of the form, and fighters opened from outside
// the open dialog (the command line, a drop).

#include <QAction>
#include <QFileInfo>

#include "localisation/EditorTexts.h"
#include "platform/Dialogs.h"
#include "ui/EditorCommands.h"
#include "ui/FileDrop.h"
#include "ui/FormDraft.h"
#include "ui/FormUndo.h"
#include "ui/Unit1.h"

namespace ostrak {

void TForm1::AttachKeyboardAndDrops() {
  commands_ = new EditorCommands(*this);
  QAction* undo = commands_->Action("commandUndo");
  QAction* redo = commands_->Action("commandRedo");
  if (undo && redo) undo_->FollowIn(*undo, *redo);
  new FileDrop(*this, [this](const QString& path) { OpenFighterFile(path); });
}

void TForm1::UndoFormChange(QObject*) { undo_->Undo(); }
void TForm1::RedoFormChange(QObject*) { undo_->Redo(); }

void TForm1::RecoverUnsavedFighter(QObject*) {
  const QAction* command = commands_ ? commands_->Action("commandRecover") : nullptr;
  const QString step = command ? command->text() : QStringLiteral("Recover unsaved fighter");
  const FormDraft::Recovery recovery = draft_->Recover(step);
  if (recovery == FormDraft::Recovery::Recovered) {
    // The form holds no file now: the save proposes none.
    opened_.Forget();
    return;
  }
  const MessageTexts& message = recovery == FormDraft::Recovery::NoDraft
                                    ? NoDraftMessage(language_.Shown())
                                    : UnreadableDraftMessage(language_.Shown());
  dialogs_.ShowMessage(QString::fromUtf8(message.text), QString::fromUtf8(message.title),
                       MessageIcon::Information);
}

bool TForm1::EditUndoesFirst(const QObject* control) const { return undo_->ControlUndoesFirst(control); }
bool TForm1::EditRedoesFirst(const QObject* control) const { return undo_->ControlRedoesFirst(control); }

void TForm1::SetEvaluationWindow(QWidget* window) {
  evaluationWindow_ = window;
  if (window && commands_) commands_->Attach(*window);
}

// The dialog, next opened, shows the file in its folder, as if it had been
// chosen there.
void TForm1::OpenFighterFile(const QString& path) {
  const QFileInfo file(path);
  OpenDialog1.SetInitialDir(file.absolutePath());
  OpenDialog1.SetFileName(file.absoluteFilePath());
  LoadFighterFile(path);
}

}  // namespace ostrak
