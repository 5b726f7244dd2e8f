#pragma once

// The editor's Save card command (Ctrl+Shift+C, also in the context menu of
// the editor and of the evaluation window): the fighter on screen, changes
// not yet saved included, as a card in the file the user chooses.

namespace ostrak {

class Dialogs;
class TForm1;

// Hands the editor what its Save card command runs.
void InstallCardCommand(TForm1& editor, Dialogs& dialogs);

}  // namespace ostrak
