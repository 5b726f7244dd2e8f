#pragma once

// Ctrl+R in the editor opens the roster window.

namespace ostrak {
class Dialogs;
class TForm1;
}  // namespace ostrak

namespace ostrak::roster {

// FIXME: a row of the editor's command table once it has one, so the key
// also shows in its context menu; until then a shortcut of its own.
void InstallRosterCommand(TForm1& editor, Dialogs& dialogs);

}  // namespace ostrak::roster
