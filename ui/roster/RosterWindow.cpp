#include "ui/roster/RosterWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <cstdio>

#include "core/Errors.h"
#include "localisation/CaptionLines.h"
#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "recorded/KeptHistory.h"
#include "ui/Unit1.h"
#include "ui/roster/CellEditors.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/RosterColumns.h"
#include "ui/roster/RosterDelegate.h"
#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/UnreadFolders.h"

namespace ostrak::roster {

namespace {

// The caption lines of the editor's attribute labels, in kAttributeFields order.
constexpr std::array<int, kAttributeCount> kAttributeCaptionLines = {53, 54, 55, 56, 57, 58, 59, 60, 61,
                                                                     62, 64, 65, 66, 67, 68, 69, 70, 63};

// A change is looked for this long after the first sign of it, so a burst of
// writes is read once, well within the second the table has to show it.
constexpr int kChangeWaitMs = 150;
constexpr int kPollMs = 1000;
// The filter waits for a pause in the typing as long as its last pass took,
// up to this; a fast pass applies at once.
constexpr qint64 kMaxFilterWaitMs = 150;

}  // namespace

RosterSetup SetupFromEditor(const TForm1& editor) {
  RosterSetup setup;
  setup.language = RosterLanguageOf(editor.Language());
  for (std::size_t i = 0; i < setup.ratingCaptions.size(); ++i) {
    setup.ratingCaptions[i] = editor.CaptionText(kCaptionBars[i]);
  }
  for (std::size_t i = 0; i < setup.attributeCaptions.size(); ++i) {
    // Without a caption table the labels keep their design-time texts.
    try {
      setup.attributeCaptions[i] = editor.CaptionText(kAttributeCaptionLines[i]);
    } catch (const Error&) {
      setup.attributeCaptions[i] = AnsiToQString(Describe(kAttributeFields[i]).designCaption);
    }
  }
  return setup;
}

RosterWindow::RosterWindow(TForm1& editor, Dialogs& dialogs, RosterSetup setup)
    : QMainWindow(&editor, Qt::Window),
      editor_(editor),
      dialogs_(dialogs),
      translations_(setup.language),
      setup_(std::move(setup)),
      model_(new RosterModel(setup_.ratingCaptions, setup_.attributeCaptions, this)),
      transfer_(new RosterTransfer(*this, dialogs, setup_.threading)),
      watch_(new FolderWatch(this)),
      feed_(new RosterFeed(setup_.threading, watch_->Tree(), this)),
      cellHistory_(std::make_unique<recorded::KeptHistory>()) {
  setObjectName(QStringLiteral("RosterWindow"));
  // Only the editor decides when the program ends.
  setAttribute(Qt::WA_QuitOnClose, false);
  BuildWidgets();
  BuildActions();
  ConnectFeed();

  changeWait_.setSingleShot(true);
  changeWait_.setInterval(kChangeWaitMs);
  connect(&changeWait_, &QTimer::timeout, this, [this] { Guard([this] { RescanNow(); }); });
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { Guard([this] { RescanNow(); }); });
  // A burst of signs (an import writing many files) is read once, when the
  // wait that its first sign started ends.
  connect(watch_, &FolderWatch::Changed, this, [this] {
    if (!changeWait_.isActive()) changeWait_.start();
  });
  filterWait_.setSingleShot(true);
  connect(&filterWait_, &QTimer::timeout, this, [this] { Guard([this] { ApplyFilterNow(); }); });
  PlaceOnScreen();
}

// Wide enough for every column but the problem's, within the screen.
void RosterWindow::PlaceOnScreen() {
  int width = 0;
  for (int column = 0; column < RosterModel::Problem; ++column) width += table_->columnWidth(column);
  width += 240 + 2 * table_->frameWidth() + 24;
  const QScreen* screen = this->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  resize(std::min(width, available.width() * 19 / 20), std::min(680, available.height() * 9 / 10));
  move(available.center() - rect().center());
}

// An edit still open when the window goes is dropped, not written: its
// focus leaving as the widgets go would otherwise commit it.
RosterWindow::~RosterWindow() {
  cellDelegate_->Commit = nullptr;
  columns_->Save();
}

void RosterWindow::BuildWidgets() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* bar = new QHBoxLayout;
  auto* filterLabel = new QLabel(tr("&Search:"), central);
  filter_ = new QLineEdit(central);
  filter_->setObjectName(QStringLiteral("filter"));
  filter_->setClearButtonEnabled(true);
  filter_->setPlaceholderText(tr("File, name or nationality (Ctrl+F)"));
  filter_->setAccessibleName(tr("Search"));
  filterLabel->setBuddy(filter_);
  auto* classLabel = new QLabel(tr("&Weight class:"), central);
  weightClasses_ = new QComboBox(central);
  weightClasses_->setObjectName(QStringLiteral("weightClasses"));
  weightClasses_->addItem(tr("All"));
  for (const char* item : kWeightClassItems) weightClasses_->addItem(QString::fromLatin1(item));
  weightClasses_->setAccessibleName(tr("Weight class"));
  classLabel->setBuddy(weightClasses_);
  bar->addWidget(filterLabel);
  bar->addWidget(filter_, 1);
  bar->addWidget(classLabel);
  bar->addWidget(weightClasses_);
  layout->addLayout(bar);

  table_ = new QTableView(central);
  table_->setObjectName(QStringLiteral("roster"));
  table_->setAccessibleName(tr("Fighters"));
  table_->setModel(model_);
  cellDelegate_ = new CellDelegate(table_);
  cellDelegate_->Commit = [this](const QModelIndex& index, const QVariant& value) {
    CommitCell(index, value);
  };
  table_->setItemDelegate(cellDelegate_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Enter stays the editor's (see BuildActions); F2, typing or a double
  // click edits a cell that can be edited.
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->setWordWrap(false);
  table_->setAlternatingRowColors(true);
  // The delegate draws the lines between columns: Qt's grid costs a quarter
  // of a page's painting.
  table_->setShowGrid(false);
  table_->setSortingEnabled(true);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSortIndicator(RosterModel::File, Qt::AscendingOrder);
  table_->horizontalHeader()->setHighlightSections(false);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  const QFontMetrics metrics(table_->font());
  const auto width = [&](const QString& sample) { return metrics.horizontalAdvance(sample) + 16; };
  // Typical texts; longer ones are elided, and the columns can be widened.
  const char* samples[] = {"old/iker-solano-nunez.txt", "Iker Solano Nunez", "Solano Nunez", "Nacionalidad",
                           "Lightweight: Max 155",      "Submission"};
  for (int column = 0; column < RosterModel::FirstRating; ++column) {
    table_->setColumnWidth(column, width(QLatin1String(samples[column])));
  }
  // Room for the header's sort arrow beside its caption.
  for (int column = RosterModel::FirstRating; column <= RosterModel::LastRating; ++column) {
    table_->setColumnWidth(column,
                           std::max(width(QStringLiteral("100%")) + 16,
                                    width(model_->headerData(column, Qt::Horizontal).toString()) + 12));
  }
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
  columns_ = new RosterColumns(*table_);
  layout->addWidget(table_, 1);
  duplicates_ = new DuplicatesView(*this);
  bar->addWidget(&duplicates_->Toggle());
  bar->addWidget(&duplicates_->Note());
  setCentralWidget(central);
  table_->setFocus();

  status_ = new QLabel(statusBar());
  status_->setObjectName(QStringLiteral("status"));
  editNote_ = new QLabel(statusBar());
  editNote_->setObjectName(QStringLiteral("editNote"));
  editNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  editNote_->hide();
  watchNote_ = new QLabel(statusBar());
  watchNote_->hide();
  unreadNote_ = new QLabel(statusBar());
  unreadNote_->setObjectName(QStringLiteral("unreadFolders"));
  // However many folders it names, it never widens the window.
  unreadNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  unreadNote_->setContentsMargins(metrics.averageCharWidth() * 2, 0, 0, 0);
  unreadNote_->hide();
  progress_ = new QProgressBar(statusBar());
  progress_->setAccessibleName(tr("Reading the folder"));
  progress_->setMaximumWidth(220);
  progress_->hide();
  // The counts keep their room; the note of the folders not read has the rest.
  statusBar()->addWidget(status_, 1);
  statusBar()->addWidget(editNote_, 3);
  statusBar()->addWidget(unreadNote_, 3);
  statusBar()->addPermanentWidget(watchNote_);
  statusBar()->addPermanentWidget(progress_);

  connect(filter_, &QLineEdit::textChanged, this, [this] {
    filterWait_.start(static_cast<int>(std::min(kMaxFilterWaitMs, lastFilterNs_ / 1'000'000)));
  });
  connect(weightClasses_, &QComboBox::currentIndexChanged, this,
          [this] { Guard([this] { ApplyFilterNow(); }); });
  connect(table_, &QTableView::activated, this,
          [this](const QModelIndex& index) { Guard([&] { OpenInEditor(index.row()); }); });
  connect(table_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& where) { ShowContextMenu(where); });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateStatus(); });
}

void RosterWindow::ConnectFeed() {
  connect(feed_, &RosterFeed::Listed, this, [this](int total, const ListingReport& report) {
    expected_ = total;
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(0);
    ShowListing(report);
    UpdateStatus();
  });
  connect(feed_, &RosterFeed::RowsRead, this, [this](const std::shared_ptr<std::vector<RosterRow>>& rows) {
    model_->Append(std::move(*rows));
    progress_->setValue(model_->TotalCount());
    UpdateStatus();
  });
  connect(feed_, &RosterFeed::Loaded, this, [this] {
    loading_ = false;
    model_->Resort();
    columns_->FitOnce();
    progress_->hide();
    UpdateStatus();
    if (table_->currentIndex().row() < 0 && model_->rowCount() > 0) {
      table_->setCurrentIndex(model_->index(0, 0));
    }
    emit LoadingFinished();
  });
  connect(feed_, &RosterFeed::Changed, this,
          [this](const std::shared_ptr<RosterChanges>& changes, const ListingReport& report) {
            model_->Apply(std::move(*changes));
            ShowListing(report);
            UpdateStatus();
            emit ChangesApplied();
          });
}

void RosterWindow::OpenFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.isDir() || !info.isReadable()) {
    dialogs_.ShowMessage(tr("The folder \"%1\" cannot be read.").arg(folder), tr("Roster"),
                         MessageIcon::Stop);
    return;
  }
  folderGiven_ = folder;
  const QString absolute = QDir::cleanPath(info.absoluteFilePath());
  folderPath_ = QFile::encodeName(absolute).toStdString();
  if (!folderPath_.ends_with('/')) folderPath_ += '/';
  RememberFolder(absolute);
  setWindowTitle(tr("Roster — %1").arg(folderGiven_));

  loading_ = true;
  expected_ = 0;
  watchNote_->hide();
  skipped_.clear();
  unreadNote_->hide();
  model_->Clear();
  progress_->setRange(0, 0);
  progress_->show();
  UpdateStatus();
  watch_->Tree()->Follow(folderPath_);
  feed_->Load(folderPath_);
}

void RosterWindow::ShowListing(const ListingReport& report) {
  polling_ = !report.watched;
  watchNote_->setVisible(polling_);
  if (polling_) {
    watchNote_->setText(tr("The folder cannot be watched; it is looked at every second."));
    if (isVisible() && !poll_.isActive()) poll_.start();
  } else {
    poll_.stop();
  }
  if (report.skipped == skipped_) return;
  skipped_ = report.skipped;
  const UnreadFolders unread =
      DescribeUnreadFolders(QFile::decodeName(QByteArray::fromStdString(folderPath_)), skipped_);
  unreadNote_->setText(unread.status);
  unreadNote_->setToolTip(unread.lines.join(QLatin1Char('\n')));
  unreadNote_->setVisible(!skipped_.empty());
  // Said where a script or a log can find it too, once for each change.
  for (const QString& line : unread.lines) std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

void RosterWindow::RescanNow() {
  changeWait_.stop();
  if (!folderPath_.empty()) feed_->Rescan();
}

void RosterWindow::ApplyFilterNow() {
  filterWait_.stop();
  QElapsedTimer timer;
  timer.start();
  model_->SetFilter(filter_->text(), weightClasses_->currentIndex() - 1);
  lastFilterNs_ = timer.nsecsElapsed();
  UpdateStatus();
  emit FilterApplied();
}

void RosterWindow::UpdateStatus() {
  QString text = tr("%1 of %2 fighters shown, %3 with problems")
                     .arg(model_->rowCount())
                     .arg(loading_ ? std::max(expected_, model_->TotalCount()) : model_->TotalCount())
                     .arg(model_->ProblemsShown());
  if (const auto selected = SelectedRows().size(); selected > 1) text += tr("; %1 selected").arg(selected);
  status_->setText(text);
}

void RosterWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (polling_) poll_.start();
}

// Hidden, the window keeps its inotify watch, which costs nothing, but stops
// looking every second.
void RosterWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  poll_.stop();
  columns_->Save();
}

std::vector<int> RosterWindow::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace ostrak::roster
