#pragma once

// The roster window: every fighter file under a folder as one table row,
// sorted by any column, filtered as the user types, watched for changes,
// opened into the editor, compared, and moved to a spreadsheet and back.
// The folder is read on a worker thread; rows show as they are read.

#include <QCollator>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/FolderWatch.h"
#include "record/FighterLayout.h"
#include "ui/card/Drawing.h"
#include "ui/roster/RosterFeed.h"
#include "ui/roster/RosterModel.h"
#include "ui/roster/RosterTranslations.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTableView;

namespace ostrak {
class Dialogs;
class TForm1;
namespace recorded {
class KeptHistory;
}
}  // namespace ostrak

namespace ostrak::roster {

class BulkSetDialog;
class ComparisonWindow;
class DuplicatesView;
class HistoryDock;
class RosterCards;
class RosterCompare;
class RosterMerge;
class RosterColumns;
class CellDelegate;
class SavedSelections;
class RosterTransfer;
class RosterUndo;

struct RosterSetup {
  RosterLanguage language = RosterLanguage::Spanish;
  std::array<QString, kRatingCount> ratingCaptions;        // the evaluation window's bar captions
  std::array<QString, kAttributeCount> attributeCaptions;  // the editor's labels, in kAttributeFields order
  Threading threading = Threading::Worker;
};

// The setup the editor's own captions and settings give.
RosterSetup SetupFromEditor(const TForm1& editor);

class RosterWindow : public QMainWindow {
  Q_OBJECT

public:
  // A window of the editor's (closing the editor ends the program; closing
  // this one only hides it). `dialogs` must outlive it.
  RosterWindow(TForm1& editor, Dialogs& dialogs, RosterSetup setup);
  ~RosterWindow() override;

  // Reads `folder`, as the user gave it (the title shows it so); a folder
  // that cannot be read is refused with a message and the table stays.
  void OpenFolder(const QString& folder);
  // The folder being shown, absolute, ending in '/'.
  const std::string& FolderPath() const { return folderPath_; }
  bool Loading() const { return loading_; }

  RosterModel& Model() { return *model_; }
  QTableView& Table() { return *table_; }
  QLineEdit& Filter() { return *filter_; }
  QComboBox& WeightClasses() { return *weightClasses_; }
  QLabel& Status() { return *status_; }
  // What came of the last edit: written, or why not.
  QLabel& EditNote() { return *editNote_; }
  // The folders the last look could not read, and why; empty when it read all.
  QLabel& UnreadNote() { return *unreadNote_; }
  ComparisonWindow* Comparison() const { return comparison_; }
  RosterTransfer& Transfer() { return *transfer_; }
  RosterCards& Cards() { return *cards_; }
  DuplicatesView& Duplicates() { return *duplicates_; }
  RosterMerge& Merge() { return *merge_; }
  // "Compare with folder or table…", made when first asked for.
  RosterCompare& CompareRosters();
  RosterColumns& Columns() { return *columns_; }
  SavedSelections& Selections() { return *selections_; }

  // What the folder watch's wait ends in: look for changes now.
  void RescanNow();
  // The watch has seen a change and the rescan waits for its timer.
  bool RescanPending() const { return changeWait_.isActive(); }
  // Applies the filter's text now rather than after the typing pauses.
  void ApplyFilterNow();
  // Undo and Redo of the folder's change sets, and the history panel.
  RosterUndo& Undo() { return *undo_; }
  HistoryDock& History() { return *historyDock_; }

  // The commands, as the keys and menus run them.
  void ChooseFolder();
  void OpenCurrentInEditor();
  void CompareSelected();
  // The cards of the selected fighters, in a folder the user chooses.
  void SaveSelectedCards(DrawingFormat format);
  void SortByColumn(int column);
  // An edit of a cell ended with `value` (see CellValue): the file written
  // through the roster engine, or why not in the status line and the cell's
  // tool tip; the row shows the file as it is then.
  void CommitCell(const QModelIndex& index, const QVariant& value);
  // "Set for selected…": the selected rows, every row shown or a saved
  // selection, in the dialog.
  void OpenBulkSet();
  BulkSetDialog* BulkSet() const;

signals:
  // Every row of the folder is in the table (after OpenFolder or a reload).
  void LoadingFinished();
  // A change seen in the folder is in the table.
  void ChangesApplied();
  // The filter's text and weight class are applied to the table.
  void FilterApplied();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void BuildWidgets();
  void PlaceOnScreen();
  void BuildActions();
  void ConnectFeed();
  void ShowContextMenu(const QPoint& where);
  // How the last look at the folder went: watched or looked at every
  // second, and the folders it could not read.
  void ShowListing(const ListingReport& report);
  void UpdateStatus();
  void OpenInEditor(int row);
  std::vector<int> SelectedRows() const;

  TForm1& editor_;
  Dialogs& dialogs_;
  RosterTranslations translations_;  // first: every text below is translated
  RosterSetup setup_;
  QString folderGiven_;
  std::string folderPath_;
  std::vector<SkippedFolder> skipped_;  // as last said
  bool loading_ = false;
  bool polling_ = false;
  int expected_ = 0;

  RosterModel* model_;
  QTableView* table_;
  QLineEdit* filter_;
  QComboBox* weightClasses_;
  QLabel* status_;
  QLabel* editNote_;
  QLabel* watchNote_;
  QLabel* unreadNote_;  // the folders not read
  QProgressBar* progress_;
  QMenu* contextMenu_;
  RosterColumns* columns_;
  CellDelegate* cellDelegate_;
  SavedSelections* selections_ = nullptr;
  ComparisonWindow* comparison_ = nullptr;
  QPointer<BulkSetDialog> bulkSet_;
  RosterTransfer* transfer_;
  RosterCards* cards_ = nullptr;
  DuplicatesView* duplicates_ = nullptr;
  RosterMerge* merge_ = nullptr;
  RosterCompare* compareRosters_ = nullptr;

  FolderWatch* watch_;
  RosterFeed* feed_;   // walks the folders watch_ watches
  QTimer changeWait_;  // from the first change seen to the rescan
  QTimer poll_;        // the rescans when the folders cannot be watched
  QTimer filterWait_;  // the typing pause before the filter applies
  qint64 lastFilterNs_ = 0;
  RosterUndo* undo_ = nullptr;
  HistoryDock* historyDock_ = nullptr;
  QCollator collator_ = RosterCollator();  // for the rows an edit reads again
  // The cell edits' history, opened at the first and kept: they run in the
  // window's thread, one after another.
  std::unique_ptr<recorded::KeptHistory> cellHistory_;
};

}  // namespace ostrak::roster
