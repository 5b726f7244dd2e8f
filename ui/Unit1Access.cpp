// How the editor is reached beyond its buttons: the commands' shortcuts and
// context menu, and fighters opened from outside the open dialog (the
// command line, a drop).

#include <QFileInfo>

#include "ui/EditorCommands.h"
#include "ui/FileDrop.h"
#include "ui/Unit1.h"

namespace ostrak {

void TForm1::AttachKeyboardAndDrops() {
  commands_ = new EditorCommands(*this);
  new FileDrop(*this, [this](const QString& path) { OpenFighterFile(path); });
}

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
