#include "ui/roster/ChangePreview.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>

#include "platform/AnsiText.h"
#include "record/FighterColumns.h"
#include "roster/FileChanges.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

// Characters of the changes column, at most, as first shown.
constexpr int kWidestChanges = 48;

constexpr int kMeasuredRows = 64;

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A list's code as the list shows it; any other text as it is.
QString ShownValue(const std::string& column, const std::string& value) {
  int code = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), code);
  const bool number = error == std::errc() && end == value.data() + value.size() && !value.empty();
  if (number && column == kLineColumns[static_cast<std::size_t>(LineOf(FighterField::WeightClass))]) {
    if (const int index = WeightClassIndexFromCode(code); index != kNoSelection)
      return QString::fromLatin1(kWeightClassItems[static_cast<std::size_t>(index)]);
  }
  if (number && column == kLineColumns[static_cast<std::size_t>(LineOf(FighterField::GamePlan))]) {
    if (const int index = GamePlanIndexFromCode(code); index != kNoSelection)
      return QString::fromLatin1(kGamePlanItems[static_cast<std::size_t>(index)]);
  }
  return Utf8(value);
}

QString RatingsText(const FileChanges& changes, const PreviewCaptions& captions) {
  const auto side = [](const std::optional<Ratings>& ratings, std::size_t i) {
    return ratings ? QString::number(ratings->InBarOrder()[i]) + QLatin1Char('%') : QStringLiteral("—");
  };
  QStringList parts;
  for (std::size_t i = 0; i < captions.ratings.size(); ++i) {
    const QString before = side(changes.ratingsBefore, i);
    const QString after = side(changes.ratingsAfter, i);
    if (before != after) parts << QStringLiteral("%1 %2 → %3").arg(captions.ratings[i], before, after);
  }
  return parts.join(QStringLiteral("; "));
}

}  // namespace

QString ResultText(Action action) {
  switch (action) {
    case Action::Create:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "would create");
    case Action::Replace:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "would replace");
    case Action::Remove:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "would remove");
    case Action::Unchanged:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "unchanged");
    case Action::Refused:
      break;
  }
  return QCoreApplication::translate("ostrak::roster::ChangePreview", "refused");
}

PreviewCaptions CaptionsOf(const RosterModel& model) {
  PreviewCaptions captions;
  for (int column = 0; column < RosterModel::ColumnCount; ++column) {
    if (const auto field = RosterModel::FieldOf(column)) {
      captions.columns[kLineColumns[static_cast<std::size_t>(LineOf(*field))]] =
          model.headerData(column, Qt::Horizontal).toString();
    }
  }
  for (int i = 0; i < kRatingCount; ++i) {
    captions.ratings[static_cast<std::size_t>(i)] =
        model.headerData(RosterModel::FirstRating + i, Qt::Horizontal).toString();
  }
  return captions;
}

PreviewChanges ChangesText(const RosterPlan& plan, const PlannedFile& file, const PreviewCaptions& captions) {
  const std::optional<std::string> before = plan.BeforeOf(file);
  const std::string bytes = plan.BytesOf(file);
  std::optional<std::string_view> after;
  if (file.action != Action::Remove) after = bytes;
  const FileChanges changes =
      ChangesOf(before ? std::optional<std::string_view>(*before) : std::nullopt, after);
  QStringList parts;
  for (const FieldChange& change : changes.fields) {
    const auto caption = captions.columns.find(change.column);
    parts << QStringLiteral("%1: %2 → %3")
                 .arg(caption != captions.columns.end() ? caption->second : Utf8(change.column),
                      ShownValue(change.column, change.before), ShownValue(change.column, change.after));
  }
  return {parts.join(QStringLiteral("; ")), RatingsText(changes, captions)};
}

PreviewLines PreviewOf(std::shared_ptr<const RosterPlan> plan, const PreviewCaptions& captions,
                       ProblemPlace place) {
  PreviewLines lines;
  const auto& files = plan->Files();
  // A file's problems are under its row; the plan's own under row 0.
  std::map<int, QStringList> byRow;
  for (const TableProblem& problem : plan->Problems()) {
    QString text = TranslateEngineMessage(problem.message);
    if (!problem.column.empty()) {
      const auto caption = captions.columns.find(problem.column);
      text = (caption != captions.columns.end() ? caption->second : Utf8(problem.column)) +
             QStringLiteral(": ") + text;
    }
    byRow[problem.row] << text;
  }
  // Looked up once per refused row: a table of thousands refused would
  // otherwise search every file for each.
  std::map<int, const PlannedFile*> fileOfRow;
  if (!byRow.empty()) {
    for (const PlannedFile& file : files) {
      if (file.row > 0 && byRow.contains(file.row)) fileOfRow.emplace(file.row, &file);
    }
  }
  for (const auto& [row, texts] : byRow) {
    const auto found = fileOfRow.find(row);
    QString where;
    if (row <= 0) {
      where = QCoreApplication::translate("ostrak::roster::ChangePreview", "The table");
    } else if (found == fileOfRow.end() || found->second->file.empty()) {
      where = QCoreApplication::translate("ostrak::roster::ChangePreview", "Row %1").arg(row);
    } else if (place == ProblemPlace::FileAndRow) {
      // In one pass: a "%2" in a file's name stays as it is.
      where = QCoreApplication::translate("ostrak::roster::ChangePreview", "%1 (row %2)")
                  .arg(MessageToQString(found->second->file), QString::number(row));
    } else {
      where = MessageToQString(found->second->file);
    }
    for (const QString& text : texts) lines.problems.push_back(where + QStringLiteral(": ") + text);
  }

  lines.rows.reserve(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    const PlannedFile& file = files[i];
    PreviewRow row;
    row.file = MessageToQString(file.file);
    row.action = file.action;
    if (file.match) row.match = TranslateEngineMessage(file.match->Text());
    if (const auto found = byRow.find(file.row); found != byRow.end() && file.row > 0)
      row.problem = found->second.join(QStringLiteral("; "));
    if (file.action == Action::Create || file.action == Action::Replace || file.action == Action::Remove)
      row.planned = i;
    lines.rows.push_back(std::move(row));
  }
  lines.plan = std::move(plan);
  lines.captions = captions;
  return lines;
}

PreviewModel::PreviewModel(PreviewLines lines, QObject* parent)
    : QAbstractTableModel(parent), lines_(std::move(lines)), told_(lines_.rows.size()) {}

const PreviewChanges& PreviewModel::ChangesAt(std::size_t row) const {
  static const PreviewChanges kNone;
  const PreviewRow& shown = lines_.rows[row];
  if (!shown.planned || !lines_.plan) return kNone;
  // Told from inside the view's paint or sort, where a message box would
  // open once per row mid-paint: a failure is said in the row's own cell.
  if (!told_[row]) {
    PreviewChanges told;
    try {
      told = ChangesText(*lines_.plan, lines_.plan->Files()[*shown.planned], lines_.captions);
    } catch (const std::exception& failure) {
      told.fields = TranslateEngineMessage(std::string(failure.what()));
    } catch (...) {
      told.fields = QCoreApplication::translate("ostrak::roster::ChangePreview",
                                                "What changes in this file could not be worked out.");
    }
    try {
      told_[row] = std::make_unique<const PreviewChanges>(std::move(told));
    } catch (...) {
      return kNone;
    }
  }
  return *told_[row];
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.rows.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const PreviewRow& row = lines_.rows[static_cast<std::size_t>(index.row())];
  if (role == Qt::UserRole) return row.action == Action::Unchanged ? 0 : 1;
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case File:
      return row.file;
    case Result:
      return row.result.isEmpty() ? ResultText(row.action) : row.result;
    case Changes:
      return ChangesAt(static_cast<std::size_t>(index.row())).fields;
    case Ratings:
      return ChangesAt(static_cast<std::size_t>(index.row())).ratings;
    case Problem:
      return row.problem;
    case Match:
      return row.match;
    default:
      return {};
  }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case File:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "File");
    case Result:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "Result");
    case Changes:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "Before → after");
    case Ratings:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "Ratings before → after");
    case Problem:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "Problem");
    case Match:
      return QCoreApplication::translate("ostrak::roster::ChangePreview", "Why this file");
    default:
      return {};
  }
}

namespace {

// Sorting by what changed tells every row not yet told, on this thread: the
// user sees the wait instead of a window that seems to hang.
class PreviewOrder final : public QSortFilterProxyModel {
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void sort(int column, Qt::SortOrder order) override {
    const bool telling = column == PreviewModel::Changes || column == PreviewModel::Ratings;
    if (telling) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QSortFilterProxyModel::sort(column, order);
    if (telling) QGuiApplication::restoreOverrideCursor();
  }
};

}  // namespace

ChangePreview::ChangePreview(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  onlyChanged_ = new QCheckBox(
      QCoreApplication::translate("ostrak::roster::ChangePreview", "&Only the files that change"), this);
  onlyChanged_->setObjectName(QStringLiteral("onlyChanged"));
  layout->addWidget(onlyChanged_);
  proxy_ = new PreviewOrder(this);
  proxy_->setFilterRole(Qt::UserRole);
  proxy_->setFilterKeyColumn(PreviewModel::File);
  proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
  proxy_->setSortLocaleAware(true);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("files"));
  table_->setAccessibleName(QCoreApplication::translate("ostrak::roster::ChangePreview", "Files"));
  table_->setModel(proxy_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);  // the plan's order until the user sorts
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  // Sized by the rows a first look shows: measuring every row would tell
  // every row's changes up front.
  table_->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
  layout->addWidget(table_, 3);
  problems_ = new QListWidget(this);
  problems_->setObjectName(QStringLiteral("problems"));
  problems_->setAccessibleName(QCoreApplication::translate("ostrak::roster::ChangePreview", "Problems"));
  layout->addWidget(problems_, 1);
  connect(onlyChanged_, &QCheckBox::toggled, this,
          [this](bool only) { proxy_->setFilterFixedString(only ? QStringLiteral("1") : QString()); });
  Show({});
}

void ChangePreview::Show(PreviewLines lines) {
  const std::vector<QString> problems = std::move(lines.problems);
  // A sort by what changed, kept from the last preview, would tell every row
  // of this one before it is shown.
  const int sorted = table_->horizontalHeader()->sortIndicatorSection();
  if (sorted == PreviewModel::Changes || sorted == PreviewModel::Ratings)
    table_->sortByColumn(-1, Qt::AscendingOrder);
  auto* model = new PreviewModel(std::move(lines), this);
  proxy_->setSourceModel(model);
  delete model_;
  model_ = model;
  problems_->clear();
  for (const QString& problem : problems) problems_->addItem(problem);
  problems_->setVisible(problems_->count() > 0);
  // A new model puts the sections back in their own order and shows them all.
  QHeaderView& header = *table_->horizontalHeader();
  header.moveSection(header.visualIndex(PreviewModel::Match), PreviewModel::Result + 1);
  const auto& rows = model_->Rows();
  table_->setColumnHidden(
      PreviewModel::Match,
      std::none_of(rows.begin(), rows.end(), [](const PreviewRow& row) { return !row.match.isEmpty(); }));
  table_->resizeColumnsToContents();
  // A long list of changes would push the ratings out of sight: the whole
  // text is in the cell's tool tip.
  const int widest = table_->fontMetrics().averageCharWidth() * kWidestChanges;
  if (table_->columnWidth(PreviewModel::Changes) > widest)
    table_->setColumnWidth(PreviewModel::Changes, widest);
}

int ChangePreview::ShownCount() const { return proxy_->rowCount(); }

QString ChangePreview::Text(int row, int column) const {
  return proxy_->index(row, column).data().toString();
}

}  // namespace ostrak::roster
