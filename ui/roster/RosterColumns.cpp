#include "ui/roster/RosterColumns.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

const QString kHeaderKey = QStringLiteral("roster/header");
// A state saved with another set of columns is not restored: its sections
// would name other columns.
const QString kColumnCountKey = QStringLiteral("roster/columnCount");

// A fitted column takes at most this share of the table's width.
constexpr int kMaxFitShare = 3;

}  // namespace

RosterColumns::RosterColumns(QTableView& table) : QObject(&table), table_(table), menu_(new QMenu(&table)) {
  menu_->setObjectName(QStringLiteral("columns"));
  menu_->setTitle(tr("Co&lumns"));
  QHeaderView* header = table_.horizontalHeader();
  header->setSectionsMovable(true);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QWidget::customContextMenuRequested, this,
          [this, header](const QPoint& where) { menu_->popup(header->mapToGlobal(where)); });
  connect(menu_, &QMenu::aboutToShow, this, [this] { Refill(); });

  const QSettings settings = RosterSettings();
  const bool restored = settings.value(kColumnCountKey).toInt() == RosterModel::ColumnCount &&
                        header->restoreState(settings.value(kHeaderKey).toByteArray());
  if (restored) {
    fitted_ = true;
  } else {
    for (int column = 0; column < RosterModel::ColumnCount; ++column) {
      header->setSectionHidden(column, !RosterModel::ShownAtFirst(column));
    }
  }
  Refill();
}

bool RosterColumns::Shown(int column) const { return !table_.horizontalHeader()->isSectionHidden(column); }

void RosterColumns::SetShown(int column, bool shown) {
  if (column <= RosterModel::File || column >= RosterModel::ColumnCount || Shown(column) == shown) return;
  table_.horizontalHeader()->setSectionHidden(column, !shown);
  if (shown) table_.resizeColumnToContents(column);
  Save();
}

void RosterColumns::ShowAllAttributes() {
  for (int column = RosterModel::FirstAttribute; column <= RosterModel::LastAttribute; ++column) {
    if (Shown(column)) continue;
    table_.horizontalHeader()->setSectionHidden(column, false);
    table_.resizeColumnToContents(column);
  }
  Save();
}

void RosterColumns::HideAttributes() {
  for (int column = RosterModel::FirstAttribute; column <= RosterModel::LastAttribute; ++column) {
    table_.horizontalHeader()->setSectionHidden(column, true);
  }
  Save();
}

void RosterColumns::Reset() {
  QHeaderView* header = table_.horizontalHeader();
  for (int column = 0; column < RosterModel::ColumnCount; ++column) {
    header->moveSection(header->visualIndex(column), column);
    header->setSectionHidden(column, !RosterModel::ShownAtFirst(column));
  }
  Fit();
  Save();
}

void RosterColumns::FitOnce() {
  if (fitted_ || table_.model()->rowCount() == 0) return;
  fitted_ = true;
  Fit();
}

// The last column shown takes the room left, so it is not fitted.
void RosterColumns::Fit() {
  QHeaderView* header = table_.horizontalHeader();
  const int last = header->logicalIndex(header->count() - 1 - header->hiddenSectionCount());
  const int widest = std::max(table_.viewport()->width() / kMaxFitShare, 120);
  for (int column = 0; column < RosterModel::ColumnCount; ++column) {
    if (!Shown(column) || column == last) continue;
    table_.resizeColumnToContents(column);
    if (header->sectionSize(column) > widest) header->resizeSection(column, widest);
  }
}

void RosterColumns::Save() const {
  QSettings settings = RosterSettings();
  settings.setValue(kColumnCountKey, static_cast<int>(RosterModel::ColumnCount));
  settings.setValue(kHeaderKey, table_.horizontalHeader()->saveState());
}

void RosterColumns::Refill() {
  menu_->clear();
  QAction* all = menu_->addAction(tr("Show all &attributes"), this, [this] { ShowAllAttributes(); });
  all->setObjectName(QStringLiteral("showAllAttributes"));
  menu_->addAction(tr("&Hide the attributes"), this, [this] { HideAttributes(); });
  menu_->addAction(tr("&Columns as at first"), this, [this] { Reset(); });
  menu_->addSeparator();
  const QAbstractItemModel& model = *table_.model();
  for (int column = RosterModel::File + 1; column < RosterModel::ColumnCount; ++column) {
    QAction* choice = menu_->addAction(model.headerData(column, Qt::Horizontal).toString());
    choice->setCheckable(true);
    choice->setChecked(Shown(column));
    connect(choice, &QAction::toggled, this, [this, column](bool shown) { SetShown(column, shown); });
  }
}

}  // namespace ostrak::roster
