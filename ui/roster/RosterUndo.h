#pragma once

// Taking the roster folder's changes back from the window: Undo and Redo of
// whole change sets under the folder, named after the command that made
// them ("Undo Import roster.csv"), and, from the history panel, a set taken
// back or its files restored through a preview. Each runs on the window's
// worker as a take-back of the history, so it is confined, all or nothing,
// and itself recorded; what it did is said in the status line.

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "recorded/TakeBack.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/WorkerThread.h"

class QAction;
class QLabel;

namespace ostrak {
class Dialogs;
}

namespace ostrak::roster {

class RosterWindow;

class RosterUndo : public QObject {
  Q_OBJECT

public:
  RosterUndo(RosterWindow& window, Dialogs& dialogs, Threading threading);
  ~RosterUndo() override;

  QAction& UndoAction() const { return *undo_; }
  QAction& RedoAction() const { return *redo_; }
  // What the last take-back did, in the status line.
  QLabel& Result() const { return *result_; }

  // The change sets touching the folder, newest first, as last read.
  const std::vector<history::ChangeSetSummary>& Sets() const { return sets_; }
  // Why the history cannot be read; empty when it can (or is turned off).
  const QString& Unreadable() const { return unreadable_; }
  // The words of the command a set takes back, or its own: an undo of an
  // undo is named after the change it finally concerns.
  QString CommandOf(const history::ChangeSetSummary& set) const;

  // Reads the folder's history again, and the actions follow it.
  void Refresh();
  void UndoNewest();
  void RedoNewest();
  // From the history panel, each through a preview.
  void PreviewTakeBack(history::ChangeSetId id);
  void PreviewRestore(history::ChangeSetId id);
  ImportPreview* Preview() const { return preview_; }

  // A commit of the window's own (an import, a merge) has ended: a change
  // without history is said once a run, and the history is read again.
  void Committed(const std::string& noHistory);

signals:
  void SetsRead();
  void PreviewShown();
  // An undo, redo or restore has ended, applied or not.
  void TakenBack(bool applied);

private:
  enum class Request { Undo, Redo, TakeBack, Restore };
  struct Applied;

  void Plan(Request request, history::ChangeSetId id, bool preview);
  // `lines`: the plan told, when it is to be previewed.
  void Planned(const std::shared_ptr<recorded::TakeBackPlan>& plan,
               const std::shared_ptr<PreviewLines>& lines);
  void ShowPreview(const std::shared_ptr<recorded::TakeBackPlan>& plan, PreviewLines lines);
  void Apply(const std::shared_ptr<recorded::TakeBackPlan>& plan);
  void Finished(const recorded::TakeBackPlan& plan, const Applied& outcome);
  QString TitleOf(const recorded::TakeBackPlan& plan) const;
  QString Shown(const std::string& path) const;
  void SetBusy(bool busy);
  void FollowHistory();
  void TellNoHistory(const std::string& problem);

  RosterWindow& window_;
  Dialogs& dialogs_;
  QAction* undo_;
  QAction* redo_;
  QLabel* result_;
  std::vector<history::ChangeSetSummary> sets_;
  std::map<history::ChangeSetId, std::size_t> byId_;  // into sets_
  std::optional<history::ChangeSetSummary> undoable_, redoable_;
  QString unreadable_;
  std::string folder_;  // canonical, as the history keys files
  std::string noHistoryTold_;
  bool busy_ = false;
  QPointer<ImportPreview> preview_;
  WorkerThread worker_;
};

}  // namespace ostrak::roster
