#pragma once

// Filters the user keeps under a name ("Lightweights from Brazil"): the
// search text and the weight class, kept per user beside the last folder,
// reapplied from the Selections menu, and offered as a target of "Set for
// selected…", so a change made every season is two clicks.

#include <QObject>
#include <QString>
#include <vector>

class QMenu;

namespace ostrak {
class Dialogs;
}

namespace ostrak::roster {

struct SavedSelection {
  QString name;
  QString text;          // the search text, as typed
  int weightClass = -1;  // item index, -1 for all
  bool operator==(const SavedSelection&) const = default;
};

std::vector<SavedSelection> LoadSelections();
void StoreSelections(const std::vector<SavedSelection>& selections);

class RosterWindow;

class SavedSelections : public QObject {
  Q_OBJECT

public:
  SavedSelections(RosterWindow& window, Dialogs& dialogs);

  QMenu& Menu() const { return *menu_; }
  const std::vector<SavedSelection>& All() const { return selections_; }

  // Asks for a name and keeps the window's filter under it; a name already
  // kept is replaced.
  void SaveCurrent();
  // The filter of the selection named `name`, in the window; false when no
  // selection has that name.
  bool Apply(const QString& name);
  void Forget(const QString& name);

private:
  void Store();
  void Refill();

  RosterWindow& window_;
  Dialogs& dialogs_;
  QMenu* menu_;
  std::vector<SavedSelection> selections_;
};

}  // namespace ostrak::roster
