#pragma once

// "Merge…": two selected files of one fighter made one. The dialog shows
// them field by field; Merge writes the file kept and removes the other as
// one change set through the roster engine, all or nothing.

#include <QObject>
#include <QPointer>

#include "ui/roster/MergeDialog.h"

class QAction;

namespace ostrak {
class Dialogs;
}

namespace ostrak::roster {

class DuplicatesView;
class RosterWindow;

class RosterMerge : public QObject {
  Q_OBJECT

public:
  RosterMerge(RosterWindow& window, DuplicatesView& duplicates, Dialogs& dialogs);

  // Enabled while two rows of one fighter are selected.
  QAction& Action() const { return *action_; }
  // Opens the dialog for the two selected rows, or says why it cannot.
  void MergeSelected();
  MergeDialog* Dialog() const { return dialog_; }

signals:
  void DialogShown();
  // The dialog closed: merged, or not (cancelled, refused, failed).
  void Finished(bool merged);

private:
  void Merge(MergeDialog& dialog);
  void Refuse(const QString& text);
  // Puts back a merge cut short into `keep`'s folder, and says what it put back.
  void PutBack(const std::string& keep);

  RosterWindow& window_;
  DuplicatesView& duplicates_;
  Dialogs& dialogs_;
  QAction* action_;
  QPointer<MergeDialog> dialog_;
};

}  // namespace ostrak::roster
