// How the editor is reached beyond its buttons: the commands' shortcuts and
// context menu.

#include "ui/EditorCommands.h"
#include "ui/Unit1.h"

namespace ostrak {

void TForm1::AttachKeyboardAndDrops() { commands_ = new EditorCommands(*this); }

void TForm1::SetEvaluationWindow(QWidget* window) {
  evaluationWindow_ = window;
  if (window && commands_) commands_->Attach(*window);
}

}  // namespace ostrak
