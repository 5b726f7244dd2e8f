#include "ui/roster/HistoryDock.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/ErrorGuard.h"
#include "recorded/TakeBack.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/HistoryModel.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterModel.h"
#include "ui/roster/RosterUndo.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

// A set of thousands of files shows its first ones; the command line's
// `history --show` tells them all.
constexpr std::size_t kShownFiles = 200;

}  // namespace

HistoryDock::HistoryDock(RosterWindow& window, RosterUndo& undo)
    : QDockWidget(tr("History"), &window),
      window_(window),
      undo_(undo),
      toggle_(new QAction(tr("&History panel"), &window)),
      model_(new HistoryModel(this)) {
  setObjectName(QStringLiteral("historyDock"));
  setAccessibleName(tr("History"));
  setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  note_ = new QLabel(body);
  note_->setObjectName(QStringLiteral("historyNote"));
  note_->setWordWrap(true);
  note_->setTextFormat(Qt::PlainText);
  note_->hide();
  layout->addWidget(note_);

  auto* split = new QSplitter(Qt::Vertical, body);
  sets_ = new QTableView(split);
  sets_->setObjectName(QStringLiteral("historySets"));
  sets_->setAccessibleName(tr("Change sets"));
  sets_->setModel(model_);
  sets_->setSelectionBehavior(QAbstractItemView::SelectRows);
  sets_->setSelectionMode(QAbstractItemView::SingleSelection);
  sets_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sets_->setWordWrap(false);
  sets_->verticalHeader()->hide();
  sets_->horizontalHeader()->setStretchLastSection(true);
  sets_->horizontalHeader()->setSectionResizeMode(HistoryModel::Command, QHeaderView::Stretch);
  sets_->horizontalHeader()->setSectionResizeMode(HistoryModel::Undone, QHeaderView::ResizeToContents);
  detail_ = new QTreeWidget(split);
  detail_->setObjectName(QStringLiteral("historyDetail"));
  detail_->setAccessibleName(tr("Changes of the selected set"));
  detail_->setHeaderLabels({tr("File"), tr("Change")});
  detail_->setRootIsDecorated(true);
  detail_->setUniformRowHeights(true);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  layout->addWidget(split, 1);

  auto* buttons = new QHBoxLayout;
  restore_ = new QPushButton(tr("Res&tore this version…"), body);
  restore_->setObjectName(QStringLiteral("historyRestore"));
  restore_->setToolTip(tr("Every file of the selected set as it was right after it, through a preview"));
  takeBack_ = new QPushButton(tr("U&ndo this change…"), body);
  takeBack_->setObjectName(QStringLiteral("historyTakeBack"));
  takeBack_->setToolTip(tr("Every file of the selected set as it was right before it, through a preview"));
  buttons->addStretch(1);
  buttons->addWidget(restore_);
  buttons->addWidget(takeBack_);
  layout->addLayout(buttons);
  setWidget(body);
  setTabOrder(sets_, detail_);
  setTabOrder(detail_, restore_);
  setTabOrder(restore_, takeBack_);

  toggle_->setObjectName(QStringLiteral("historyPanel"));
  toggle_->setCheckable(true);
  toggle_->setShortcut(QKeySequence(Qt::Key_F9));
  connect(toggle_, &QAction::triggered, this, [this](bool shown) {
    setVisible(shown);
    if (!shown) return;
    raise();
    sets_->setFocus(Qt::ShortcutFocusReason);
    if (!sets_->currentIndex().isValid() && model_->rowCount() > 0) sets_->selectRow(0);
  });
  connect(this, &QDockWidget::visibilityChanged, toggle_, [this] { toggle_->setChecked(isVisible()); });
  window.addAction(toggle_);

  connect(&undo, &RosterUndo::SetsRead, this, [this] { Guard([this] { Reread(); }); });
  connect(sets_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { Guard([this] { ShowSelected(); }); });
  connect(restore_, &QPushButton::clicked, this, [this] {
    Guard([this] {
      if (const auto id = Selected()) undo_.PreviewRestore(*id);
    });
  });
  connect(takeBack_, &QPushButton::clicked, this, [this] {
    Guard([this] {
      if (const auto id = Selected()) undo_.PreviewTakeBack(*id);
    });
  });
  ShowSelected();
}

std::optional<history::ChangeSetId> HistoryDock::Selected() const {
  const QModelIndexList rows = sets_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return model_->SetAt(rows.front().row()).id;
}

void HistoryDock::Select(history::ChangeSetId id) {
  const int row = model_->RowOf(id);
  if (row < 0) {
    sets_->clearSelection();
    return;
  }
  sets_->selectRow(row);
}

// The selection stays on its set while the list is read again.
void HistoryDock::Reread() {
  const std::optional<history::ChangeSetId> selected = Selected();
  model_->SetSets(undo_.Sets());
  note_->setText(undo_.Unreadable().isEmpty() ? QString()
                                              : tr("The history cannot be read: %1").arg(undo_.Unreadable()));
  note_->setVisible(!undo_.Unreadable().isEmpty());
  if (selected) Select(*selected);
  ShowSelected();
}

void HistoryDock::ShowSelected() {
  detail_->clear();
  const std::optional<history::ChangeSetId> id = Selected();
  std::optional<history::ChangeSetSummary> summary;
  if (id) summary = model_->SetAt(model_->RowOf(*id));
  restore_->setEnabled(summary.has_value());
  const bool undo = summary && summary->kind == history::SetKind::Undo;
  takeBack_->setText(undo ? tr("Re&do this change…") : tr("U&ndo this change…"));
  // Another program's change is not ours to take back; its files can be restored.
  takeBack_->setEnabled(summary && !summary->undone() && summary->kind != history::SetKind::Outside);
  if (!summary) return;

  std::optional<history::ChangeSet> set;
  QString trouble;
  {
    recorded::WriterHistory history = OpenWindowHistory();
    if (const history::Store* store = history.store()) {
      try {
        set = store->Get(*id);
      } catch (const std::exception& failure) {
        trouble = TranslateEngineMessage(std::string(failure.what()));
      }
    } else {
      trouble = TranslateEngineMessage(history.Unavailable());
    }
  }
  if (!set) {
    detail_->addTopLevelItem(
        new QTreeWidgetItem({trouble.isEmpty() ? tr("The set is no longer in the history.") : trouble}));
    return;
  }
  std::array<QString, 6> ratingNames;
  for (std::size_t i = 0; i < ratingNames.size(); ++i) {
    ratingNames[i] =
        window_.Model().headerData(RosterModel::FirstRating + static_cast<int>(i), Qt::Horizontal).toString();
  }
  const std::string folder = recorded::CanonicalPath(window_.FolderPath());
  for (const FileAccount& account : AccountOf(*set, folder, ratingNames, kShownFiles)) {
    auto* file = new QTreeWidgetItem({account.file, account.status});
    for (const QString& line : account.lines) file->addChild(new QTreeWidgetItem({QString(), line}));
    detail_->addTopLevelItem(file);
  }
  if (set->files.size() > kShownFiles) {
    detail_->addTopLevelItem(
        new QTreeWidgetItem({tr("… and %1 more files").arg(set->files.size() - kShownFiles)}));
  }
  detail_->expandAll();
  detail_->resizeColumnToContents(0);
}

}  // namespace ostrak::roster
