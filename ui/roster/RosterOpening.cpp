#include "ui/roster/RosterOpening.h"

#include "ui/Unit1.h"
#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

RosterWindow* FindRosterWindow(const TForm1& editor) {
  return editor.findChild<RosterWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

RosterWindow& ShowRosterWindow(TForm1& editor, Dialogs& dialogs, const QString& folder) {
  RosterWindow* window = FindRosterWindow(editor);
  const bool made = !window;
  if (made) window = new RosterWindow(editor, dialogs, SetupFromEditor(editor));
  window->show();
  window->raise();
  window->activateWindow();
  if (!folder.isEmpty()) {
    window->OpenFolder(folder);
  } else if (made) {
    window->OpenFolder(StartFolder({}));
  }
  return *window;
}

}  // namespace ostrak::roster
