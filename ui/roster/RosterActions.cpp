// The roster window's commands, their keys and menus.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTableView>

#include "platform/DeviceScale.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "ui/Unit1.h"
#include "ui/card/CardFighter.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/HistoryDock.h"
#include "ui/roster/RosterCards.h"
#include "ui/roster/RosterColumns.h"
#include "ui/roster/RosterCompare.h"
#include "ui/roster/RosterMerge.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/RosterUndo.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/SavedSelections.h"

namespace ostrak::roster {

namespace {

constexpr int kMinCompared = 2;
constexpr int kMaxCompared = 4;

}  // namespace

void RosterWindow::BuildActions() {
  const auto action = [this](const QString& text, const QList<QKeySequence>& keys, auto run) {
    auto* made = new QAction(text, this);
    made->setShortcuts(keys);
    connect(made, &QAction::triggered, this, [this, run] { Guard([&] { run(); }); });
    return made;
  };
  QAction* choose = action(tr("&Open folder…"), {QKeySequence::Open}, [this] { ChooseFolder(); });
  QAction* reload = action(tr("&Reload"), {QKeySequence::Refresh}, [this] {
    if (!folderGiven_.isEmpty()) OpenFolder(folderGiven_);
  });
  QAction* exportRows = action(tr("&Export shown rows…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
                               [this] { transfer_->ExportShownRows(); });
  QAction* importTable = action(tr("&Import table…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)},
                                [this] { transfer_->ImportTable(); });
  QAction* close = action(tr("&Close"), {QKeySequence::Close}, [this] { this->close(); });
  QAction* find = action(tr("&Find"), {QKeySequence::Find}, [this] {
    filter_->setFocus(Qt::ShortcutFocusReason);
    filter_->selectAll();
  });
  QAction* open =
      action(tr("Open in the &editor"), {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
             [this] { OpenCurrentInEditor(); });
  // Enter opens only from the table: in the filter it stays the edit's own.
  open->setShortcutContext(Qt::WidgetShortcut);
  table_->addAction(open);
  QAction* compare =
      action(tr("&Compare"), {QKeySequence(Qt::CTRL | Qt::Key_D)}, [this] { CompareSelected(); });
  QAction* setSelected = action(tr("Set for &selected…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                                [this] { OpenBulkSet(); });
  QAction* sortHere = action(tr("&Sort by this column"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                             [this] { SortByColumn(std::max(table_->currentIndex().column(), 0)); });
  cards_ = new RosterCards(*this, dialogs_, CardCaptionsOf(editor_), setup_.threading);
  QAction* cardsPng = action(tr("Save &cards as PNG…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                             [this] { SaveSelectedCards(DrawingFormat::Png); });
  QAction* cardsSvg =
      action(tr("Save cards as S&VG…"), {}, [this] { SaveSelectedCards(DrawingFormat::Svg); });
  QAction* cardsPdf =
      action(tr("Save cards as P&DF…"), {}, [this] { SaveSelectedCards(DrawingFormat::Pdf); });

  merge_ = new RosterMerge(*this, *duplicates_, dialogs_);
  QAction* merge = &merge_->Action();
  QAction* compareRosters =
      action(tr("Compare with folder or &table…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}, [this] {
        CompareRosters().show();
        CompareRosters().raise();
        CompareRosters().activateWindow();
      });

  QMenu* roster = menuBar()->addMenu(tr("&Roster"));
  roster->addActions({choose, reload});
  roster->addSeparator();
  roster->addActions({exportRows, importTable, compareRosters});
  roster->addSeparator();
  roster->addMenu(&columns_->Menu());
  roster->addSeparator();
  roster->addAction(close);
  QMenu* fighters = menuBar()->addMenu(tr("&Fighters"));
  fighters->addActions({open, compare, merge, find, sortHere, setSelected});
  fighters->addSeparator();
  fighters->addActions({cardsPng, cardsSvg, cardsPdf});
  selections_ = new SavedSelections(*this, dialogs_);
  menuBar()->addMenu(&selections_->Menu());
  addActions({choose, reload, exportRows, importTable, close, find, compare, sortHere, cardsPng, merge,
              compareRosters, setSelected});

  contextMenu_ = new QMenu(this);
  contextMenu_->addActions({open, compare, merge, sortHere});
  contextMenu_->addSeparator();
  contextMenu_->addActions({cardsPng, cardsSvg, cardsPdf});
  contextMenu_->addSeparator();
  contextMenu_->addActions({exportRows, importTable, choose});

  // Ctrl+1 to Ctrl+9 sort by the first nine columns, Ctrl+0 by the current
  // cell's; again reverses. Anywhere in the window: the edits have no use
  // for them.
  for (int column = 0; column < 9; ++column) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + column)), this);
    connect(key, &QShortcut::activated, this, [this, column] { SortByColumn(column); });
  }
  // The menu key reaches the context menu through Qt; Shift+F10 as well.
  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), table_);
  menuKey->setContext(Qt::WidgetShortcut);
  connect(menuKey, &QShortcut::activated, this,
          [this] { ShowContextMenu(table_->visualRect(table_->currentIndex()).center()); });

  undo_ = new RosterUndo(*this, dialogs_, setup_.threading);
  historyDock_ = new HistoryDock(*this, *undo_);
  addDockWidget(Qt::RightDockWidgetArea, historyDock_);
  historyDock_->hide();
  QMenu* history = menuBar()->addMenu(tr("&History"));
  history->addActions({&undo_->UndoAction(), &undo_->RedoAction()});
  history->addSeparator();
  history->addAction(&historyDock_->ToggleAction());
}

// Compare stays enabled: with too few rows it says what it needs.
void RosterWindow::ShowContextMenu(const QPoint& where) {
  contextMenu_->popup(table_->viewport()->mapToGlobal(where));
}

void RosterWindow::ChooseFolder() {
  const QString start = folderPath_.empty() ? QString() : QString::fromStdString(folderPath_);
  if (const auto chosen = dialogs_.ChooseDirectory(tr("Open roster folder"), start)) OpenFolder(*chosen);
}

void RosterWindow::SortByColumn(int column) {
  QHeaderView* header = table_->horizontalHeader();
  // As the header's click: a new column in its own first order, again the other way.
  const Qt::SortOrder first = static_cast<Qt::SortOrder>(
      model_->headerData(column, Qt::Horizontal, Qt::InitialSortOrderRole).toInt());
  const Qt::SortOrder order = header->sortIndicatorSection() != column             ? first
                              : header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                   : Qt::AscendingOrder;
  // The header's indicator sorts the model through the view.
  header->setSortIndicator(column, order);
}

void RosterWindow::OpenCurrentInEditor() {
  if (const QModelIndex current = table_->currentIndex(); current.isValid()) OpenInEditor(current.row());
}

// The editor's own load: all or nothing, its own failure notice.
void RosterWindow::OpenInEditor(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const std::string path = folderPath_ + model_->RowAt(row).file;
  if (!editor_.LoadFighterFile(QFile::decodeName(QByteArray::fromStdString(path)))) return;
  editor_.show();
  editor_.raise();
  editor_.activateWindow();
}

void RosterWindow::CompareSelected() {
  const std::vector<int> rows = SelectedRows();
  const bool loadable =
      std::none_of(rows.begin(), rows.end(), [this](int row) { return model_->RowAt(row).HasProblem(); });
  if (rows.size() < kMinCompared || rows.size() > kMaxCompared || !loadable) {
    dialogs_.ShowMessage(tr("Select two to four fighters that load, then compare them."),
                         tr("Compare fighters"), MessageIcon::Information);
    return;
  }
  std::vector<std::string> files;
  for (const int row : rows) files.push_back(model_->RowAt(row).file);
  if (!comparison_)
    comparison_ = new ComparisonWindow(setup_.ratingCaptions, setup_.attributeCaptions, dialogs_, this);
  comparison_->Compare(folderPath_, files);
  comparison_->show();
  comparison_->raise();
  comparison_->activateWindow();
}

RosterCompare& RosterWindow::CompareRosters() {
  if (!compareRosters_)
    compareRosters_ = new RosterCompare(*this, dialogs_, setup_.ratingCaptions, setup_.threading);
  return *compareRosters_;
}

void RosterWindow::SaveSelectedCards(DrawingFormat format) {
  std::vector<std::string> files;
  for (const int row : SelectedRows()) files.push_back(model_->RowAt(row).file);
  cards_->Save(files, format, DrawingScale(devicePixelRatioF()));
}

}  // namespace ostrak::roster
