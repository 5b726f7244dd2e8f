#pragma once

// The history panel of the roster window (F9): the folder's change sets,
// newest first, and the selected one's files with every field and rating
// before -> after; from it, the set's files restored to this version or the
// set taken back, each through a preview.

#include <QDockWidget>

#include "history/HistoryStore.h"

class QAction;
class QLabel;
class QPushButton;
class QTableView;
class QTreeWidget;

namespace ostrak::roster {

class HistoryModel;
class RosterUndo;
class RosterWindow;

class HistoryDock : public QDockWidget {
  Q_OBJECT

public:
  HistoryDock(RosterWindow& window, RosterUndo& undo);

  // Shows the panel with the keyboard in its list, or hides it.
  QAction& ToggleAction() const { return *toggle_; }
  HistoryModel& Model() const { return *model_; }
  QTableView& Sets() const { return *sets_; }
  QTreeWidget& Detail() const { return *detail_; }
  QPushButton& RestoreButton() const { return *restore_; }
  QPushButton& TakeBackButton() const { return *takeBack_; }
  QLabel& Note() const { return *note_; }

  void Select(history::ChangeSetId id);
  // The set selected; none when none is.
  std::optional<history::ChangeSetId> Selected() const;

private:
  void Reread();
  void ShowSelected();

  RosterWindow& window_;
  RosterUndo& undo_;
  QAction* toggle_;
  HistoryModel* model_;
  QTableView* sets_;
  QTreeWidget* detail_;
  QLabel* note_;
  QPushButton* restore_;
  QPushButton* takeBack_;
};

}  // namespace ostrak::roster
