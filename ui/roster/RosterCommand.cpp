#include "ui/roster/RosterCommand.h"

#include "ui/Unit1.h"
#include "ui/roster/RosterOpening.h"

namespace ostrak::roster {

void InstallRosterCommand(TForm1& editor, Dialogs& dialogs) {
  editor.SetRosterOpener([&editor, &dialogs] { ShowRosterWindow(editor, dialogs); });
}

}  // namespace ostrak::roster
