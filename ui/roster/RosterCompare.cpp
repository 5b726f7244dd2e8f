#include "ui/roster/RosterCompare.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>
#include <unordered_map>

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "record/FighterLayout.h"
#include "roster/FileChanges.h"
#include "roster/LoadedFighter.h"
#include "roster/RosterRows.h"
#include "roster/Utf8Text.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/FieldNames.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString StatusText(DiffStatus status) {
  switch (status) {
    case DiffStatus::Added:
      return RosterCompare::tr("added");
    case DiffStatus::Removed:
      return RosterCompare::tr("removed");
    case DiffStatus::Changed:
      return RosterCompare::tr("changed");
    case DiffStatus::Renamed:
      break;
  }
  return RosterCompare::tr("renamed");
}

// One side of a fighter: every column's text and the ratings, or why it does not load.
struct Version {
  std::vector<std::string> texts;  // kColumnCount - 1 columns, from the first line on; empty: no such fighter
  std::optional<Ratings> ratings;
  std::string failure;
};

Version VersionOf(const RosterFighter* fighter) {
  Version version;
  if (!fighter) return version;
  TStringList lines;
  lines.SetText(fighter->bytes);
  version.texts = ColumnTexts(lines);
  LoadedFighter loaded = LoadLinesLikeTheEditor(std::move(lines));
  if (loaded.failure) {
    version.failure = *loaded.failure;
  } else {
    version.ratings = EvaluateRatings(loaded.form.Attributes());
  }
  return version;
}

const RosterFighter* Find(const RosterContents& side, const std::string& name) {
  if (name.empty()) return nullptr;
  for (const RosterFighter& fighter : side.fighters) {
    if (fighter.name == name) return &fighter;
  }
  return nullptr;
}

QString Place(const QString& where, const TableProblem& problem) {
  QString place = where;
  if (problem.row > 0) place += QStringLiteral(", ") + RosterCompare::tr("row %1").arg(problem.row);
  if (!problem.column.empty()) place += QStringLiteral(", ") + QString::fromStdString(problem.column);
  return place + QStringLiteral(": ") + TranslateEngineMessage(problem.message);
}

}  // namespace

std::shared_ptr<RosterComparison> CompareWithFolder(const std::string& folder, const std::string& other,
                                                    MatchBy match) {
  auto comparison = std::make_shared<RosterComparison>();
  comparison->other = other;
  RosterContents* sides = comparison->sides;
  sides[0] = ReadRoster(folder);
  sides[1] = ReadRoster(other);
  const QString names[] = {RosterCompare::tr("This folder"),
                           QFile::decodeName(QByteArray::fromStdString(other))};
  for (int side = 0; side < 2; ++side) {
    for (const TableProblem& problem : sides[side].problems)
      comparison->problems.push_back(Place(names[side], problem));
  }
  if (!comparison->problems.isEmpty()) return comparison;
  if (sides[1].kind == RosterKind::Table && sides[0].kind == RosterKind::Folder)
    NameRowsUnder(sides[1], folder);
  std::vector<DiffProblem> problems;
  comparison->diff = CompareRosters(sides[0], sides[1], match, problems);
  for (const DiffProblem& problem : problems)
    comparison->problems.push_back(Place(names[problem.after ? 1 : 0], problem.problem));
  return comparison;
}

RosterCompare::RosterCompare(RosterWindow& window, Dialogs& dialogs, std::array<QString, 6> ratingCaptions,
                             Threading threading)
    : QWidget(&window, Qt::Window),
      window_(window),
      dialogs_(dialogs),
      ratingCaptions_(std::move(ratingCaptions)),
      worker_(threading) {
  setObjectName(QStringLiteral("RosterCompare"));
  setWindowTitle(tr("Compare with folder or table"));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);

  auto* form = new QGridLayout;
  auto* sourceLabel = new QLabel(tr("&Other roster:"), this);
  source_ = new QLineEdit(this);
  source_->setObjectName(QStringLiteral("source"));
  source_->setAccessibleName(tr("Other roster"));
  source_->setPlaceholderText(tr("A folder, a CSV table or a JSON table"));
  sourceLabel->setBuddy(source_);
  auto* folderButton = new QPushButton(tr("&Folder…"), this);
  auto* tableButton = new QPushButton(tr("&Table…"), this);
  auto* matchLabel = new QLabel(tr("&Pair fighters:"), this);
  match_ = new QComboBox(this);
  match_->setObjectName(QStringLiteral("match"));
  match_->setAccessibleName(tr("Pair fighters"));
  match_->addItems({tr("By file"), tr("By Sherdog ID")});
  matchLabel->setBuddy(match_);
  compare_ = new QPushButton(tr("&Compare"), this);
  compare_->setDefault(true);
  form->addWidget(sourceLabel, 0, 0);
  form->addWidget(source_, 0, 1);
  form->addWidget(folderButton, 0, 2);
  form->addWidget(tableButton, 0, 3);
  form->addWidget(matchLabel, 1, 0);
  form->addWidget(match_, 1, 1);
  form->addWidget(compare_, 1, 3);
  layout->addLayout(form);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  results_ = new QTableWidget(0, ResultColumnCount, splitter);
  results_->setObjectName(QStringLiteral("differences"));
  results_->setAccessibleName(tr("Differences"));
  results_->setHorizontalHeaderLabels({tr("Status"), tr("File"), tr("Changed fields")});
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->verticalHeader()->hide();
  results_->horizontalHeader()->setStretchLastSection(true);
  results_->setWordWrap(false);
  auto* lower = new QWidget(splitter);
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  detailTitle_ = new QLabel(lower);
  detailTitle_->setTextFormat(Qt::PlainText);
  lowerLayout->addWidget(detailTitle_);
  detail_ = new QTableWidget(0, DetailColumnCount, lower);
  detail_->setObjectName(QStringLiteral("versions"));
  detail_->setAccessibleName(tr("Both versions"));
  detail_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  detail_->verticalHeader()->hide();
  detail_->horizontalHeader()->setStretchLastSection(true);
  detail_->setWordWrap(false);
  lowerLayout->addWidget(detail_);
  layout->addWidget(splitter, 1);

  connect(folderButton, &QPushButton::clicked, this, [this] { Guard([this] { ChooseFolder(); }); });
  connect(tableButton, &QPushButton::clicked, this, [this] { Guard([this] { ChooseTable(); }); });
  connect(compare_, &QPushButton::clicked, this, [this] { Guard([this] { CompareNow(); }); });
  connect(source_, &QLineEdit::returnPressed, this, [this] { Guard([this] { CompareNow(); }); });
  connect(results_, &QTableWidget::currentCellChanged, this,
          [this](int row) { Guard([&] { ShowDetail(row); }); });
  connect(results_, &QTableWidget::activated, this, [this] { detail_->setFocus(Qt::OtherFocusReason); });
  auto* close = new QShortcut(QKeySequence::Cancel, this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  resize(820, 640);
}

RosterCompare::~RosterCompare() = default;

void RosterCompare::ChooseFolder() {
  if (const auto chosen = dialogs_.ChooseDirectory(tr("Compare with folder"), source_->text()))
    source_->setText(*chosen);
}

void RosterCompare::ChooseTable() {
  const auto chosen = dialogs_.ChooseFile(
      {FileDialogKind::Open,
       tr("Compare with table"),
       QFileInfo(source_->text()).absolutePath(),
       {{tr("Tables"), QStringLiteral("*.csv *.json")}, {tr("All files"), QStringLiteral("*")}},
       {}});
  if (chosen) source_->setText(chosen->path);
}

void RosterCompare::CompareNow() {
  const QString source = source_->text().trimmed();
  if (source.isEmpty() || window_.FolderPath().empty()) {
    dialogs_.ShowMessage(tr("Name the folder or table to compare the roster with."),
                         tr("Compare with folder or table"), MessageIcon::Information);
    return;
  }
  compare_->setEnabled(false);
  summary_->setText(tr("Comparing…"));
  const std::string folder = window_.FolderPath();
  const std::string other = QFile::encodeName(source).toStdString();
  const MatchBy match = match_->currentIndex() == 1 ? MatchBy::SherdogId : MatchBy::File;
  worker_.Post([this, folder, other, match] {
    // Whatever happens, the window hears of it: the button comes back and the failure is said.
    std::shared_ptr<RosterComparison> comparison;
    try {
      comparison = CompareWithFolder(folder, other, match);
    } catch (const std::exception& failure) {
      comparison = std::make_shared<RosterComparison>();
      comparison->other = other;
      comparison->problems.push_back(TranslateEngineMessage(std::string(failure.what())));
    }
    worker_.Deliver(this, [this, comparison] { Guard([&] { Show(comparison); }); });
  });
}

void RosterCompare::Show(const std::shared_ptr<RosterComparison>& comparison) {
  compare_->setEnabled(true);
  shown_ = comparison;
  results_->setRowCount(0);
  detail_->setRowCount(0);
  detailTitle_->clear();
  if (!comparison->problems.isEmpty()) {
    summary_->setText(tr("The rosters could not be compared:") + QLatin1Char('\n') +
                      comparison->problems.join(QLatin1Char('\n')));
    emit Compared();
    return;
  }
  const RosterDiff& diff = comparison->diff;
  std::size_t counts[4] = {};
  for (const FighterDiff& fighter : diff.fighters) ++counts[static_cast<int>(fighter.status)];
  QString summary = diff.Equal() ? tr("The rosters hold the same fighters. ") : QString();
  summary += tr("%1 added, %2 removed, %3 changed, %4 renamed, %5 unchanged.")
                 .arg(counts[0])
                 .arg(counts[1])
                 .arg(counts[2])
                 .arg(counts[3])
                 .arg(diff.unchanged);
  summary += QLatin1Char(' ') + tr("Added: only in the other roster; removed: only in this folder.");
  summary_->setText(summary);

  results_->setRowCount(static_cast<int>(diff.fighters.size() + diff.heldTwice.size()));
  int row = 0;
  for (const FighterDiff& fighter : diff.fighters) {
    QString file = MessageToQString(fighter.status == DiffStatus::Added ? fighter.after : fighter.before);
    if (fighter.status == DiffStatus::Renamed)
      file += QStringLiteral(" → ") + MessageToQString(fighter.after);
    QStringList fields;
    for (const FieldChange& change : fighter.fields) fields.push_back(FieldName(change.column));
    results_->setItem(row, Status, new QTableWidgetItem(StatusText(fighter.status)));
    results_->setItem(row, File, new QTableWidgetItem(file));
    results_->setItem(row, ChangedFields, new QTableWidgetItem(fields.join(QStringLiteral(", "))));
    ++row;
  }
  for (const IdHeldTwice& twice : diff.heldTwice) {
    QStringList names;
    for (const auto* side : {&twice.before, &twice.after}) {
      for (const std::string& name : *side) {
        if (!names.contains(MessageToQString(name))) names.push_back(MessageToQString(name));
      }
    }
    results_->setItem(row, Status, new QTableWidgetItem(tr("not compared")));
    results_->setItem(row, File, new QTableWidgetItem(names.join(QStringLiteral(", "))));
    results_->setItem(row, ChangedFields,
                      new QTableWidgetItem(
                          tr("Sherdog ID %1 is held by more than one fighter").arg(Utf8(twice.sherdogId))));
    ++row;
  }
  results_->resizeColumnsToContents();
  if (results_->rowCount() > 0) results_->setCurrentCell(0, Status);
  emit Compared();
}

void RosterCompare::ShowDetail(int row) {
  detail_->setRowCount(0);
  detailTitle_->clear();
  if (!shown_ || row < 0 || row >= static_cast<int>(shown_->diff.fighters.size())) return;
  const FighterDiff& fighter = shown_->diff.fighters[static_cast<std::size_t>(row)];
  const Version before = VersionOf(Find(shown_->sides[0], fighter.before));
  const Version after = VersionOf(Find(shown_->sides[1], fighter.after));
  // The roster compared, not what the field says since.
  const QString otherName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(shown_->other))).fileName();
  const QString beforeName = MessageToQString(fighter.before);
  const QString afterName = MessageToQString(fighter.after);
  detail_->setHorizontalHeaderLabels(
      {tr("Field"), tr("Changed"),
       beforeName.isEmpty() ? tr("This folder") : tr("This folder: %1").arg(beforeName),
       afterName.isEmpty() ? otherName : otherName + QStringLiteral(": ") + afterName});
  detailTitle_->setText(
      tr("Both versions of %1")
          .arg(MessageToQString(fighter.status == DiffStatus::Added ? fighter.after : fighter.before)));
  const auto add = [&](const QString& field, const QString& one, const QString& two, bool present) {
    const int at = detail_->rowCount();
    detail_->insertRow(at);
    const bool changed = present && one != two;
    const std::array<QTableWidgetItem*, DetailColumnCount> items{
        new QTableWidgetItem(field), new QTableWidgetItem(changed ? tr("changed") : QString()),
        new QTableWidgetItem(one), new QTableWidgetItem(two)};
    for (int column = 0; column < DetailColumnCount; ++column) {
      QTableWidgetItem* item = items[static_cast<std::size_t>(column)];
      if (changed) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      detail_->setItem(at, column, item);
    }
  };
  const bool both = !before.texts.empty() && !after.texts.empty();
  for (std::size_t i = 0; i + 1 < kColumnCount; ++i) {
    add(FieldName(ColumnName(i + 1)), before.texts.empty() ? QString() : Utf8(before.texts[i]),
        after.texts.empty() ? QString() : Utf8(after.texts[i]), both);
  }
  const auto rating = [&](const Version& version, std::size_t i) {
    if (version.texts.empty()) return QString();
    if (!version.ratings) return tr("does not load: %1").arg(TranslateEngineMessage(version.failure));
    return QString::number(version.ratings->InBarOrder()[i]) + QLatin1Char('%');
  };
  for (std::size_t i = 0; i < ratingCaptions_.size(); ++i)
    add(ratingCaptions_[i], rating(before, i), rating(after, i), both);
  detail_->resizeColumnsToContents();
  // The first change in sight: most fields of a changed fighter are as they were.
  for (int at = 0; at < detail_->rowCount(); ++at) {
    if (!detail_->item(at, DetailChanged)->text().isEmpty()) {
      detail_->scrollToItem(detail_->item(at, DetailField), QAbstractItemView::PositionAtTop);
      break;
    }
  }
}

}  // namespace ostrak::roster
