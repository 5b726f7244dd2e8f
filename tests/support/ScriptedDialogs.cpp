#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace ostrak::test {

void ScriptedDialogs::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
  messages.push_back({text, title, icon, false});
}

void ScriptedDialogs::ShowNotice(const QString& text, const QString& title) {
  messages.push_back({text, title, MessageIcon::None, true});
}

bool ScriptedDialogs::RunFileDialog(TFileDialog& dialog) {
  fileDialogs.push_back({dialog.Kind(), dialog.Title(), dialog.FileName(), dialog.StartDirectory()});
  dialog.DoShow();
  if (answers_.empty()) {
    ADD_FAILURE() << "a file dialog opened that the test did not expect";
    return false;
  }
  const std::optional<QString> answer = answers_.front();
  answers_.pop_front();
  if (!answer) return false;
  dialog.SetFileName(*answer);
  return true;
}

}  // namespace ostrak::test
