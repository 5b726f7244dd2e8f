// How the editor is reached beyond its buttons: the commands' shortcuts and
// context menu, undo and redo of the form, and fighters opened from outside
// the open dialog (the command line, a drop).

#include <QAction>
#include <QFileInfo>

#include "ui/EditorCommands.h"
#include "ui/FileDrop.h"
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
