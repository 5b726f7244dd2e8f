#pragma once

// The editor's Roster command (Ctrl+R and its context menu's entry) opens
// the roster window.

namespace ostrak {
class Dialogs;
class TForm1;
}  // namespace ostrak

namespace ostrak::roster {

// Hands the editor the opener its Roster command runs; the window itself is
// made the first time the command runs.
void InstallRosterCommand(TForm1& editor, Dialogs& dialogs);

}  // namespace ostrak::roster
