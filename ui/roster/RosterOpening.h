#pragma once

// How the editor opens its roster window: one window, made the first time
// it is asked for (so the roster costs the editor's start nothing), owned by
// the editor, non-modal.

#include <QString>

namespace ostrak {
class Dialogs;
class TForm1;
}  // namespace ostrak

namespace ostrak::roster {

class RosterWindow;

// Shows the editor's roster window, making it on first use, and brings it
// forward. `folder` (as the user gave it) is opened when not empty; a new
// window without one opens the start folder (see StartFolder).
RosterWindow& ShowRosterWindow(TForm1& editor, Dialogs& dialogs, const QString& folder = {});

// The editor's roster window, if it has been made.
RosterWindow* FindRosterWindow(const TForm1& editor);

}  // namespace ostrak::roster
